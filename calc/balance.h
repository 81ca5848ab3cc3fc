#pragma once

namespace calc {

// Steps a slip-line search may take before it stops unbalanced.
inline constexpr int kSlipLineStepLimit = 100;

// Whether the pressures behind shocks C and D agree across the slip line.
// The tolerance is 1e-4 relative to the free-stream pressure p1, so that the
// search behaves the same whatever unit p1 is typed in (at p1 = 1 it is the
// absolute 1e-4); the test is strict. Pressures that are exactly equal always
// agree, also when p1 is 0, and so do pressures that differ by no more than
// their rounding (8 units in the last place): only pressures above some 1e11
// times p1 get that far.
bool PressuresBalance(double p4, double p5, double p1);

}  // namespace calc
