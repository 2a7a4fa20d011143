#pragma once
#include <vector>

#include "engine/Computation.h"
#include "engine/Integration.h"
#include "files/SavedComputation.h"

// The table of a printed range card: the saved table's rows over a range of distances and,
// when asked, the hold for 1 m/s of full-value crosswind at each row.
struct RangeCardTable {
  std::vector<RangeRowValues> rows;
  // Per row, toward the wind: scope clicks and milliradians (empty without the hold).
  std::vector<double> windClicks, windMrad;
};

// The last distance of the computation's own table in whole metres of its first column, as
// its end row prints it.
double TableEndM(const Computation& c, bool slantEntry);

// The computation's own trajectory serves up to TableEndM; a card that goes further gets a
// run of the same inputs out to its last distance, which agrees with the computation's
// trajectory wherever both reach. The hold comes from two more runs, without crosswind and
// with 1 m/s of it, so that spin drift and Coriolis drift cancel. The computation itself
// stays as it is; a run that aborts aborts the action.
RangeCardTable ComputeRangeCardTable(const Computation& c, const TableRange& range, bool slantEntry,
                                     bool windHold, const IntegrationHooks& hooks = {});
