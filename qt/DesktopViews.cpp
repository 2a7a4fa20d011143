#include "qt/DesktopViews.h"

#include "qt/MildotView.h"
#include "qt/OprogramuView.h"
#include "qt/VstupView.h"
#include "qt/ZakladniView.h"
#include "ui/Application.h"

DesktopViews::DesktopViews(QtPlatform& platform, Application& app)
    : start_(std::make_unique<ZakladniView>(app.zakladni(), platform)),
      calculation_(std::make_unique<VstupView>(app.vstup(), platform)),
      about_(std::make_unique<OprogramuView>(app.oprogramu(), platform)),
      reticle_(std::make_unique<MildotView>(app.mildot(), platform)) {}

DesktopViews::~DesktopViews() = default;
