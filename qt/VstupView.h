#pragma once
#include "qt/FormView.h"

class ButtonPages;
class FormBuilder;
class ImageWidget;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class SplitterBar;
class Tvstup;

// The calculation window: five input pages, the graph controls, the result panel and the
// trajectory graph. The result panel stretches with the height; a wider window gives the panel
// the width of the range table first and the rest to the graph. The bar between them moves
// the border. The window's place and size and the bar are kept in the program's settings.
class VstupView : public FormView {
 public:
  VstupView(Tvstup& window, QtPlatform& platform);
  void PrepareShow(FormView* owner, bool modal) override;

  ButtonPages* Pages() const { return pages_; }
  QTabWidget* GraphTabs() const { return graphTabs_; }
  ImageWidget* Graph() const { return graph_; }
  QPlainTextEdit* Result() const { return memo_; }
  SplitterBar* ResultGraphBar() const { return bar_; }
  QPushButton* ClearButton() const { return clear_; }
  // The panel width that shows the range table's eight columns.
  int TableWidth() const;

  // Where the stretching parts sit in the window's design size.
  static constexpr int kBottomTop = 247;
  static constexpr int kMemoLeft = 2, kMemoWidth = 309;
  static constexpr int kGraphLeft = 317;
  static constexpr int kMinMemoWidth = 120;

 protected:
  void LayoutClient(QSize size) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void BuildParametry(FormBuilder& b, QWidget* page);
  void BuildAtmosfera(FormBuilder& b, QWidget* page);
  void BuildOstatni(FormBuilder& b, QWidget* page);
  void BuildTvar(FormBuilder& b, QWidget* page);
  void BuildDoplnky(FormBuilder& b, QWidget* page);
  void BuildGraphControls(FormBuilder& b, QWidget* parent);
  int AutoMemoWidth(int clientWidth) const;

  Tvstup& w_;
  ButtonPages* pages_ = nullptr;
  QTabWidget* graphTabs_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  QPushButton* clear_ = nullptr;
  QPushButton* saveGraph_ = nullptr;
  ImageWidget* graph_ = nullptr;
  QLabel* busy_ = nullptr;
  SplitterBar* bar_ = nullptr;
  int memoWidth_ = kMemoWidth;
  // How far the bar moved the border from where the window's width puts it.
  int barOffset_ = 0;
  int barOffsetAtPress_ = 0;
  bool started_ = false;
};
