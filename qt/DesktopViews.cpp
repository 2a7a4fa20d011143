#include "qt/DesktopViews.h"

#include "qt/OprogramuView.h"
#include "qt/VstupView.h"
#include "qt/ZakladniView.h"
#include "qt/ZasahView.h"
#include "ui/Application.h"
#include "ui/Zasah1.h"

DesktopViews::DesktopViews(QtPlatform& platform, Application& app)
    : start_(std::make_unique<ZakladniView>(app.zakladni(), platform)),
      calculation_(std::make_unique<VstupView>(app.vstup(), platform)),
      about_(std::make_unique<OprogramuView>(app.oprogramu(), platform)),
      hitProbability_(std::make_unique<ZasahView>(app.zasah(), platform)) {}

DesktopViews::~DesktopViews() = default;
