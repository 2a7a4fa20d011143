#pragma once
#include <memory>

class Application;
class OprogramuView;
class QtPlatform;
class VstupView;
class ZakladniView;
class ZasahView;

// One view for each window of the application, each registered with the platform.
class DesktopViews {
 public:
  DesktopViews(QtPlatform& platform, Application& app);
  ~DesktopViews();

  ZakladniView& start() { return *start_; }
  VstupView& calculation() { return *calculation_; }
  OprogramuView& about() { return *about_; }
  ZasahView& hitProbability() { return *hitProbability_; }

 private:
  std::unique_ptr<ZakladniView> start_;
  std::unique_ptr<VstupView> calculation_;
  std::unique_ptr<OprogramuView> about_;
  std::unique_ptr<ZasahView> hitProbability_;
};
