// The Python module `shocks`: the exact oblique-shock relations and the
// intersection (regular or Mach) of the numerical core, and the window's
// calculation as the command line runs it. Angles are degrees and pressures
// are in the unit of p1 throughout, as in the window.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "calc/failure_report.h"
#include "cli/configuration_json.h"
#include "cli/options.h"
#include "cli/report_output.h"
#include "cli/run.h"
#include "exact/configuration.h"
#include "exact/error.h"
#include "exact/interaction.h"
#include "exact/polar_curve.h"
#include "exact/shock.h"
#include "platform/number_text.h"

namespace py = pybind11;
using namespace pybind11::literals;

namespace {

using exact::kDegree;

constexpr double kNoShock = std::numeric_limits<double>::quiet_NaN();

// ---- Oblique shocks over arrays: NaN where no attached shock exists --------

double MaxDeflection(double M, double gamma) {
  try {
    return exact::MaxDeflection(M, gamma).theta / kDegree;
  } catch (const exact::Error&) {
    return kNoShock;
  }
}

double SonicDeflection(double M, double gamma) {
  try {
    return exact::SonicDeflection(M, gamma) / kDegree;
  } catch (const exact::Error&) {
    return kNoShock;
  }
}

// The arguments as numpy broadcasts them: contiguous float64 arrays of one shape.
std::vector<py::array_t<double>> Broadcast(const py::args& args) {
  const py::module_ numpy = py::module_::import("numpy");
  py::list as_float;
  for (const py::handle arg : args) as_float.append(numpy.attr("asarray")(arg, "dtype"_a = "float64"));
  std::vector<py::array_t<double>> out;
  for (const py::handle array : numpy.attr("broadcast_arrays")(*as_float)) {
    out.push_back(py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(array));
  }
  return out;
}

// Both attached shocks for each (M, theta, gamma): six arrays of the broadcast
// shape, or six floats when every argument is a scalar.
py::object ObliqueShock(const py::object& result_type, const py::object& M, const py::object& theta,
                        const py::object& gamma) {
  const auto in = Broadcast(py::make_tuple(M, theta, gamma));
  const std::vector<py::ssize_t> shape(in[0].shape(), in[0].shape() + in[0].ndim());
  std::vector<py::array_t<double>> out;
  for (int field = 0; field < 6; ++field) out.emplace_back(shape);
  const double* m = in[0].data();
  const double* t = in[1].data();
  const double* g = in[2].data();
  std::vector<double*> o;
  for (auto& array : out) o.push_back(array.mutable_data());
  for (py::ssize_t i = 0; i < in[0].size(); ++i) {
    try {
      const exact::ShockPolar polar(m[i], g[i]);
      const exact::ShockSolution weak = polar.Weak(t[i] * kDegree);
      const exact::ShockSolution strong = polar.Strong(t[i] * kDegree);
      o[0][i] = weak.beta / kDegree;
      o[1][i] = strong.beta / kDegree;
      o[2][i] = weak.M2;
      o[3][i] = strong.M2;
      o[4][i] = weak.pressure_ratio;
      o[5][i] = strong.pressure_ratio;
    } catch (const exact::Error&) {
      for (double* field : o) field[i] = kNoShock;
    }
  }
  py::list fields;
  for (auto& array : out) {
    fields.append(shape.empty() ? py::object(py::float_(*array.data())) : py::object(array));
  }
  return result_type(*fields);
}

// ---- One polar ----------------------------------------------------------------

py::object Polar(const py::object& result_type, double M, double gamma, int n, py::sequence origin) {
  if (n < 2) throw py::value_error("n = " + std::to_string(n) + ": a branch needs at least 2 points");
  if (py::len(origin) != 2) throw py::value_error("origin is (direction in degrees, pressure)");
  const double direction = origin[0].cast<double>();
  const double pressure = origin[1].cast<double>();
  const exact::ShockPolar polar(M, gamma);
  const exact::PolarBranches branches = exact::PolarCurve(polar, n);
  // One side from the Mach wave up the weak branch and down the strong one to
  // the normal shock, then the mirror image back to the Mach wave.
  std::vector<exact::PolarPoint> side(branches.weak);
  side.insert(side.end(), branches.strong.begin() + 1, branches.strong.end());
  const py::ssize_t count = static_cast<py::ssize_t>(2 * side.size() - 1);
  py::array_t<double> theta(count), p(count), beta(count), M2(count);
  auto t = theta.mutable_unchecked<1>();
  auto q = p.mutable_unchecked<1>();
  auto b = beta.mutable_unchecked<1>();
  auto m = M2.mutable_unchecked<1>();
  for (py::ssize_t i = 0; i < count; ++i) {
    const bool mirrored = i >= static_cast<py::ssize_t>(side.size());
    const exact::PolarPoint& point = side[static_cast<std::size_t>(mirrored ? count - 1 - i : i)];
    t(i) = direction + (mirrored ? -1.0 : 1.0) * point.theta / kDegree;
    q(i) = pressure * point.pressure_ratio;
    b(i) = point.beta / kDegree;
    m(i) = point.M2;
  }
  return result_type(theta, p, beta, M2);
}

// ---- The intersection ----------------------------------------------------------

// What the exact method finds for one case: the regular intersection where
// there is one, and the configuration (regular, dual or Mach) always.
struct Interaction {
  std::optional<exact::Interaction> x;  // none for a Mach intersection
  exact::Configuration configuration;
  exact::RegionState region1, region2, region3;
  exact::ShockState shockA, shockB;
  double M1, p1, teta_a, teta_b, gamma;
};

// As the exact method of Calculate solves it (calc/calculate_exact.cpp, and
// the configuration as the command line adds it): where the weak branches do
// not cross, a Mach stem may join the shocks, and only "neither" fails.
Interaction Solve(double M1, double teta_a, double teta_b, double gamma, double p1) {
  // The sentence a press of Calculate gives for a free stream no shock can stand in.
  if (std::isfinite(M1) && M1 <= 1.0) {
    exact::Error error(exact::ErrorKind::InvalidInput,
                       calc::SubsonicFreeStreamSentence(M1, platform::NumberToText(M1)));
    error.AddPlace("free stream");
    throw error;
  }
  Interaction out{std::nullopt, {}, {}, {}, {}, {}, {}, M1, p1, teta_a, teta_b, gamma};
  try {
    out.x = exact::SolveInteraction(M1, p1, teta_a, teta_b, gamma);
  } catch (const exact::Error& error) {
    if (error.Kind() != exact::ErrorKind::NoRegularIntersection) throw;
    out.configuration = exact::FindConfiguration(M1, teta_a, teta_b, gamma);
    if (out.configuration.kind != exact::ConfigurationKind::Mach) {
      exact::Error neither(exact::ErrorKind::NoRegularIntersection, out.configuration.reason);
      neither.AddPlace(error.Where());
      throw neither;
    }
  }
  if (out.x) {
    out.configuration = exact::FindConfiguration(M1, teta_a, teta_b, gamma);
    out.region1 = out.x->region1, out.region2 = out.x->region2, out.region3 = out.x->region3;
    out.shockA = out.x->shockA, out.shockB = out.x->shockB;
  } else {
    // The incident shocks stand as in a regular intersection.
    const exact::ShockPolar free_stream(M1, gamma);
    const exact::ShockSolution A = free_stream.Weak(teta_a * kDegree);
    const exact::ShockSolution B = free_stream.Weak(teta_b * kDegree);
    out.region1 = {M1, p1, 0.0};
    out.region2 = {A.M2, p1 * A.pressure_ratio, teta_a};
    out.region3 = {B.M2, p1 * B.pressure_ratio, -teta_b};
    out.shockA = {teta_a, A.beta / kDegree};
    out.shockB = {teta_b, B.beta / kDegree};
  }
  return out;
}

py::dict Fields(std::initializer_list<std::pair<const char*, double>> fields) {
  py::dict out;
  for (const auto& [name, value] : fields) out[name] = value;
  return out;
}

// "exact" as in the command line's JSON: the regular intersection.
py::object ExactDict(const Interaction& i) {
  if (!i.x) return py::none();
  const exact::Interaction& x = *i.x;
  const auto region = [](const exact::RegionState& r) {
    return Fields({{"M", r.M}, {"p", r.p}, {"direction", r.direction}});
  };
  const auto shock = [](const exact::ShockState& s) {
    return Fields({{"deflection", s.deflection}, {"beta", s.beta}});
  };
  const auto limits = [](const exact::RegionLimits& l) {
    return Fields({{"max_deflection", l.max_deflection},
                   {"max_beta", l.max_beta},
                   {"sonic_deflection", l.sonic_deflection}});
  };
  py::dict regions, shocks, all_limits;
  regions["1"] = region(x.region1), regions["2"] = region(x.region2), regions["3"] = region(x.region3);
  regions["4"] = region(x.region4), regions["5"] = region(x.region5);
  shocks["A"] = shock(x.shockA), shocks["B"] = shock(x.shockB);
  shocks["C"] = shock(x.shockC), shocks["D"] = shock(x.shockD);
  all_limits["1"] = limits(x.limits1), all_limits["2"] = limits(x.limits2),
  all_limits["3"] = limits(x.limits3);
  return py::dict("gamma"_a = i.gamma, "Fi"_a = x.Fi, "evaluations"_a = x.evaluations,
                  "regions"_a = regions, "shocks"_a = shocks, "limits"_a = all_limits);
}

// "configuration" as in the command line's JSON, written by the very same function.
py::object ConfigurationDict(const Interaction& i) {
  return py::module_::import("json").attr("loads")(cli::ConfigurationToJson(i.configuration).dump());
}

std::string Repr(const Interaction& i) {
  std::string out;
  char line[200];
  std::snprintf(line, sizeof line, "<shocks.Interaction M1=%.10g p1=%.10g teta_a=%.10g teta_b=%.10g gamma=%.10g\n",
                i.M1, i.p1, i.teta_a, i.teta_b, i.gamma);
  out += line;
  out += "  configuration: " + std::string(exact::KindName(i.configuration.kind)) + "\n";
  if (i.x) {
    std::snprintf(line, sizeof line, "  fi = %.8g deg (slip line)\n", i.x->Fi);
    out += line;
  }
  for (const auto& point : {i.configuration.triple_point_A, i.configuration.triple_point_B}) {
    if (!point) continue;
    std::snprintf(line, sizeof line, "  triple point %c (%s): slip line %.8g deg, p = %.8g behind the stem\n",
                  point->side == exact::TripleSide::A ? 'A' : 'B', std::string(exact::KindName(point->kind)).c_str(),
                  point->slip_line, i.p1 * point->behind_stem.p);
    out += line;
  }
  out += "  region  M            p            direction/deg\n";
  const exact::RegionState* regions[] = {&i.region1, &i.region2, &i.region3,
                                         i.x ? &i.x->region4 : nullptr, i.x ? &i.x->region5 : nullptr};
  for (int r = 0; r < 5; ++r) {
    if (regions[r] == nullptr) continue;
    std::snprintf(line, sizeof line, "  %-6d  %-11.8g  %-11.8g  %.8g\n", r + 1, regions[r]->M,
                  regions[r]->p, regions[r]->direction);
    out += line;
  }
  out += "  shock   deflection/deg  beta/deg\n";
  const exact::ShockState* shocks[] = {&i.shockA, &i.shockB, i.x ? &i.x->shockC : nullptr,
                                       i.x ? &i.x->shockD : nullptr};
  for (int s = 0; s < 4; ++s) {
    if (shocks[s] == nullptr) continue;
    std::snprintf(line, sizeof line, "  %-6c  %-14.8g  %.8g\n", "ABCD"[s], shocks[s]->deflection,
                  shocks[s]->beta);
    out += line;
  }
  return out + ">";
}

// A member of the regular intersection, None for a Mach intersection.
template <typename Member>
auto Regular(Member member) {
  return [member](const Interaction& i) -> py::object {
    if (!i.x) return py::none();
    return py::cast(member(*i.x));
  };
}

// ---- The window's calculation ------------------------------------------------

// What `shocks-cli --format json` prints for the same texts, read by Python's
// json: the command line is read by the command line's own parser, so that
// its rules and messages hold here too.
py::object Calculate(const std::string& M1, const std::string& p1, const std::string& teta_a,
                     const std::string& teta_b, const std::string& method, double gamma) {
  const cli::ParsedCommand command = cli::ParseCommandLine(
      {"--M1=" + M1, "--p1=" + p1, "--TetaA=" + teta_a, "--TetaB=" + teta_b, "--method=" + method,
       "--gamma=" + exact::NumberText(gamma), "--format=json"});
  if (const auto* error = std::get_if<cli::UsageError>(&command)) throw py::value_error(error->message);
  const cli::Options& options = std::get<cli::Options>(command);
  const cli::RunReport report = cli::RunCalculation(options.inputs, options.method, options.gamma);
  return py::module_::import("json").attr("loads")(cli::ReportToJson(report, options.drawing));
}

// ---- Errors -------------------------------------------------------------------

// An exact::Error as the Python exception of its kind, with the sentence the
// command line prints for it.
void TranslateError(std::exception_ptr thrown) {
  try {
    if (thrown) std::rethrow_exception(thrown);
  } catch (const exact::Error& error) {
    const std::string message = calc::DescribeFailure(error).description;
    const auto raise = [&message](const char* name) {
      PyErr_SetString(py::module_::import("shocks").attr(name).ptr(), message.c_str());
    };
    switch (error.Kind()) {
      case exact::ErrorKind::Detached: raise("DetachedError"); break;
      case exact::ErrorKind::NoRegularIntersection: raise("NoRegularIntersectionError"); break;
      case exact::ErrorKind::InvalidInput: raise("InvalidInputError"); break;
      // The inputs ask for a difference below what a double resolves.
      case exact::ErrorKind::BeyondPrecision: PyErr_SetString(PyExc_ValueError, message.c_str()); break;
      // A search that used up its budget is a defect, not a fault of the inputs.
      case exact::ErrorKind::NotConverged: PyErr_SetString(PyExc_RuntimeError, message.c_str()); break;
    }
  }
}

void AddError(py::module_& m, const char* name, const char* doc) {
  const std::string qualified = std::string("shocks.") + name;
  m.add_object(name, py::reinterpret_steal<py::object>(PyErr_NewExceptionWithDoc(
                         qualified.c_str(), doc, PyExc_ValueError, nullptr)));
}

py::object NamedTuple(py::module_& m, const char* name, std::vector<const char*> fields, const char* doc) {
  py::object type = py::module_::import("collections").attr("namedtuple")(name, py::cast(fields));
  type.attr("__module__") = "shocks";
  type.attr("__doc__") = doc;
  m.attr(name) = type;
  return type;
}

}  // namespace

