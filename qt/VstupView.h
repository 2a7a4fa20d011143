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
// trajectory graph. The result panel stretches with the height, the graph with both; the bar
// between them moves the border, so that the wide range table can be read whole.
class VstupView : public FormView {
 public:
  VstupView(Tvstup& window, QtPlatform& platform);

  ButtonPages* Pages() const { return pages_; }
  QTabWidget* GraphTabs() const { return graphTabs_; }
  ImageWidget* Graph() const { return graph_; }
  QPlainTextEdit* Result() const { return memo_; }
  SplitterBar* ResultGraphBar() const { return bar_; }

  // Where the stretching parts sit in the window's design size.
  static constexpr int kBottomTop = 247;
  static constexpr int kMemoLeft = 2, kMemoWidth = 311;
  static constexpr int kGraphLeft = 317;
  static constexpr int kMinMemoWidth = 120;

 protected:
  void LayoutClient(QSize size) override;

 private:
  void BuildParametry(FormBuilder& b, QWidget* page);
  void BuildAtmosfera(FormBuilder& b, QWidget* page);
  void BuildOstatni(FormBuilder& b, QWidget* page);
  void BuildTvar(FormBuilder& b, QWidget* page);
  void BuildDoplnky(FormBuilder& b, QWidget* page);
  void BuildGraphControls(FormBuilder& b, QWidget* parent);

  Tvstup& w_;
  ButtonPages* pages_ = nullptr;
  QTabWidget* graphTabs_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  QPushButton* clear_ = nullptr;
  QPushButton* saveGraph_ = nullptr;
  ImageWidget* graph_ = nullptr;
  QLabel* busy_ = nullptr;
  SplitterBar* bar_ = nullptr;
  int memoWidth_ = kMemoWidth;  // as the bar left it; the graph takes what remains
  int memoWidthAtPress_ = kMemoWidth;
};
