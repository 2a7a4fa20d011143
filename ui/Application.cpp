#include "ui/Application.h"

#include "ui/Mildot1.h"
#include "ui/Oprogramu1.h"
#include "ui/Vstup1.h"
#include "ui/Zakladni1.h"

Application::Application(forms::Platform& platform) : platform_(platform) {
  zakladni_ = std::make_unique<Tzakladni>(*this, platform);
  vstup_ = std::make_unique<Tvstup>(*this, platform);
  oprogramu_ = std::make_unique<Toprogramu>(platform);
  mildot_ = std::make_unique<Tmildot>(*this, platform);
  windows_ = {zakladni_.get(), vstup_.get(), oprogramu_.get(), mildot_.get()};
}

Application::~Application() {
  Destroy();
}

void Application::Create() {
  if (created_) return;
  created_ = true;
  for (auto* w : windows_) w->FormCreate();
}

void Application::Destroy() {
  if (!created_ || destroyed_) return;
  destroyed_ = true;
  for (auto* w : windows_) w->FormDestroy();
}

forms::Window* Application::FindWindow(const std::string& name) const {
  for (auto* w : windows_) {
    if (w->Name() == name) return w;
  }
  return nullptr;
}

void Application::ShowCalculation() {
  platform_.ShowWindow(*vstup_, true);
}

void Application::ShowAbout() {
  platform_.ShowWindow(*oprogramu_, false);
}

void Application::ShowMildot() {
  platform_.ShowWindow(*mildot_, false);
}

void Application::Quit() {
  quit_ = true;
  platform_.CloseWindow(*zakladni_);
}
