#include "qt/DesktopViews.h"

#include "qt/GrafodporuView.h"
#include "qt/KoeficientyView.h"
#include "qt/OprogramuView.h"
#include "qt/VstupView.h"
#include "qt/ZakladniView.h"
#include "ui/Application.h"

DesktopViews::DesktopViews(QtPlatform& platform, Application& app)
    : start_(std::make_unique<ZakladniView>(app.zakladni(), platform)),
      calculation_(std::make_unique<VstupView>(app.vstup(), platform)),
      about_(std::make_unique<OprogramuView>(app.oprogramu(), platform)),
      coefficients_(std::make_unique<KoeficientyView>(app.koeficienty(), platform)),
      dragGraph_(std::make_unique<GrafodporuView>(app.grafodporu(), platform)) {}

DesktopViews::~DesktopViews() = default;
