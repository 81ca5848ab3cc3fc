#pragma once

#include <optional>

#include "exact/shock.h"

// Where the regular intersection gives way to the Mach intersection. For a
// given shock A, raising TetaB first brings the regular crossing of the
// polars of regions 2 and 3 onto the strong branch of the free-stream polar
// (the von Neumann condition: from there on a Mach stem can stand too), then
// parts the two polars altogether (the detachment condition: from there on
// only the Mach stem can). The symmetric values, TetaA = TetaB, are the
// classic thetaN and thetaD.
//
// Units as in exact/interaction.h: angles in degrees, pressures in the unit
// of p1. Empty where the condition is never met.
namespace exact {

struct TransitionCriteria {
  std::optional<double> von_neumann;            // TetaB for the given TetaA, degrees
  std::optional<double> detachment;             // TetaB for the given TetaA, degrees
  std::optional<double> von_neumann_symmetric;  // thetaN, degrees
  std::optional<double> detachment_symmetric;   // thetaD, degrees
};

// All four for the free stream M1 (above 1) and shock A's deflection TetaA
// (degrees, >= 0). Throws Error(InvalidInput) for M1 or gamma out of range.
TransitionCriteria FindCriteria(double M1, double TetaA, double gamma = kGammaAir);

// The smallest TetaB (degrees) at which the weak-weak crossing of the polars
// of regions 2 and 3 lies on the strong branch of the free-stream polar. Empty
// where the polars part first, or region 2 is not supersonic.
std::optional<double> VonNeumannTetaB(const ShockPolar& free_stream, double TetaA);
// The TetaB (degrees) beyond which the weak branches of the polars of regions
// 2 and 3 no longer cross: the tip of one touches the other. Empty where they
// cross until the flow behind shock B is no longer supersonic, or region 2 is
// not supersonic.
std::optional<double> DetachmentTetaB(const ShockPolar& free_stream, double TetaA);

// thetaN: the deflection of two equal incident shocks (degrees) at which their
// regular crossing, on the free stream's direction, carries the pressure of
// the normal shock. Empty where the polars part before.
std::optional<double> SymmetricVonNeumann(const ShockPolar& free_stream);
// thetaD: the deflection of two equal incident shocks (degrees) at which the
// tip of each reflected polar reaches the free stream's direction. Empty only
// where the free stream allows no supersonic flow behind any shock (never for
// M1 > 1).
std::optional<double> SymmetricDetachment(const ShockPolar& free_stream);

// How far apart the weak branches of the polars of regions 2 and 3 are, in
// the unit of p1: >= 0 exactly where they cross (a regular intersection
// exists), zero where they touch, continuous in TetaA and TetaB wherever both
// regions are supersonic (at least 1 below zero where one is not).
double RegularCrossingMargin(const ShockPolar& free_stream, double TetaA, double TetaB);

}  // namespace exact
