#pragma once

#include <optional>
#include <vector>

#include "exact/configuration.h"

// Where each configuration can occur, for one free stream: the TetaA-TetaB
// plane with the von Neumann and detachment lines and the regions between
// them. The lines come from root finding along TetaB, column by column; the
// regions are polygons bounded by them, so that a drawing fills each with one
// path.
//
// Units: angles in degrees.
namespace exact {

struct MapPoint {
  double TetaA = 0.0;  // degrees
  double TetaB = 0.0;  // degrees
};

// One region as a closed polygon (the last point joins the first).
struct MapRegion {
  ConfigurationKind kind = ConfigurationKind::None;
  std::vector<MapPoint> outline;
};

struct DomainMap {
  double M1 = 0.0;
  double gamma = 0.0;
  // Both axes run from 0 to the largest deflection of an attached incident
  // shock (its detachment limit, degrees); beyond the sonic deflection the
  // flow behind it is subsonic and no shock C or D can follow.
  double max_deflection = 0.0;
  double sonic_deflection = 0.0;
  // Lines, each a list of polylines (a line may break where it ceases).
  std::vector<std::vector<MapPoint>> von_neumann;
  std::vector<std::vector<MapPoint>> detachment;
  // Where the lines cross the diagonal TetaA = TetaB: thetaN and thetaD, degrees.
  std::optional<double> theta_N;
  std::optional<double> theta_D;
  // Regions in drawing order, later ones over earlier ones: first None, the
  // whole square; then Regular, Dual and Mach.
  std::vector<MapRegion> regions;
  // The inputs, if given and inside the square, and their configuration.
  std::optional<MapPoint> current;
  ConfigurationKind current_kind = ConfigurationKind::None;
};

// The map for free stream M1 (above 1) and gamma; `current` (degrees) is
// marked with its configuration. Throws Error(InvalidInput) for M1 or gamma
// out of range.
DomainMap BuildDomainMap(double M1, double gamma = kGammaAir,
                         std::optional<MapPoint> current = std::nullopt);

// Marks other inputs on a map already built (degrees): its configuration is
// found anew, the lines and regions stay. Inputs outside the square, or none,
// leave no mark.
void MarkInputs(DomainMap& map, std::optional<MapPoint> current);

}  // namespace exact
