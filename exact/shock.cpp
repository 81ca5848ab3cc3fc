#include "exact/shock.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace exact {

namespace {


// Within this fraction of the largest deflection the weak and the strong shock
// are found about their common limit rather than from the cubic.
constexpr double kNearLimit = 1e-2;

// The theta-beta-M relation in u = cot(beta), with m = 1/M^2 and n = 1 - m:
//   tan(theta) = 2u (n - m u^2) / (gamma - 1 + 2m + (gamma + 1 + 2m) u^2).
// n - m u^2 = m (M^2 - 1 - u^2) is what is left of M^2 sin^2(beta) - 1, and n
// comes from M^2 - 1 = (M - 1)(M + 1) without cancellation, so the relation
// keeps its digits when M is barely above 1 and every angle is near 90°. The
// denominator stays above gamma - 1 > 0, so the angle is never ambiguous.
double TanDeflectionOfCot(double u, double m, double n, double gamma) {
  return 2.0 * u * (n - m * u * u) / (gamma - 1.0 + 2.0 * m + (gamma + 1.0 + 2.0 * m) * u * u);
}

[[noreturn]] void Reject(const std::string& what) { throw Error(ErrorKind::InvalidInput, what); }

// Newton steps on the cubic a3 v^3 + a2 v^2 + a1 v + a0 from a close start:
// two suffice from half the digits, the rest only guard.
double Refine(double v, double a3, double a2, double a1, double a0) {
  for (int step = 0; step < 6; ++step) {
    const double f = ((a3 * v + a2) * v + a1) * v + a0;
    const double df = (3.0 * a3 * v + 2.0 * a2) * v + a1;
    if (df == 0.0) break;
    const double next = v - f / df;
    const bool settled = std::abs(next - v) <= 1e-15 * std::abs(v);
    v = next;
    if (settled) break;
  }
  return v;
}

// The unsquared relation as a cubic in u = cot(beta), a3 u^3 + a2 u^2 + a1 u + a0.
struct Cubic {
  double a3, a2, a1, a0;
  double Value(double u) const { return ((a3 * u + a2) * u + a1) * u + a0; }
  double Slope(double u) const { return (3.0 * a3 * u + 2.0 * a2) * u + a1; }
  // The root in [low, high] by Newton steps from `start`, each step kept in
  // that range. The cubic is convex there and positive at the end `safe`: a
  // start where it is negative and slopes away from the root (a step would
  // head for the other root) begins at `safe` instead, from which the steps
  // approach the root from one side without overshoot. From a close start two
  // steps settle it, from `safe` a few more.
  double Root(double start, double low, double high, double safe) const {
    double u = std::clamp(start, low, high);
    if (Value(u) < 0.0 && (safe - u) * Slope(u) <= 0.0) u = safe;
    for (int step = 0; step < 60; ++step) {
      const double df = Slope(u);
      if (df == 0.0) break;
      const double next = std::clamp(u - Value(u) / df, low, high);
      const bool settled = std::abs(next - u) <= 1e-15 * std::abs(u);
      u = next;
      if (settled) break;
    }
    return u;
  }
};

}  // namespace

std::string DetachedMessage(double theta, double theta_max, double M1) {
  return "no attached shock: deflection " + FixedText(theta / kDegree, 2) +
         "\u00b0 exceeds the largest, " + FixedText(theta_max / kDegree, 2) + "\u00b0, at M = " +
         FixedText(M1, 3);
}

