#include "qt/ButtonPages.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QStackedWidget>

ButtonPages::ButtonPages(QWidget* parent)
    : QWidget(parent), group_(new QButtonGroup(this)), stack_(new QStackedWidget(this)) {
  group_->setExclusive(true);
  stack_->setFrameShape(QFrame::StyledPanel);
  connect(group_, &QButtonGroup::idClicked, stack_, &QStackedWidget::setCurrentIndex);
}

QWidget* ButtonPages::AddPage(const QString& title) {
  auto* tab = new QPushButton(title, this);
  tab->setCheckable(true);
  tab->setAutoDefault(false);
  tab->setFocusPolicy(Qt::TabFocus);
  group_->addButton(tab, static_cast<int>(tabs_.size()));
  tabs_.push_back(tab);
  auto* page = new QWidget;
  stack_->addWidget(page);
  if (tabs_.size() == 1) tab->setChecked(true);
  ArrangeTabs();
  return page;
}

void ButtonPages::SetCurrent(int index) {
  if (index < 0 || index >= Count()) return;
  tabs_[index]->setChecked(true);
  stack_->setCurrentIndex(index);
}

int ButtonPages::Current() const {
  return stack_->currentIndex();
}

void ButtonPages::resizeEvent(QResizeEvent*) {
  ArrangeTabs();
}

// Each tab is as wide as its title needs.
void ButtonPages::ArrangeTabs() {
  int x = 0;
  for (auto* tab : tabs_) {
    const int w = tab->fontMetrics().horizontalAdvance(tab->text()) + 24;
    tab->setGeometry(x, 0, w, kTabHeight);
    x += w + 2;
  }
  stack_->setGeometry(0, kTabHeight + 2, width(), height() - kTabHeight - 2);
}
