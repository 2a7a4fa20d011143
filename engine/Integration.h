#pragma once
#include <functional>
#include <string>

#include "engine/Computation.h"

// How a run reaches the window without knowing it.
struct IntegrationHooks {
  std::function<void(bool busy)> busy;                  // show or hide the busy label
  std::function<void(int position)> autoStepChosen;     // the step the automatic choice took
  std::function<void(const std::string& line)> report;  // a line for the result panel
};

// Step position (0.1 ms units) that the automatic step takes for a launch angle.
int AutoStepPosition(double launchAngleDeg);

// The velocity derivative at a state; also keeps the drag coefficient and spin rate.
struct TAccelerationResult {
  double ax, ay, az;
  double dragCoeff;
  double spin;
};

// The velocity derivative at one state (vx, vy, vz, x, y, z) with the given spin rate and the
// constant crosswind of the inputs, exactly as a step of the integration evaluates it.
TAccelerationResult AccelerationAt(const Computation& c, const double state[6], double spin);

// Integrates one trajectory from the current inputs with classical RK4. Aborts the user
// action (ActionAborted) when the step limit is reached.
void IntegrateTrajectory(Computation& c, TIntegrationMode mode, const IntegrationHooks& hooks = {});

// The launch angle that puts the trajectory through the zero point (solve modes 1, 2).
void SolveLaunchAngle(Computation& c, const IntegrationHooks& hooks = {});
