#include "ui/Application.h"

#include "ui/Energie1.h"
#include "ui/Grafodporu1.h"
#include "ui/Karta1.h"
#include "ui/Koeficienty1.h"
#include "ui/Mildot1.h"
#include "ui/Nastaveniuloz1.h"
#include "ui/Nmv1.h"
#include "ui/Oprogramu1.h"
#include "ui/Prevody1.h"
#include "ui/Reseni1.h"
#include "ui/Tabulka1.h"
#include "ui/Teplotaprachu1.h"
#include "ui/Vstup1.h"
#include "ui/Zakladni1.h"
#include "ui/Zasah1.h"

Application::Application(forms::Platform& platform) : platform_(platform) {
  zakladni_ = std::make_unique<Tzakladni>(*this, platform);
  vstup_ = std::make_unique<Tvstup>(*this, platform);
  oprogramu_ = std::make_unique<Toprogramu>(platform);
  tabulka_ = std::make_unique<Ttabulka>(*this, platform);
  prevody_ = std::make_unique<Tprevody>(platform);
  nmv_ = std::make_unique<Tnmv>(platform);
  koeficienty_ = std::make_unique<Tkoeficienty>(*this, platform);
  grafodporu_ = std::make_unique<Tgrafodporu>(*this, platform);
  mildot_ = std::make_unique<Tmildot>(*this, platform);
  nastaveniuloz_ = std::make_unique<Tnastaveniuloz>(*this, platform);
  teplotaprachu_ = std::make_unique<Tteplotaprachu>(*vstup_, platform);
  energie_ = std::make_unique<Tenergie>(*vstup_, platform);
  zasah_ = std::make_unique<Tzasah>(*this, platform);
  reseni_ = std::make_unique<Treseni>(*this, platform);
  karta_ = std::make_unique<Tkarta>(*this, platform);
  // The order of creation (and of the creation handlers) is the program's; the windows the
  // program did not have come last.
  windows_ = {zakladni_.get(), vstup_.get(),         oprogramu_.get(),     tabulka_.get(),
              prevody_.get(),  nmv_.get(),           koeficienty_.get(),   grafodporu_.get(),
              mildot_.get(),   nastaveniuloz_.get(), teplotaprachu_.get(), energie_.get(),
              zasah_.get(),    reseni_.get(),        karta_.get()};
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
