#include "qt/VstupView.h"

#include <algorithm>

#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTabWidget>

#include "engine/RangeTable.h"
#include "qt/ButtonPages.h"
#include "qt/FormBuilder.h"
#include "qt/Placement.h"
#include "qt/QtPlatform.h"
#include "qt/SplitterBar.h"
#include "ui/Vstup1.h"

namespace {

constexpr int kClientWidth = 777, kClientHeight = 509;
// Room left of the button for the x-axis unit, drawn 40 px from the graph's right edge.
constexpr int kSaveGraphRight = 46;

QString SettingsPath(QtPlatform& platform) {
  return QString::fromStdString(platform.ProgramFolder()) + "/trajekta.ini";
}

constexpr const char* kGeometryKey = "Vypocet/okno";
constexpr const char* kBarKey = "Vypocet/posunHranice";

// A memo whose last lines scroll above a strip along its bottom that holds a button, so the
// button never covers text.
class StripMemo : public QPlainTextEdit {
 public:
  explicit StripMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
  }
  void Hold(QWidget* button) {
    button_ = button;
    setViewportMargins(0, 0, 0, button->height() + 2);
    Arrange();
  }

 protected:
  // The viewport moves when the horizontal scroll bar comes or goes.
  bool viewportEvent(QEvent* event) override {
    if (event->type() == QEvent::Resize) Arrange();
    return QPlainTextEdit::viewportEvent(event);
  }

 private:
  void Arrange() {
    if (!button_) return;
    const QRect text = viewport()->geometry();
    button_->move(text.right() - button_->width() - 1, text.bottom() + 2);
  }
  QWidget* button_ = nullptr;
};

// The small pictures beside "Záměrnou" and "Výstřelnou": the colour of their line.
std::function<void(QPainter&, const QRect&)> LineSwatch(QColor color) {
  return [color](QPainter& p, const QRect& r) {
    p.fillRect(r.adjusted(0, r.height() / 2 - 1, 0, -(r.height() / 2 - 1)), color);
  };
}

}  // namespace

VstupView::VstupView(Tvstup& w, QtPlatform& platform)
    : FormView(w, platform, QSize(kClientWidth, kClientHeight), FormBorder::SingleMaximisable),
      w_(w) {
  FormBuilder b(platform);
  QMenuBar* menu = AddMenuBar();
  b.MenuItem(menu, w.N1);
  b.MenuItem(menu, w.N2);
  b.MenuItem(menu, w.N3);
  b.MenuItem(menu, w.N4);
  b.MenuItem(menu, w.N5);
  b.MenuItem(menu, w.N6);
  b.MenuItem(menu, w.N7);
  b.MenuItem(menu, w.N8);

  QWidget* c = client();
  pages_ = new ButtonPages(c);
  pages_->setGeometry(2, 2, 472, 241);
  BuildParametry(b, pages_->AddPage("Paramety"));
  BuildAtmosfera(b, pages_->AddPage("Atmosféra"));
  BuildOstatni(b, pages_->AddPage("Ostatní"));
  BuildTvar(b, pages_->AddPage("Tvar"));
  BuildDoplnky(b, pages_->AddPage("Doplňky"));

  b.Edit(c, w.Edit33, 478, 2, 297);
  BuildGraphControls(b, c);

  const int bottomHeight = kClientHeight - kBottomTop;
  auto* memo = new StripMemo(c);
  memo_ =
      b.Memo(c, w.Memo1, QRect(kMemoLeft, kBottomTop, kMemoWidth, bottomHeight - 2), false, memo);
  // The range table lines up only in a fixed-pitch font.
  memo_->setFont(MonospaceFont(8));
  clear_ = b.Button(memo_, w.Button2, QRect(0, 0, 56, 23));
  memo->Hold(clear_);

  graph_ =
      b.Image(c, w.Graf0, QRect(kGraphLeft, kBottomTop, kClientWidth - kGraphLeft, bottomHeight));
  busy_ = b.BusyLabel(c, w.Label49, QPoint(60, 16));  // placed with the graph
  bar_ = new SplitterBar(c);
  bar_->onPress = [this] { barOffsetAtPress_ = barOffset_; };
  bar_->onDrag = [this](int dx) {
    barOffset_ = barOffsetAtPress_ + dx;
    LayoutClient(client()->size());
    this->platform().RunAct([this] { w_.FormResize(); }, this);
  };
  // Where the border stopped, not how far the mouse went past a limit.
  bar_->onRelease = [this] { barOffset_ = memoWidth_ - AutoMemoWidth(client()->width()); };
  FitToDesign();
  LayoutClient(client()->size());
}

int VstupView::TableWidth() const {
  const QFontMetrics metrics(memo_->font());
  const int margins =
      2 * memo_->frameWidth() + 2 * static_cast<int>(memo_->document()->documentMargin());
  // A few pixels for the cursor and rounding.
  return metrics.horizontalAdvance(QString(RangeTableRowLength(), '0')) + margins +
         memo_->verticalScrollBar()->sizeHint().width() + 4;
}

