#include "qt/DesktopViews.h"

#include "qt/NastaveniulozView.h"
#include "qt/OprogramuView.h"
#include "qt/TabulkaView.h"
#include "qt/VstupView.h"
#include "qt/ZakladniView.h"
#include "ui/Application.h"
#include "ui/Nastaveniuloz1.h"
#include "ui/Tabulka1.h"

DesktopViews::DesktopViews(QtPlatform& platform, Application& app)
    : start_(std::make_unique<ZakladniView>(app.zakladni(), platform)),
      calculation_(std::make_unique<VstupView>(app.vstup(), platform)),
      about_(std::make_unique<OprogramuView>(app.oprogramu(), platform)),
      list_(std::make_unique<TabulkaView>(app.tabulka(), platform)),
      saveOptions_(std::make_unique<NastaveniulozView>(app.nastaveniuloz(), platform)) {}

DesktopViews::~DesktopViews() = default;
