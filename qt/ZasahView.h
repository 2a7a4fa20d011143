#pragma once
#include <QTimer>
#include <memory>
#include <thread>

#include "qt/FormView.h"

class QProgressBar;
class Tzasah;
struct THitJob;

// Hit probability: target and spreads on the left, the graph on the right, the table below.
// A run goes on a worker thread the view owns, while a timer shows its progress.
class ZasahView : public FormView {
 public:
  ZasahView(Tzasah& window, QtPlatform& platform);
  // Stops a run and waits for its worker.
  ~ZasahView() override;

 private:
  void Start(std::shared_ptr<THitJob> job);
  void ShowProgress();
  void Finished();

  Tzasah& model_;
  QProgressBar* progress_;
  QTimer poll_;
  std::shared_ptr<THitJob> job_;
  std::thread worker_;
};
