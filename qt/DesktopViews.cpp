#include "qt/DesktopViews.h"

#include "qt/EnergieView.h"
#include "qt/GrafodporuView.h"
#include "qt/KartaView.h"
#include "qt/KoeficientyView.h"
#include "qt/MildotView.h"
#include "qt/NastaveniulozView.h"
#include "qt/NmvView.h"
#include "qt/OprogramuView.h"
#include "qt/PrevodyView.h"
#include "qt/ReseniView.h"
#include "qt/TabulkaView.h"
#include "qt/TeplotaprachuView.h"
#include "qt/VstupView.h"
#include "qt/ZakladniView.h"
#include "qt/ZasahView.h"
#include "ui/Application.h"
#include "ui/Energie1.h"
#include "ui/Karta1.h"
#include "ui/Nastaveniuloz1.h"
#include "ui/Nmv1.h"
#include "ui/Prevody1.h"
#include "ui/Reseni1.h"
#include "ui/Tabulka1.h"
#include "ui/Teplotaprachu1.h"
#include "ui/Zasah1.h"

DesktopViews::DesktopViews(QtPlatform& platform, Application& app) {
  start_ = std::make_unique<ZakladniView>(app.zakladni(), platform);
  calculation_ = std::make_unique<VstupView>(app.vstup(), platform);
  about_ = std::make_unique<OprogramuView>(app.oprogramu(), platform);
  list_ = std::make_unique<TabulkaView>(app.tabulka(), platform);
  conversions_ = std::make_unique<PrevodyView>(app.prevody(), platform);
  atmosphere_ = std::make_unique<NmvView>(app.nmv(), platform);
  coefficients_ = std::make_unique<KoeficientyView>(app.koeficienty(), platform);
  dragGraph_ = std::make_unique<GrafodporuView>(app.grafodporu(), platform);
  reticle_ = std::make_unique<MildotView>(app.mildot(), platform);
  saveOptions_ = std::make_unique<NastaveniulozView>(app.nastaveniuloz(), platform);
  velocityCorrections_ = std::make_unique<TeplotaprachuView>(app.teplotaprachu(), platform);
  energy_ = std::make_unique<EnergieView>(app.energie(), platform);
  hitProbability_ = std::make_unique<ZasahView>(app.zasah(), platform);
  firingSolution_ = std::make_unique<ReseniView>(app.reseni(), platform);
  rangeCard_ = std::make_unique<KartaView>(app.karta(), platform);
}

DesktopViews::~DesktopViews() = default;
