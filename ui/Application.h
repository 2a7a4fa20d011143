#pragma once
#include <memory>
#include <string>
#include <vector>

#include "forms/Platform.h"
#include "forms/Window.h"

class Tzakladni;
class Tvstup;
class Toprogramu;
class Tzasah;

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
  Tzasah& zasah() { return *zasah_; }
  forms::Platform& platform() { return platform_; }

  forms::Window* FindWindow(const std::string& name) const;
  const std::vector<forms::Window*>& Windows() const { return windows_; }

  void ShowCalculation();
  void ShowAbout();
  void Quit();
  bool QuitRequested() const { return quit_; }

 private:
  forms::Platform& platform_;
  std::unique_ptr<Tzakladni> zakladni_;
  std::unique_ptr<Tvstup> vstup_;
  std::unique_ptr<Toprogramu> oprogramu_;
  std::unique_ptr<Tzasah> zasah_;
  std::vector<forms::Window*> windows_;
  bool created_ = false, destroyed_ = false, quit_ = false;
};