ShockPolar::ShockPolar(double M1, double gamma) : M1_(M1), gamma_(gamma) {
  // The messages are built only when a check fails: this runs for every shock.
  if (!std::isfinite(M1)) Reject("Mach number is not a finite number");
  if (!(M1 > 1.0)) {
    Reject("Mach number " + FixedText(M1, 3) + " is not supersonic: an oblique shock needs M > 1");
  }
  if (M1 > 1e100) Reject("Mach number above 1e100 is out of range");
  if (!(std::isfinite(gamma) && gamma > 1.0 && gamma <= 10.0)) {
    Reject("ratio of specific heats must lie above 1 and at most 10");
  }
  m_ = 1.0 / (M1 * M1);
  // M1 - 1 is exact for M1 below 2, so M1^2 - 1 keeps every digit however
  // close to 1 the Mach number is; 1 - m taken as a difference would not.
  const double k = (M1 - 1.0) * (M1 + 1.0);
  n_ = k * m_;
  cot_mach_ = std::sqrt(k);

  // d(theta)/du = 0 is a quadratic in u^2 = cot^2(beta),
  //   m A u^4 + (n A + 3 m B) u^2 - n B = 0,  A = gamma + 1 + 2m, B = gamma - 1 + 2m;
  // its positive root, written without cancellation, is the shock angle of the
  // largest deflection (u^2 -> (M^2 - 1)/3 as M -> 1).
  const double g = gamma;
  const double A = g + 1.0 + 2.0 * m_;
  const double B = g - 1.0 + 2.0 * m_;
  const double linear = n_ * A + 3.0 * m_ * B;
  const double u2 = 2.0 * n_ * B / (linear + std::sqrt(linear * linear + 4.0 * m_ * A * n_ * B));
  cot_max_ = std::sqrt(u2);
  tan_max_ = TanDeflectionOfCot(cot_max_, m_, n_, g);
  max_.beta = std::atan2(1.0, cot_max_);
  max_.theta = std::atan(tan_max_);
}

double ShockPolar::SonicDeflection() const {
  // M2 = 1 on the weak branch is a quadratic in sin^2(beta); its larger root,
  //   1 - sin^2(beta) = 2nB / (P + sqrt(S)),  P = 3 gamma - 1 + (3 - gamma) m,
  //   S = (gamma + 1) (gamma + 1 - 2 (3 - gamma) m + (gamma + 9) m^2),
  // in the form that has no cancellation when sin^2(beta) is near 1.
  const double g = gamma_;
  const double m = m_;
  const double P = 3.0 * g - 1.0 + (3.0 - g) * m;
  const double S = (g + 1.0) * ((g + 1.0) - 2.0 * (3.0 - g) * m + (g + 9.0) * m * m);
  const double cos2 = 2.0 * n_ * (g - 1.0 + 2.0 * m) / (P + std::sqrt(S));
  return std::atan(TanDeflectionOfCot(std::sqrt(cos2 / (1.0 - cos2)), m, n_, g));
}

void ShockPolar::CheckDeflection(double theta) const {
  if (!std::isfinite(theta)) throw Error(ErrorKind::InvalidInput, "deflection is not a finite number");
  if (theta < 0.0) {
    throw Error(ErrorKind::InvalidInput,
                "deflection " + FixedText(theta / kDegree, 2) +
                    "\u00b0 is negative: that turn is an expansion, not a shock");
  }
  if (theta > max_.theta) throw Error(ErrorKind::Detached, DetachedMessage(theta, max_.theta, M1_));
}

ShockPolar::SquaredRelation ShockPolar::Squared(double s2, double c2) const {
  const double g = gamma_;
  const double m = m_;
  // The relation squared is a cubic in x = sin^2(beta):
  //   x^3 + b x^2 + c x + d = 0,
  //   b = -(1 + 2m) - gamma sin^2(theta)
  //   c = 2m + m^2 + ((gamma+1)^2/4 + (gamma-1) m) sin^2(theta)
  //   d = -m^2 cos^2(theta)
  // An attached deflection gives three real roots: the strong and the weak
  // shock, and below both the root of the mirrored deflection -theta, which
  // would be an expansion through a shock and is dropped.
  const double b = -(1.0 + 2.0 * m) - g * s2;
  const double c = 2.0 * m + m * m + ((g + 1.0) * (g + 1.0) / 4.0 + (g - 1.0) * m) * s2;
  const double d = -(m * m) * c2;

  // Trigonometric form for the depressed cubic t^3 + p t + q (x = t - b/3):
  //   x_k = -b/3 + 2r cos(phi - 2 pi k / 3),  r = sqrt(-p/3),  cos(3 phi) = -q / (2 r^3),
  // k = 0 the largest root (strong), k = 1 the middle one (weak).
  const double p = c - b * b / 3.0;
  const double q = 2.0 * b * b * b / 27.0 - b * c / 3.0 + d;
  const double r = std::sqrt(std::max(0.0, -p / 3.0));
  // Where weak and strong merge cos(3 phi) = -1; rounding must not push the
  // argument out of acos's range.
  const double cos3phi = r > 0.0 ? std::clamp(-q / (2.0 * r * r * r), -1.0, 1.0) : -1.0;
  return {-b / 3.0, 2.0 * r, std::acos(cos3phi) / 3.0};
}

