#include "qt/TabulkaView.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "qt/FormBuilder.h"
#include "qt/QtPlatform.h"
#include "qt/StringGridWidget.h"
#include "ui/Tabulka1.h"

namespace {
constexpr int kClientWidth = 760, kClientHeight = 529;
constexpr int kBottomGroupsFromBottom = 95;  // 529 - 434
}  // namespace

TabulkaView::TabulkaView(Ttabulka& w, QtPlatform& platform)
    : FormView(w, platform, QSize(kClientWidth, kClientHeight), FormBorder::Single) {
  QFont sans;
  sans.setFamilies({"MS Sans Serif", "Liberation Sans", "DejaVu Sans"});
  sans.setPointSize(8);
  setFont(sans);
  FormBuilder b(platform);
  QWidget* c = client();
  tableGroup_ = b.Group(c, "", QRect(8, 4, 745, 427));
  grid_ = new StringGridWidget(w.StringGrid1, tableGroup_);
  grid_->setGeometry(8, 14, 729, 403);
  Bind(w.StringGrid1, grid_, platform);

  editGroup_ = b.Group(c, "Úpravy tabulky", QRect(8, 434, 249, 88));
  b.Edit(editGroup_, w.Edit1, 8, 20, 33);
  b.Button(editGroup_, w.Button2, QRect(46, 18, 96, 25));
  b.Button(editGroup_, w.Button1, QRect(8, 52, 134, 25));
  b.Button(editGroup_, w.Button5, QRect(148, 18, 93, 25));
  b.Button(editGroup_, w.Button7, QRect(148, 52, 93, 25));
  b.Edit(editGroup_, w.Edit2, 0, 0, 10);  // hidden

  fileGroup_ = b.Group(c, "Seznamy střel a nábojů", QRect(264, 434, 129, 88));
  b.Button(fileGroup_, w.Button3, QRect(8, 18, 113, 25));
  b.Button(fileGroup_, w.Button4, QRect(8, 52, 113, 25));
}

// The table takes the height the window gives it; the button groups stay at the bottom.
void TabulkaView::LayoutClient(QSize size) {
  const int bottom = size.height() - kBottomGroupsFromBottom;
  tableGroup_->setGeometry(8, 4, 745, bottom - 7);
  grid_->setGeometry(8, 14, 729, bottom - 31);
  editGroup_->move(8, bottom);
  fileGroup_->move(264, bottom);
}

// As tall as the calculation window less 40 px, each time it is shown; placed as it then is.
void TabulkaView::PrepareShow(FormView* owner, bool modal) {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    auto* view = dynamic_cast<FormView*>(top);
    if (!view || view == this || !view->isVisible() || view->Model().Name() != "Tvstup") continue;
    setFixedHeight(std::max(view->height() - 40, 200));
    LayoutClient(client()->size());
  }
  FormView::PrepareShow(owner, modal);
}
