#pragma once
#include <memory>

class Application;
class MildotView;
class OprogramuView;
class QtPlatform;
class VstupView;
class ZakladniView;

// One view for each window of the application, each registered with the platform.
class DesktopViews {
 public:
  DesktopViews(QtPlatform& platform, Application& app);
  ~DesktopViews();

  ZakladniView& start() { return *start_; }
  VstupView& calculation() { return *calculation_; }
  OprogramuView& about() { return *about_; }
  MildotView& reticle() { return *reticle_; }

 private:
  std::unique_ptr<ZakladniView> start_;
  std::unique_ptr<VstupView> calculation_;
  std::unique_ptr<OprogramuView> about_;
  std::unique_ptr<MildotView> reticle_;
};