double ShockPolar::SquaredRelation::Weak() const {
  return shift + amplitude * std::cos(phase - 2.0 * std::numbers::pi / 3.0);
}

double ShockPolar::SquaredRelation::Strong() const { return shift + amplitude * std::cos(phase); }

ShockPolar::Branches ShockPolar::Solve(double theta, bool strong_too) const {
  const double g = gamma_;
  const double m = m_;
  Branches out{cot_mach_, 0.0, std::sin(theta), std::cos(theta)};
  if (theta == 0.0) return out;  // the Mach wave and the normal shock

  // The unsquared relation is a cubic in u = cot(beta):
  //   H(u) = 2m u^3 + tan(theta) A u^2 - 2(1-m) u + tan(theta) B,
  //   A = gamma + 1 + 2m, B = gamma - 1 + 2m.
  const double A = g + 1.0 + 2.0 * m;
  const double B = g - 1.0 + 2.0 * m;
  const double t = out.sin_theta / out.cos_theta;

  if (max_.theta - theta < kNearLimit * max_.theta) {
    // Near the largest deflection weak and strong merge into the double root
    // u* of H at tan(theta_max), and any cubic formula loses half its digits to
    // that. Written about u* with e = tan(theta_max) - tan(theta), H is
    //   2m d^3 + H''/2 d^2 - e Q' d - e Q,   Q = A u*^2 + B,
    // exact, since H(u*) and H'(u*) vanish at theta_max; its two small roots
    // are the weak (d > 0) and the strong (d < 0) shock, to the last digit.
    const double e = tan_max_ - t;
    const double u0 = cot_max_;
    if (theta >= max_.theta || e <= 0.0) {  // at the largest deflection itself
      out.weak = out.strong = u0;
      return out;
    }
    const double Q = A * u0 * u0 + B;
    const double dQ = 2.0 * A * u0;
    const double half_d2H = 6.0 * m * u0 + t * A;
    const double root = std::sqrt(e * e * dQ * dQ + 4.0 * half_d2H * e * Q);
    // The quadratic part gives the starts, each sign in its cancellation-free form.
    out.weak = u0 + Refine((e * dQ + root) / (2.0 * half_d2H), 2.0 * m, half_d2H, -e * dQ, -e * Q);
    if (strong_too) {
      out.strong = u0 + Refine(-2.0 * e * Q / (e * dQ + root), 2.0 * m, half_d2H, -e * dQ, -e * Q);
    }
    return out;
  }

  // Elsewhere the squared relation, a cubic in sin^2(beta), gives both roots in
  // closed form. It sees the deflection only through sin^2(theta), so for a
  // small theta it keeps half the digits twice over: its weak root sits close
  // to the mirrored one, and its strong root is so near sin^2 = 1 that
  // 1 - sin^2 has lost them. On H the roots are simple, and Newton steps
  // restore the digits.
  const SquaredRelation cubic =
      Squared(out.sin_theta * out.sin_theta, out.cos_theta * out.cos_theta);
  const Cubic H{2.0 * m, t * A, -2.0 * n_, t * B};
  // Just above M = 1 all three roots of the squared cubic crowd at sin^2 = 1
  // and its starts may be anywhere. H is convex for u > 0, positive at the
  // Mach angle and at the normal shock and negative at the limit, so the weak
  // root is found in [u*, cot(Mach angle)] and the strong one in [0, u*]
  // (see Cubic::Root), whatever the start.
  const double x_weak = cubic.Weak();
  out.weak = H.Root(std::sqrt((1.0 - x_weak) / x_weak), cot_max_, cot_mach_, cot_mach_);
  if (strong_too) {
    const double x_strong = cubic.Strong();
    out.strong = H.Root(std::sqrt(std::max(0.0, 1.0 - x_strong) / x_strong), 0.0, cot_max_, 0.0);
  }
  return out;
}

