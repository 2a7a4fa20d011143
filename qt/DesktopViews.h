#pragma once
#include <memory>

class Application;
class EnergieView;
class NmvView;
class GrafodporuView;
class KartaView;
class KoeficientyView;
class NastaveniulozView;
class TabulkaView;
class MildotView;
class OprogramuView;
class PrevodyView;
class ReseniView;
class QtPlatform;
class TeplotaprachuView;
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
  PrevodyView& conversions() { return *conversions_; }
  NmvView& atmosphere() { return *atmosphere_; }
  TeplotaprachuView& velocityCorrections() { return *velocityCorrections_; }
  EnergieView& energy() { return *energy_; }
  KoeficientyView& coefficients() { return *coefficients_; }
  GrafodporuView& dragGraph() { return *dragGraph_; }
  TabulkaView& list() { return *list_; }
  NastaveniulozView& saveOptions() { return *saveOptions_; }
  MildotView& reticle() { return *reticle_; }
  ZasahView& hitProbability() { return *hitProbability_; }
  ReseniView& firingSolution() { return *firingSolution_; }
  KartaView& rangeCard() { return *rangeCard_; }

 private:
  std::unique_ptr<ZakladniView> start_;
  std::unique_ptr<VstupView> calculation_;
  std::unique_ptr<OprogramuView> about_;
  std::unique_ptr<PrevodyView> conversions_;
  std::unique_ptr<NmvView> atmosphere_;
  std::unique_ptr<TeplotaprachuView> velocityCorrections_;
  std::unique_ptr<EnergieView> energy_;
  std::unique_ptr<KoeficientyView> coefficients_;
  std::unique_ptr<GrafodporuView> dragGraph_;
  std::unique_ptr<TabulkaView> list_;
  std::unique_ptr<NastaveniulozView> saveOptions_;
  std::unique_ptr<MildotView> reticle_;
  std::unique_ptr<ZasahView> hitProbability_;
  std::unique_ptr<ReseniView> firingSolution_;
  std::unique_ptr<KartaView> rangeCard_;
};
