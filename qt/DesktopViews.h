#pragma once
#include <memory>

class Application;
class GrafodporuView;
class KoeficientyView;
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
  KoeficientyView& coefficients() { return *coefficients_; }
  GrafodporuView& dragGraph() { return *dragGraph_; }

 private:
  std::unique_ptr<ZakladniView> start_;
  std::unique_ptr<VstupView> calculation_;
  std::unique_ptr<OprogramuView> about_;
  std::unique_ptr<KoeficientyView> coefficients_;
  std::unique_ptr<GrafodporuView> dragGraph_;
};
