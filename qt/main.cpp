// trajekta: the desktop program.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <clocale>
#include <exception>

#include "core/NumberText.h"
#include "qt/DesktopViews.h"
#include "qt/QtPlatform.h"
#include "qt/ZakladniView.h"
#include "ui/Application.h"
#include "ui/Zakladni1.h"

namespace {

void ShowFatal(const QString& text) {
  QMessageBox::critical(nullptr, "Vnější trajekta", text);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  const QString point = QLocale::system().decimalPoint();
  SetDecimalSeparator(point == "," ? ',' : '.');
  // QApplication set the process locale; files and reports need the C number format.
  std::setlocale(LC_NUMERIC, "C");
  // The program speaks Czech, and so do Qt's own dialogs where a translation is installed.
  QTranslator qtTexts;
  if (qtTexts.load("qtbase_cs", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    qapp.installTranslator(&qtTexts);
  }
  // Closing the start window ends the program, even with the About window still open.
  qapp.setQuitOnLastWindowClosed(false);

  try {
    QtPlatform platform;
    Application app(platform);
    app.Create();
    DesktopViews views(platform, app);
    QObject::connect(&views.start(), &FormView::Closed, &qapp, &QApplication::quit);
    platform.ShowWindow(app.zakladni(), false);
    qapp.exec();
    if (platform.FatalError()) {
      ShowFatal(QString::fromStdString(*platform.FatalError()));
      return 1;
    }
    app.Destroy();
  } catch (const std::exception& e) {
    ShowFatal(QString::fromStdString(e.what()));
    return 1;
  }
  return 0;
}
