#pragma once

// The slope of the previous call is kept: a call with x1 == x2 has no slope of its own and
// reuses it. Saved reports depend on this, so it stays a value of the thread (the window
// thread keeps its own; trajectories run on worker threads do not disturb it).
inline thread_local double g_linearInterpSlope = 0.0;

inline double LinearInterp(double x, double x1, double x2, double y1, double y2) {
  if (x1 != x2) g_linearInterpSlope = (y2 - y1) / (x2 - x1);
  const double intercept = y2 - x2 * g_linearInterpSlope;
  return g_linearInterpSlope * x + intercept;
}