double ShockPolar::NormalMachSquared(double u) const {
  // M1^2 sin^2(beta) with sin^2(beta) = 1 / (1 + cot^2(beta)).
  return 1.0 / ((1.0 + u * u) * m_);
}

double ShockPolar::PressureRatio(double u) const {
  // Mn1^2 - 1 = (n - m u^2) / (m (1 + u^2)) from its parts rather than as a
  // difference, so that a shock just above M = 1 keeps the digits of p2/p1 - 1.
  const double excess = std::max(0.0, (n_ - m_ * u * u) / (m_ * (1.0 + u * u)));
  return 1.0 + 2.0 * gamma_ / (gamma_ + 1.0) * excess;
}

ShockSolution ShockPolar::Behind(double u, double sin_theta, double cos_theta) const {
  const double g = gamma_;
  ShockSolution out;
  out.beta = std::atan2(1.0, u);
  // Normal-shock relations on the component of the Mach number normal to the shock.
  const double Mn1_2 = NormalMachSquared(u);
  const double Mn2_2 = (1.0 + (g - 1.0) / 2.0 * Mn1_2) / (g * Mn1_2 - (g - 1.0) / 2.0);
  // sin(beta - theta) = sin(beta) (cos(theta) - cot(beta) sin(theta))
  const double sin_turned = (cos_theta - u * sin_theta) / std::sqrt(1.0 + u * u);
  out.M2 = std::sqrt(Mn2_2) / sin_turned;
  out.pressure_ratio = PressureRatio(u);
  return out;
}

ShockAngles ShockPolar::Angles(double theta) const {
  CheckDeflection(theta);
  const Branches u = Solve(theta, true);
  return {std::atan2(1.0, u.weak), std::atan2(1.0, u.strong)};
}

ShockSolution ShockPolar::Weak(double theta) const {
  CheckDeflection(theta);
  // The Mach wave exactly: nothing changes across it.
  if (theta == 0.0) return {MachAngle(), M1_, 1.0};
  const Branches u = Solve(theta, false);
  return Behind(u.weak, u.sin_theta, u.cos_theta);
}

ShockSolution ShockPolar::Strong(double theta) const {
  CheckDeflection(theta);
  const Branches u = Solve(theta, true);
  return Behind(u.strong, u.sin_theta, u.cos_theta);
}

double ShockPolar::WeakPressureRatio(double theta) const {
  CheckDeflection(theta);
  if (theta == 0.0) return 1.0;
  // The same arithmetic as Weak(theta).pressure_ratio, to the last bit, so a
  // pressure balance sees one value whichever way it was reached.
  return PressureRatio(Solve(theta, false).weak);
}

ShockSolution WeakShock(double M1, double theta, double gamma) {
  return ShockPolar(M1, gamma).Weak(theta);
}

ShockSolution StrongShock(double M1, double theta, double gamma) {
  return ShockPolar(M1, gamma).Strong(theta);
}

ShockAngles ShockAnglesFor(double M1, double theta, double gamma) {
  return ShockPolar(M1, gamma).Angles(theta);
}

namespace {

// The largest and the sonic deflection depend on M only through 1/M^2: beyond
// the Mach numbers a polar takes they have reached their hypersonic limits to
// the last digit.
double WithinPolarRange(double M1) { return std::isfinite(M1) ? std::min(M1, 1e100) : M1; }

}  // namespace

DeflectionLimit MaxDeflection(double M1, double gamma) {
  return ShockPolar(WithinPolarRange(M1), gamma).MaxDeflection();
}

double SonicDeflection(double M1, double gamma) {
  return ShockPolar(WithinPolarRange(M1), gamma).SonicDeflection();
}

}  // namespace exact
