#pragma once
#include <QWidget>
#include <vector>

class QButtonGroup;
class QPushButton;
class QStackedWidget;

// Tabbed pages whose tabs are drawn as a row of buttons, the pressed one showing its page.
class ButtonPages : public QWidget {
 public:
  explicit ButtonPages(QWidget* parent);
  // The page's children are placed in its own coordinates.
  QWidget* AddPage(const QString& title);
  void SetCurrent(int index);
  int Current() const;
  QPushButton* Tab(int index) const { return tabs_[index]; }
  int Count() const { return static_cast<int>(tabs_.size()); }

  static constexpr int kTabHeight = 22;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ArrangeTabs();
  QButtonGroup* group_;
  QStackedWidget* stack_;
  std::vector<QPushButton*> tabs_;
};
