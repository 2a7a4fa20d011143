#include "qt/NastaveniulozView.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

#include "qt/FormBuilder.h"
#include "ui/Nastaveniuloz1.h"

namespace {
QFont Tahoma(int pointSize) {
  QFont f;
  f.setFamilies({"Tahoma", "DejaVu Sans", "Liberation Sans"});
  f.setPointSize(pointSize);
  return f;
}
}  // namespace

NastaveniulozView::NastaveniulozView(Tnastaveniuloz& w, QtPlatform& platform)
    : FormView(w, platform, QSize(275, 420), FormBorder::Single) {
  setFont(Tahoma(8));
  FormBuilder b(platform);
  QWidget* c = client();
  QGroupBox* group = b.Group(c, "Uložit", QRect(8, 4, 257, 253));
  const int ys[] = {24, 47, 70, 93, 116, 139, 162, 184, 206, 228};
  for (int i = 0; i < 10; ++i) b.CheckBox(group, *w.Column(i), 16, ys[i], 236);
  b.RadioGroup(c, w.RadioGroup1, QRect(8, 260, 259, 100));
  QPushButton* go = b.Button(c, w.Button1, QRect(8, 368, 257, 42));
  go->setFont(Tahoma(10));
  EnterClicks(nullptr, go);
}
