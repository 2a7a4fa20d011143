// The trajectory graph of the calculation window.
#include <algorithm>
#include <cmath>

#include "core/Abort.h"
#include "core/NumberText.h"
#include "ui/PictureFile.h"
#include "ui/Vstup1.h"

namespace {
const char* const kOrdinateUnits[] = {"cm", "m/s", "J", "m/s", "m/s", "cm", "m/s", "", "", ""};

// Before the first computation there is nothing to draw: the graph keeps its reset grid.
bool Computed(const TTrajectory& tr) {
  return tr.stepCount > 0;
}
}  // namespace

int Tvstup::GraphSamplingStep() const {
  return std::max(1, comp_->trajectory.stepCount / 1000);
}

void Tvstup::RefreshTrajectoryGraph() {
  CheckBox1.SetChecked(false);
  CheckBox2.SetChecked(false);
  const bool position = RadioGroup1.ItemIndex() == 0 && RadioGroup2.ItemIndex() == 1;
  if (!position) {
    graph_.SetSlotVisible(3, false);
    graph_.SetSlotVisible(4, false);
  }
  graph_.SetSlotVisible(1, false);
  graph_.SetSlotVisible(2, false);

  const TTrajectory& tr = comp_->trajectory;
  const int n = tr.stepCount;
  const int item = std::clamp(RadioGroup1.ItemIndex(), 0, 9);
  // Items 1 and 2 (speed, energy) are computed; the others are stored arrays.
  const std::vector<double>* stored[] = {&tr.yCm,          nullptr,          nullptr,
                                         &tr.vxMps,        &tr.vyMps,        &tr.zCm,
                                         &tr.crossWindMps, &tr.pathAngleDeg, &tr.energyDensityJcm2,
                                         &tr.dragCoeff};
  const double* ordinate = scratch_.data();
  if (stored[item]) {
    ordinate = stored[item]->data();
  } else {
    for (int k = 0; k <= n; ++k) {
      const double v2 = tr.vxMps[k] * tr.vxMps[k] + tr.vyMps[k] * tr.vyMps[k];
      scratch_[k] = item == 1 ? std::sqrt(v2) : v2 * 0.5 * comp_->in.massKg;
    }
  }
  const double* abscissa = RadioGroup2.ItemIndex() == 0 ? tr.timeS.data() : tr.xM.data();
  graph_.SetXUnit(RadioGroup2.ItemIndex() == 0 ? "s" : "m");
  graph_.SetYUnit(kOrdinateUnits[item]);
  graph_.SetTitle(Edit33.Text());
  graph_.SetCurve(abscissa, ordinate, 0, n, GraphSamplingStep(), 0, csLine);

  for (forms::Control* c :
       std::initializer_list<forms::Control*>{&BitBtn1, &BitBtn2, &CheckBox1, &CheckBox2}) {
    c->SetEnabled(position);
  }
}

void Tvstup::RadioGroup1Click() {
  if (Computed(comp_->trajectory)) RefreshTrajectoryGraph();
}

void Tvstup::RadioGroup2Click() {
  if (Computed(comp_->trajectory)) RefreshTrajectoryGraph();
}

void Tvstup::CheckBox1Click() {
  const TTrajectory& tr = comp_->trajectory;
  if (!Computed(tr)) return;
  graph_.HideCurve(1);
  Image1.SetVisible(false);
  if (!CheckBox1.Checked()) return;
  const double xEnd = tr.xM[tr.stepCount];
  double x1 = xEnd, y1 = 0;
  if (comp_->sightLineRiseM != 0) {
    x1 = comp_->inclineDistanceM;
    y1 = comp_->sightLineRiseM * 100;
  }
  if (RadioGroup3.ItemIndex() == 2) y1 = Number(Edit63) * 100 * xEnd / comp_->in.zeroDistanceM;
  const double xs[] = {0, x1}, ys[] = {0, y1};
  graph_.SetCurve(xs, ys, 0, 1, 1, 1, csLine);
  Image1.SetVisible(true);
}

void Tvstup::CheckBox2Click() {
  const TTrajectory& tr = comp_->trajectory;
  if (!Computed(tr)) return;
  graph_.HideCurve(2);
  Image2.SetVisible(false);
  if (!CheckBox2.Checked()) return;
  const double xEnd = tr.xM[tr.stepCount];
  const double sightCm = comp_->in.sightHeightM * 100;
  const double xs[] = {0, xEnd};
  const double ys[] = {
      -sightCm, std::tan(comp_->in.launchAngleDeg * 0.01745329541779437) * xEnd * 100 - sightCm};
  graph_.SetCurve(xs, ys, 0, 1, 1, 2, csLine);
  Image2.SetVisible(true);
}

void Tvstup::StoreClone(int slot) {
  const TTrajectory& tr = comp_->trajectory;
  graph_.SetCurve(tr.xM.data(), tr.yCm.data(), 0, tr.stepCount, GraphSamplingStep(), slot, csLine);
}

void Tvstup::BitBtn1Click() {
  StoreClone(3);
}

void Tvstup::BitBtn2Click() {
  StoreClone(4);
}

void Tvstup::Button6Click() {
  graph_.HideCurve(3);
  graph_.HideCurve(4);
}

void Tvstup::Button9Click() {
  const auto path = AskPicturePath(platform(), "Trajekta.bmp", true);
  if (!path) return;
  if (!graph_.TitleDrawn()) graph_.Redraw();  // the bitmap shows the title of Edit33 now
  WritePicture(platform(), Graf0.Picture(), *path);
}
