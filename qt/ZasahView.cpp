#include "qt/ZasahView.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>

#include "qt/FormBuilder.h"
#include "qt/QtPlatform.h"
#include "ui/Zasah1.h"

namespace {
constexpr int kClientWidth = 896, kClientHeight = 650;
constexpr int kInputsWidth = 360;
constexpr int kGraphLeft = kInputsWidth + 8;
constexpr int kEditX = 210, kEditW = 60, kUnitX = kEditX + kEditW + 4;
// Progress is shown this often.
constexpr int kPollMs = 100;
}  // namespace

ZasahView::ZasahView(Tzasah& w, QtPlatform& platform)
    : FormView(w, platform, QSize(kClientWidth, kClientHeight), FormBorder::Single), model_(w) {
  FormBuilder b(platform);
  QWidget* c = client();

  QGroupBox* inputs = b.Group(c, "Cíl, rozptyly a vzdálenosti", QRect(4, 2, kInputsWidth, 364));
  int y = 20;
  auto next = [&y] { return (y += 24) - 24; };
  int row = next();
  b.Text(inputs, "Tvar cíle:", 8, row + 4);
  b.ComboBox(inputs, w.ComboBox1, kEditX, row, 100);
  row = next();
  b.Label(inputs, w.Label2, QRect(8, row + 4, kEditX - 12, 15));
  b.Row(inputs, {}, w.Edit1, 8, kEditX, row, kEditW, "cm");
  b.Row(inputs, "Výška cíle:", w.Edit2, 8, kEditX, next(), kEditW, "cm");
  row = next();
  b.Row(inputs, "Rozptyl zbraně a střelce:", w.Edit3, 8, kEditX, row, kEditW);
  b.ComboBox(inputs, w.ComboBox3, kUnitX, row, 60);
  row = next();
  b.Text(inputs, "zadaný jako:", 8, row + 4);
  b.ComboBox(inputs, w.ComboBox2, kEditX, row, 124);
  struct Row {
    const char* caption;
    forms::Edit& edit;
    const char* unit;
  };
  const Row spreads[] = {
      {"Odchylka rychlosti (1 σ):", w.Edit4, "m/s"},
      {"Odchylka BC (1 σ):", w.Edit5, "%"},
      {"Odchylka větru (1 σ):", w.Edit6, "m/s"},
  };
  for (const Row& r : spreads) {
    b.Row(inputs, QString::fromUtf8(r.caption), r.edit, 8, kEditX, next(), kEditW,
          QString::fromUtf8(r.unit));
  }
  row = next();
  b.Row(inputs, "Odchylka odhadu vzdálenosti (1 σ):", w.Edit7, 8, kEditX, row, kEditW);
  b.ComboBox(inputs, w.ComboBox4, kUnitX, row, 48);
  const Row rest[] = {
      {"Od:", w.Edit8, "m"},
      {"Do:", w.Edit9, "m"},
      {"Krok:", w.Edit10, "m"},
      {"Počet ran:", w.Edit11, ""},
      {"Práh pravděpodobnosti:", w.Edit12, "%"},
  };
  for (const Row& r : rest) {
    b.Row(inputs, QString::fromUtf8(r.caption), r.edit, 8, kEditX, next(), kEditW,
          QString::fromUtf8(r.unit));
  }
  EnterClicks(inputs, b.Button(c, w.Button1, QRect(4, 372, 100, 25)));
  b.Button(c, w.Button2, QRect(110, 372, 100, 25));
  b.Button(c, w.Button3, QRect(216, 372, 100, 25));

  b.Image(c, w.Graf0, QRect(kGraphLeft, 4, w.Graf0.Width(), w.Graf0.Height()));
  const int belowGraph = 8 + w.Graf0.Height();
  QGroupBox* readOut = b.Group(c, "Poloha X, Y v grafu", QRect(kGraphLeft, belowGraph, 150, 46));
  b.Edit(readOut, w.Edit13, 8, 18, 64);
  b.Edit(readOut, w.Edit14, 78, 18, 64);
  progress_ = new QProgressBar(c);
  progress_->setGeometry(kGraphLeft + 160, belowGraph + 18, w.Graf0.Width() - 160, 21);
  progress_->setRange(0, 100);
  progress_->setFormat(QString::fromUtf8("Hotovo %p %"));
  progress_->hide();

  QPlainTextEdit* memo =
      b.Memo(c, w.Memo1, QRect(4, 404, kClientWidth - 8, kClientHeight - 408), false);
  memo->setFont(MonospaceFont(8));
  ShortenForScreen(memo, 120);

  QLabel* busy = b.Label(c, w.Label1, QRect(0, 0, 120, 32));
  busy->setFont(BoldFont(14));
  busy->setAlignment(Qt::AlignCenter);
  busy->setStyleSheet("QLabel { background-color: #ffff00; color: #000000; }");
  busy->move(kGraphLeft + (w.Graf0.Width() - busy->width()) / 2, 4 + (w.Graf0.Height() - 32) / 2);
  busy->raise();
  FitToDesign();

  poll_.setInterval(kPollMs);
  connect(&poll_, &QTimer::timeout, this, [this] { ShowProgress(); });
  w.runner = [this](std::shared_ptr<THitJob> job) { Start(std::move(job)); };
  // A closed window leaves no run behind.
  connect(this, &FormView::Closed, this, [this] {
    if (model_.Running()) model_.Button3Click();
  });
}

ZasahView::~ZasahView() {
  model_.runner = nullptr;
  if (job_) job_->progress.cancel = true;
  if (worker_.joinable()) worker_.join();
}

void ZasahView::Start(std::shared_ptr<THitJob> job) {
  // The model starts a run only after the last one finished, which joined its worker.
  if (worker_.joinable()) worker_.join();
  job_ = std::move(job);
  progress_->setValue(0);
  progress_->show();
  poll_.start();
  worker_ = std::thread([this, job = job_] {
    job->Execute();
    QMetaObject::invokeMethod(
        this, [this] { Finished(); }, Qt::QueuedConnection);
  });
}

void ZasahView::ShowProgress() {
  if (!job_) return;
  const long total = job_->progress.total, done = job_->progress.done;
  progress_->setValue(total > 0 ? static_cast<int>(done * 100 / total) : 0);
}

void ZasahView::Finished() {
  poll_.stop();
  progress_->hide();
  worker_.join();
  job_.reset();
  platform().RunAct([this] { model_.FinishRun(); });
}
