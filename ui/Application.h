#pragma once
#include <memory>
#include <string>
#include <vector>

#include "forms/Platform.h"
#include "forms/Window.h"

class Tzakladni;
class Tvstup;
class Toprogramu;
class Tprevody;
class Tnmv;
class Tteplotaprachu;
class Tenergie;
class Tkoeficienty;
class Tgrafodporu;
class Ttabulka;
class Tnastaveniuloz;
class Tmildot;
class Tzasah;
class Treseni;
class Tkarta;

// Owns the windows, created once in the program's fixed order, and the platform they use.
class Application {
 public:
  explicit Application(forms::Platform& platform);
  ~Application();

  // Creates the windows in order; each creation handler runs at once.
  void Create();
  // Runs the destruction handlers (the calculation window's start-up file comes here).
  void Destroy();

  Tzakladni& zakladni() { return *zakladni_; }
  Tvstup& vstup() { return *vstup_; }
  Toprogramu& oprogramu() { return *oprogramu_; }
  Tprevody& prevody() { return *prevody_; }
  Tnmv& nmv() { return *nmv_; }
  Tteplotaprachu& teplotaprachu() { return *teplotaprachu_; }
  Tenergie& energie() { return *energie_; }
  Tkoeficienty& koeficienty() { return *koeficienty_; }
  Tgrafodporu& grafodporu() { return *grafodporu_; }
  Ttabulka& tabulka() { return *tabulka_; }
  Tnastaveniuloz& nastaveniuloz() { return *nastaveniuloz_; }
  Tmildot& mildot() { return *mildot_; }
  Tzasah& zasah() { return *zasah_; }
  Treseni& reseni() { return *reseni_; }
  Tkarta& karta() { return *karta_; }
  forms::Platform& platform() { return platform_; }

  forms::Window* FindWindow(const std::string& name) const;
  const std::vector<forms::Window*>& Windows() const { return windows_; }

  void ShowCalculation();
  void ShowAbout();
  void ShowMildot();
  void Quit();
  bool QuitRequested() const { return quit_; }

 private:
  forms::Platform& platform_;
  std::unique_ptr<Tzakladni> zakladni_;
  std::unique_ptr<Tvstup> vstup_;
  std::unique_ptr<Toprogramu> oprogramu_;
  std::unique_ptr<Tprevody> prevody_;
  std::unique_ptr<Tnmv> nmv_;
  std::unique_ptr<Tteplotaprachu> teplotaprachu_;
  std::unique_ptr<Tenergie> energie_;
  std::unique_ptr<Tkoeficienty> koeficienty_;
  std::unique_ptr<Tgrafodporu> grafodporu_;
  std::unique_ptr<Ttabulka> tabulka_;
  std::unique_ptr<Tnastaveniuloz> nastaveniuloz_;
  std::unique_ptr<Tmildot> mildot_;
  std::unique_ptr<Tzasah> zasah_;
  std::unique_ptr<Treseni> reseni_;
  std::unique_ptr<Tkarta> karta_;
  std::vector<forms::Window*> windows_;
  bool created_ = false, destroyed_ = false, quit_ = false;
};
