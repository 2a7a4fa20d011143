#include "plot/PlotCanvas.h"