PYBIND11_MODULE(shocks, m) {
  // Each docstring begins with its own signature, with the return type.
  py::options options;
  options.disable_function_signatures();
  m.doc() =
      "Intersection of oblique shocks of different families, for a perfect gas.\n\n"
      "Angles are in degrees and pressures in the unit of the pressure ahead\n"
      "(p1 for the free stream); gamma is the ratio of specific heats.";

  AddError(m, "InvalidInputError",
           "An input no shock pattern has: M1 <= 1, p1 <= 0, a negative deflection, gamma outside (1, 10].");
  AddError(m, "DetachedError", "Shock A or B asks for more deflection than an attached shock can give.");
  AddError(m, "NoRegularIntersectionError",
           "The polars of regions 2 and 3 do not cross with shocks C and D attached.");
  py::register_exception_translator(TranslateError);

  const py::object oblique_type = NamedTuple(
      m, "ObliqueShock",
      {"beta_weak", "beta_strong", "M2_weak", "M2_strong", "p_ratio_weak", "p_ratio_strong"},
      "The two attached shocks for one deflection: shock angles (degrees, from the flow\n"
      "ahead), Mach numbers behind and pressure ratios p2/p1 of the weak and the strong shock.");
  m.def(
      "oblique_shock",
      [oblique_type](const py::object& M, const py::object& theta, const py::object& gamma) {
        return ObliqueShock(oblique_type, M, theta, gamma);
      },
      "M"_a, "theta"_a, "gamma"_a = exact::kGammaAir,
      "oblique_shock(M, theta, gamma=1.4) -> ObliqueShock\n\n"
      "The weak and the strong shock that turn a stream of Mach number M by theta\n"
      "degrees: beta_weak, beta_strong (shock angles, degrees), M2_weak, M2_strong\n"
      "(Mach numbers behind) and p_ratio_weak, p_ratio_strong (p2/p1). Arguments\n"
      "broadcast like numpy arrays; each field is an array of the broadcast shape\n"
      "(a float for scalar arguments). Where no attached shock exists (theta beyond\n"
      "max_deflection, M <= 1, theta < 0, gamma outside (1, 10]) every field is NaN.");
  m.def("max_deflection", py::vectorize(MaxDeflection), "M"_a, "gamma"_a = exact::kGammaAir,
        "max_deflection(M, gamma=1.4) -> float or array\n\n"
        "The largest deflection of an attached shock at Mach number M, degrees.\n"
        "Broadcasts over arrays; NaN where M <= 1 or gamma is outside (1, 10].");
  m.def("sonic_deflection", py::vectorize(SonicDeflection), "M"_a, "gamma"_a = exact::kGammaAir,
        "sonic_deflection(M, gamma=1.4) -> float or array\n\n"
        "The deflection, degrees, of the weak shock behind which the flow is exactly\n"
        "sonic; a little below max_deflection. Broadcasts over arrays; NaN where\n"
        "M <= 1 or gamma is outside (1, 10].");

  const py::object polar_type = NamedTuple(
      m, "Polar", {"theta", "p", "beta", "M2"},
      "Points of a shock polar: flow direction behind the shock (degrees), pressure\n"
      "behind it, shock angle (degrees) and Mach number behind it.");
  m.def(
      "polar",
      [polar_type](double M, double gamma, int n, py::sequence origin) {
        return Polar(polar_type, M, gamma, n, origin);
      },
      "M"_a, "gamma"_a = exact::kGammaAir, "n"_a = 200, "origin"_a = py::make_tuple(0.0, 1.0),
      "polar(M, gamma=1.4, n=200, origin=(0, 1)) -> Polar\n\n"
      "The pressure-deflection polar of a state of Mach number M whose flow has the\n"
      "direction origin[0] (degrees) and the pressure origin[1]: every attached shock\n"
      "from it, as arrays theta (direction behind, degrees), p (pressure behind, in\n"
      "the unit of origin[1]), beta (shock angle, degrees) and M2. The points run\n"
      "from the Mach wave up the weak branch (n points) and down the strong branch\n"
      "(n points, sharing the largest deflection) to the normal shock, then the\n"
      "mirror image back to the Mach wave: plot(theta, p) draws the closed curve.\n"
      "Raises InvalidInputError for M <= 1 or gamma outside (1, 10].");

  py::class_<Interaction>(m, "Interaction",
                          "What the exact method finds: the configuration, every region's state and\n"
                          "every shock; the members of regions 4 and 5, shocks C and D and the slip\n"
                          "line are None for a Mach intersection (see configuration).")
      .def_property_readonly("kind", [](const Interaction& i) { return std::string(exact::KindName(i.configuration.kind)); },
                             "\"regular\", \"dual\" (regular, and a Mach intersection could stand too) or \"mach\".")
      .def_property_readonly("configuration", &ConfigurationDict,
                             "The configuration as a dict, as \"configuration\" in shocks-cli's JSON: kind,\n"
                             "reason, criteria (TetaB limits, degrees) and, for a Mach intersection, the\n"
                             "triple points (angles in degrees, pressures in the unit of p1).")
      .def_property_readonly("fi", Regular([](const exact::Interaction& x) { return x.Fi; }),
                             "Slip-line direction, degrees from the free stream (None for a Mach intersection).")
      .def_property_readonly("evaluations", Regular([](const exact::Interaction& x) { return x.evaluations; }),
                             "Pressure-balance evaluations the slip-line search made.")
      .def_readonly("gamma", &Interaction::gamma, "Ratio of specific heats.")
      .def_readonly("region1", &Interaction::region1, "The free stream.")
      .def_readonly("region2", &Interaction::region2, "Behind shock A.")
      .def_readonly("region3", &Interaction::region3, "Behind shock B.")
      .def_property_readonly("region4", Regular([](const exact::Interaction& x) { return x.region4; }), "Behind shock C.")
      .def_property_readonly("region5", Regular([](const exact::Interaction& x) { return x.region5; }), "Behind shock D.")
      .def_readonly("shock_a", &Interaction::shockA)
      .def_readonly("shock_b", &Interaction::shockB)
      .def_property_readonly("shock_c", Regular([](const exact::Interaction& x) { return x.shockC; }))
      .def_property_readonly("shock_d", Regular([](const exact::Interaction& x) { return x.shockD; }))
      .def_property_readonly("limits1", Regular([](const exact::Interaction& x) { return x.limits1; }))
      .def_property_readonly("limits2", Regular([](const exact::Interaction& x) { return x.limits2; }))
      .def_property_readonly("limits3", Regular([](const exact::Interaction& x) { return x.limits3; }))
      .def(
          "to_dict",
          [](const Interaction& i) {
            return py::dict("exact"_a = ExactDict(i), "configuration"_a = ConfigurationDict(i));
          },
          "to_dict() -> dict\n\n"
          "{\"exact\": ..., \"configuration\": ...} with the names and nesting of those members\n"
          "in the JSON of shocks-cli --method exact --format json (\"exact\" None for a\n"
          "Mach intersection).")
      .def("__repr__", &Repr);
  py::class_<exact::RegionState>(m, "Region", "One uniform region of the flow.")
      .def_readonly("M", &exact::RegionState::M, "Mach number.")
      .def_readonly("p", &exact::RegionState::p, "Static pressure, unit of p1.")
      .def_readonly("direction", &exact::RegionState::direction,
                    "Flow direction, degrees from the free stream, positive the way shock A turns it.")
      .def("__repr__", [](const exact::RegionState& r) {
        return "Region(M=" + exact::NumberText(r.M) + ", p=" + exact::NumberText(r.p) +
               ", direction=" + exact::NumberText(r.direction) + ")";
      });
  py::class_<exact::ShockState>(m, "Shock", "One shock of the pattern.")
      .def_readonly("deflection", &exact::ShockState::deflection,
                    "Turn of the flow through it, degrees, positive when it compresses.")
      .def_readonly("beta", &exact::ShockState::beta, "Shock angle from the flow ahead of it, degrees.")
      .def("__repr__", [](const exact::ShockState& s) {
        return "Shock(deflection=" + exact::NumberText(s.deflection) + ", beta=" + exact::NumberText(s.beta) + ")";
      });
  py::class_<exact::RegionLimits>(m, "Limits", "What the flow of one region allows an attached shock.")
      .def_readonly("max_deflection", &exact::RegionLimits::max_deflection, "Largest deflection, degrees.")
      .def_readonly("max_beta", &exact::RegionLimits::max_beta, "Shock angle there, degrees.")
      .def_readonly("sonic_deflection", &exact::RegionLimits::sonic_deflection,
                    "Deflection behind which the flow is sonic, degrees.")
      .def("__repr__", [](const exact::RegionLimits& l) {
        return "Limits(max_deflection=" + exact::NumberText(l.max_deflection) +
               ", max_beta=" + exact::NumberText(l.max_beta) +
               ", sonic_deflection=" + exact::NumberText(l.sonic_deflection) + ")";
      });
  m.def("interaction", &Solve, "M1"_a, "teta_a"_a, "teta_b"_a, "gamma"_a = exact::kGammaAir,
        "p1"_a = 1.0,
        "interaction(M1, teta_a, teta_b, gamma=1.4, p1=1.0) -> Interaction\n\n"
        "The crossing of shock A (turning the free stream of Mach number M1 and\n"
        "pressure p1 by teta_a degrees) and shock B (turning it the other way by\n"
        "teta_b degrees), as the exact method solves it: kind and configuration\n"
        "(regular, dual or Mach intersection), regions region1..region5 (M, p in the\n"
        "unit of p1, direction in degrees), shocks shock_a..shock_d (deflection and\n"
        "angle beta, degrees), limits1..limits3 and fi, the slip-line direction in\n"
        "degrees. Raises InvalidInputError, DetachedError or\n"
        "NoRegularIntersectionError (neither a regular nor a Mach intersection), all\n"
        "ValueError, with the sentence shocks-cli prints for the same failure.");

  m.def("calculate", &Calculate, "M1"_a = "3", "p1"_a = "1", "teta_a"_a = "10", "teta_b"_a = "5",
        "method"_a = "iterasyon", "gamma"_a = exact::kGammaAir,
        "calculate(M1=\"3\", p1=\"1\", teta_a=\"10\", teta_b=\"5\", method=\"iterasyon\", gamma=1.4) -> dict\n\n"
        "One press of Calculate in the main window, from the texts typed into its\n"
        "fields (M1, p1, Teta-A and Teta-B in degrees, read by the window's\n"
        "leading-number rule), exactly as shocks-cli --format json gives it: the\n"
        "result texts by control name (pressures in the unit of p1, angles in\n"
        "degrees), the log lines, messages, warnings, the error (None or its kind,\n"
        "place and description) and, for method \"exact\", the full-precision\n"
        "solution. method is \"iterasyon\" (the slip-line iteration), \"iteras\" (the\n"
        "step search) or \"exact\"; gamma, the ratio of specific heats, goes with\n"
        "\"exact\" only. A failed calculation is reported in the dict, not raised;\n"
        "a method or gamma shocks-cli would refuse raises ValueError with its message.");
}
