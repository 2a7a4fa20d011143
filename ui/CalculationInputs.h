#pragma once
#include "engine/Computation.h"

class Tvstup;

// The calculation window's inputs read and the launch angle solved as its compute action does,
// while that window keeps its fields, result panel and computation as they were. The result is
// written into out, whose arrays are reused: a window that reads often keeps one for it.
void ReadCalculationInputs(Tvstup& w, Computation& out);
Computation ReadCalculationInputs(Tvstup& w);
