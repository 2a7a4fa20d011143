#pragma once

// Rounds to n decimals, halves away from zero; results within 1e-12 of zero become 0.
double RoundTo(double value, int n);

// Rounds to n decimals with ties toward +infinity: -1.2345 gives -1.234 with 3 decimals.
double RoundHalfUp(double value, int n);
