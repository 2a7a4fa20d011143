#pragma once

// Rounds to n decimals, halves away from zero; results within 1e-12 of zero become 0.
double RoundTo(double value, int n);