// Width beyond the design size goes to the panel until the range table fits, then to the graph.
int VstupView::AutoMemoWidth(int clientWidth) const {
  const int extra = std::max(clientWidth - DesignClientSize().width(), 0);
  return kMemoWidth + std::min(extra, std::max(TableWidth() - kMemoWidth, 0));
}

void VstupView::LayoutClient(QSize size) {
  if (!bar_) return;  // called by the base before the children exist
  const int bottomHeight = std::max(size.height() - kBottomTop, 0);
  constexpr int kBarWidth = kGraphLeft - kMemoLeft - kMemoWidth;
  // The graph keeps room for its save button and the unit beside it.
  const int minGraphWidth = saveGraph_->width() + kSaveGraphRight + 4;
  memoWidth_ =
      std::clamp(AutoMemoWidth(size.width()) + barOffset_, kMinMemoWidth,
                 std::max(kMinMemoWidth, size.width() - kMemoLeft - kBarWidth - minGraphWidth));
  memo_->setGeometry(kMemoLeft, kBottomTop, memoWidth_, std::max(bottomHeight - 2, 0));
  const int graphLeft = kMemoLeft + memoWidth_ + kBarWidth;
  bar_->setGeometry(graphLeft - kBarWidth, kBottomTop, kBarWidth, bottomHeight);

  const QRect g(graphLeft, kBottomTop, std::max(size.width() - graphLeft, 0), bottomHeight);
  graph_->setGeometry(g);
  w_.Graf0.SetSize(g.width(), g.height());
  busy_->move(g.x() + (g.width() - busy_->width()) / 2, g.y() + (g.height() - busy_->height()) / 2);
  busy_->raise();
  saveGraph_->move(g.right() - kSaveGraphRight - saveGraph_->width(),
                   g.bottom() - saveGraph_->height() - 2);
  saveGraph_->raise();
}

// The first time: as the settings left it, or the design size widened for the range table.
void VstupView::PrepareShow(FormView* owner, bool) {
  if (started_) return;
  started_ = true;
  QSettings settings(SettingsPath(platform()), QSettings::IniFormat);
  barOffset_ = settings.value(kBarKey, 0).toInt();
  if (!restoreGeometry(settings.value(kGeometryKey).toByteArray())) {
    const QMargins frame = FrameMargins(*this, owner);
    const int room = screen()->availableGeometry().width() - frame.left() - frame.right();
    const int wanted = width() + std::max(TableWidth() - kMemoWidth, 0);
    resize(std::max(std::min(wanted, room), width()), height());
    CentreOnFirstShow();
  }
  LayoutClient(client()->size());
}

void VstupView::hideEvent(QHideEvent* event) {
  if (!event->spontaneous()) {
    QSettings settings(SettingsPath(platform()), QSettings::IniFormat);
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kBarKey, barOffset_);
  }
  FormView::hideEvent(event);
}

void VstupView::BuildGraphControls(FormBuilder& b, QWidget* c) {
  QGroupBox* range = b.Group(c, "Rozsah výpočtu a grafu", QRect(478, 26, 134, 66));
  b.CheckBox(range, w_.CheckBox4, 8, 20, 34);
  b.Row(range, {}, w_.Edit15, 0, 44, 18, 60, "m");
  b.CheckBox(range, w_.CheckBox5, 8, 43, 34);
  b.Row(range, {}, w_.Edit16, 0, 44, 41, 60, "m");

  QGroupBox* position = b.Group(c, "Poloha X, Y v grafu", QRect(478, 96, 134, 46));
  b.Edit(position, w_.Edit17, 8, 18, 58);
  b.Edit(position, w_.Edit18, 70, 18, 58);

  QGroupBox* show = b.Group(c, "Zobrazit", QRect(478, 146, 134, 60));
  b.CheckBox(show, w_.CheckBox1, 8, 18, 88);
  b.Image(show, w_.Image1, QRect(104, 18, 16, 16))->placeholder = LineSwatch(Qt::black);
  b.CheckBox(show, w_.CheckBox2, 8, 38, 88);
  b.Image(show, w_.Image2, QRect(104, 38, 16, 16))->placeholder = LineSwatch(QColor(0, 128, 0));

  // In the graph's lower right corner, below the axis labels and left of the unit.
  saveGraph_ = b.Button(c, w_.Button9, QRect(0, 0, 92, 23));

  graphTabs_ = new QTabWidget(c);
  graphTabs_->setGeometry(614, 26, 161, 215);
  auto* yPage = new QWidget;
  auto* xPage = new QWidget;
  auto* clonePage = new QWidget;
  graphTabs_->addTab(yPage, "Osa Y");
  graphTabs_->addTab(xPage, "Osa X");
  graphTabs_->addTab(clonePage, "Klon");
  b.RadioGroup(yPage, w_.RadioGroup1, QRect(2, 0, 151, 184));
  b.RadioGroup(xPage, w_.RadioGroup2, QRect(2, 0, 151, 62));
  b.Button(clonePage, w_.BitBtn1, QRect(8, 8, 80, 25));
  b.Button(clonePage, w_.BitBtn2, QRect(8, 38, 80, 25));
  b.Button(clonePage, w_.Button6, QRect(8, 68, 80, 25));
}
