#pragma once
// Pieces shared by the simulated shots and the error budget of the hit probability.
#include <functional>
#include <memory>
#include <vector>

#include "solvers/HitProbability.h"

namespace hitprob {

struct Point {
  double yCm = 0, zCm = 0;
};

// Height and drift at a distance, linear between the two points around it; false when the
// run stopped short of it.
bool PointAt(const TTrajectory& tr, double x, Point& p);

// The inputs of one shot: the nominal ones with its own velocity, coefficient and crosswind.
void ApplyShotErrors(TShotInputs& in, const TShotInputs& nominal, double velocityDeltaMps,
                     double bcFactor, double windDeltaMps);

// A full trajectory to lastM or 1000 m below the sight line. Where the chosen step runs out of
// steps (a slow shot, a far range estimate) the step is doubled until it does not.
void RunTo(Computation& c, double lastM);

// The error of a range estimate is drawn within this many standard deviations.
inline constexpr double kRangeDeviates = 6;

// The shooter's hold: the nominal trajectory, run beyond the last distance as far as a range
// estimate may reach.
class Hold {
 public:
  Hold(const Computation& c, const THitSettings& s);
  const TTrajectory& Nominal() const { return nominal_->trajectory; }
  bool NominalAt(double d, Point& p) const { return PointAt(Nominal(), d, p); }
  // The distance believed at d for a standard normal deviate u, kept positive.
  double Estimate(double d, double u) const;
  // Where the shot lands at d when the shooter sets the angle that puts the nominal trajectory
  // on the sight line at the believed distance: the nominal point there scaled by d / estimate.
  // Beyond the end of the nominal trajectory its last point serves.
  Point At(double d, double estimateM) const;

 private:
  const THitSettings& s_;
  std::unique_ptr<Computation> nominal_;
  std::unique_ptr<Computation> far_;  // only when the estimates reach beyond the last distance
};

bool OnTarget(const THitSettings& s, Point miss);
// The part [t0, t1] of the segment from a to b that lies on the target (the target is convex);
// false when none does.
bool SegmentOnTarget(const THitSettings& s, Point a, Point b, double& t0, double& t1);

// Runs work(index, computation) for index 0 .. count - 1 on one thread per scratch
// computation; stops taking new indices when cancelled and rethrows the first error.
void ParallelFor(int count, std::vector<std::unique_ptr<Computation>>& scratch,
                 const THitProgress* progress,
                 const std::function<void(int index, Computation& scratch)>& work);

inline bool Cancelled(const THitProgress* progress) {
  return progress && progress->cancel.load(std::memory_order_relaxed);
}
inline void Advance(THitProgress* progress, long units) {
  if (progress) progress->done.fetch_add(units, std::memory_order_relaxed);
}

bool Varies(const THitSettings& s, THitError e);

// Trajectories the budget runs, and the budget itself into rows whose distance and nominal
// reach are set.
int BudgetRuns(const THitSettings& s);
void ComputeBudget(const Computation& c, const THitSettings& s, const Hold& hold,
                   std::vector<std::unique_ptr<Computation>>& scratch, THitProgress* progress,
                   std::vector<THitRow>& rows);

}  // namespace hitprob
