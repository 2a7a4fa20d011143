#include "qt/GrafodporuView.h"

#include <QGroupBox>

#include "qt/FormBuilder.h"
#include "ui/Grafodporu1.h"

namespace {
constexpr int kClientWidth = 769, kClientHeight = 369;
// Room the graph leaves to the right and below it.
constexpr int kRightMargin = kClientWidth - GrafodporuView::kGraphLeft - Tgrafodporu::kGraphWidth;
constexpr int kBottomMargin = kClientHeight - GrafodporuView::kGraphTop - Tgrafodporu::kGraphHeight;
}  // namespace

GrafodporuView::GrafodporuView(Tgrafodporu& w, QtPlatform& platform)
    : FormView(w, platform, QSize(kClientWidth, kClientHeight), FormBorder::SingleMaximisable),
      w_(w) {
  FormBuilder b(platform);
  QWidget* c = client();
  buttons_ = b.Group(c, {}, QRect(4, 4, 97, kClientHeight - 8));
  forms::Button* models[] = {&w.Button1, &w.Button2, &w.Button3, &w.Button4, &w.Button6};
  for (int i = 0; i < 5; ++i) b.Button(buttons_, *models[i], QRect(8, 12 + i * 31, 81, 25));
  b.Label(buttons_, w.Label1, QRect(8, 176, 81, 14));
  b.Edit(buttons_, w.Edit1, 8, 194, 81);
  b.Edit(buttons_, w.Edit2, 8, 220, 81);

  graph_ =
      b.Image(c, w.Graf1,
              QRect(kGraphLeft, kGraphTop, Tgrafodporu::kGraphWidth, Tgrafodporu::kGraphHeight));
  FitToDesign();
  LayoutClient(client()->size());
}

void GrafodporuView::LayoutClient(QSize size) {
  if (!graph_) return;  // called by the base before the children exist
  buttons_->resize(buttons_->width(), std::max(size.height() - 8, 0));
  const QRect g(kGraphLeft, kGraphTop, std::max(size.width() - kGraphLeft - kRightMargin, 0),
                std::max(size.height() - kGraphTop - kBottomMargin, 0));
  graph_->setGeometry(g);
  w_.Graf1.SetSize(g.width(), g.height());
}
