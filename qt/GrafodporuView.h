#pragma once
#include "qt/FormView.h"

class ImageWidget;
class QGroupBox;
class Tgrafodporu;

// The drag function graph: the clone and save buttons with the read-out on the left, the
// graph on the right, which follows the window's size.
class GrafodporuView : public FormView {
 public:
  GrafodporuView(Tgrafodporu& window, QtPlatform& platform);

  ImageWidget* Graph() const { return graph_; }

  static constexpr int kGraphLeft = 107, kGraphTop = 8;

 protected:
  void LayoutClient(QSize size) override;

 private:
  Tgrafodporu& w_;
  QGroupBox* buttons_ = nullptr;
  ImageWidget* graph_ = nullptr;
};
