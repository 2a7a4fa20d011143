#include "qt/OprogramuView.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>

#include "qt/CanvasRenderer.h"
#include "qt/FormBuilder.h"
#include "ui/Oprogramu1.h"

OprogramuView::OprogramuView(Toprogramu& w, QtPlatform& platform)
    : FormView(w, platform, QSize(485, 507), FormBorder::Dialog) {
  FormBuilder b(platform);
  QWidget* c = client();
  setWindowIcon(QIcon(QPixmap::fromImage(RenderCanvas(w.Icon.Picture()))));

  QFrame* title = b.Panel(c, QRect(8, 8, 469, 44));
  QLabel* name = b.Label(title, w.Label1, QRect(4, 4, 461, 36));
  name->setFont(BoldFont(16));
  name->setAlignment(Qt::AlignCenter);

  QFrame* info = b.Panel(c, QRect(8, 58, 469, 117));
  forms::Label* lines[] = {&w.Label2, &w.Label3, &w.Label4, &w.Label5, &w.Label6};
  for (int i = 0; i < 5; ++i) b.Label(info, *lines[i], QRect(10, 8 + i * 20, 180, 18));
  b.Image(info, w.Image1, QRect(196, 6, w.Image1.Width(), w.Image1.Height()));

  b.Memo(c, w.Memo1, QRect(8, 181, 469, 150), true);
  b.Memo(c, w.Memo2, QRect(8, 337, 469, 162), true);
  OnEnter(nullptr, [this] { close(); });
}
