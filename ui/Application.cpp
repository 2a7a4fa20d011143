#include "ui/Application.h"

#include "ui/Oprogramu1.h"
#include "ui/Vstup1.h"
#include "ui/Zakladni1.h"
#include "ui/Zasah1.h"

Application::Application(forms::Platform& platform) : platform_(platform) {
  zakladni_ = std::make_unique<Tzakladni>(*this, platform);
  vstup_ = std::make_unique<Tvstup>(*this, platform);
  oprogramu_ = std::make_unique<Toprogramu>(platform);
  zasah_ = std::make_unique<Tzasah>(*this, platform);
  windows_ = {zakladni_.get(), vstup_.get(), oprogramu_.get()};
  windows_.push_back(zasah_.get());
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

void Application::Quit() {
  quit_ = true;
  platform_.CloseWindow(*zakladni_);
}
