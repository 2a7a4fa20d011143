#include "qt/PrevodyView.h"

#include <QGroupBox>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

#include "qt/FormBuilder.h"
#include "ui/Prevody1.h"

namespace {

constexpr int kGroupWidth = 214, kGroupHeight = 88, kGap = 8;
constexpr int kButtonWidth = 28, kButtonHeight = 52;

// A green arrow, pointing down (upper field into the lower) or up.
QIcon ArrowIcon(bool down) {
  QPixmap pixmap(16, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath arrow;
  arrow.moveTo(5, 1);
  arrow.lineTo(11, 1);
  arrow.lineTo(11, 19);
  arrow.lineTo(15, 19);
  arrow.lineTo(8, 31);
  arrow.lineTo(1, 19);
  arrow.lineTo(5, 19);
  arrow.closeSubpath();
  if (!down) p.setTransform(QTransform(1, 0, 0, -1, 0, 32));
  p.setPen(QPen(QColor(0, 96, 0), 1));
  p.setBrush(QColor(0, 160, 0));
  p.drawPath(arrow);
  return QIcon(pixmap);
}

struct Pair {
  const char* caption;
  forms::Edit *upper, *lower;
  const char *upperUnit, *lowerUnit;
  forms::Button *down, *up;
};

}  // namespace

PrevodyView::PrevodyView(Tprevody& w, QtPlatform& platform)
    : FormView(w, platform, QSize(3 * kGroupWidth + 4 * kGap, 3 * kGroupHeight + 4 * kGap),
               FormBorder::Dialog) {
  FormBuilder b(platform);
  const Pair pairs[] = {
      {"Vzdálenost", &w.Edit9, &w.Edit10, "cm", "in", &w.BitBtn9, &w.BitBtn10},
      {"Vzdálenost", &w.Edit11, &w.Edit12, "m", "ft", &w.BitBtn11, &w.BitBtn12},
      {"Vzdálenost", &w.Edit3, &w.Edit4, "m", "yd", &w.BitBtn3, &w.BitBtn4},
      {"Hmotnost", &w.Edit1, &w.Edit2, "g", "gr", &w.BitBtn2, &w.BitBtn1},
      {"Hmotnost", &w.Edit13, &w.Edit14, "g", "oz", &w.BitBtn14, &w.BitBtn13},
      {"Rychlost", &w.Edit5, &w.Edit6, "m/s", "ft/s", &w.BitBtn5, &w.BitBtn6},
      {"Energie", &w.Edit7, &w.Edit8, "J", "ft.lb", &w.BitBtn7, &w.BitBtn8},
      {"Tlak", &w.Edit15, &w.Edit16, "MPa", "psi", &w.BitBtn15, &w.BitBtn16},
      {"Tlak", &w.Edit17, &w.Edit18, "MPa", "bar", &w.BitBtn17, &w.BitBtn18},
  };
  const QIcon down = ArrowIcon(true), up = ArrowIcon(false);
  for (int i = 0; i < 9; ++i) {
    const Pair& pair = pairs[i];
    const int x = kGap + (i % 3) * (kGroupWidth + kGap);
    const int y = kGap + (i / 3) * (kGroupHeight + kGap);
    QGroupBox* g = b.Group(client(), pair.caption, QRect(x, y, kGroupWidth, kGroupHeight));
    b.Row(g, {}, *pair.upper, 0, 44, 24, 100, pair.upperUnit);
    b.Row(g, {}, *pair.lower, 0, 44, 54, 100, pair.lowerUnit);
    for (auto [button, icon, bx] : {std::tuple{pair.down, &down, 8},
                                    std::tuple{pair.up, &up, kGroupWidth - 8 - kButtonWidth}}) {
      QPushButton* pb = b.Button(g, *button, QRect(bx, 23, kButtonWidth, kButtonHeight));
      pb->setIcon(*icon);
      pb->setIconSize(QSize(16, 32));
    }
  }
}
