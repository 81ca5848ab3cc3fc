"""The Python module against the closed-form relations, the figures of the C++
tests, numpy's broadcasting rules and the command line itself."""

import json
import math
import os
import subprocess

import numpy as np
import pytest

import shocks


def deflection(M, beta, gamma=1.4):
    """theta-beta-M relation, radians."""
    s2 = np.sin(beta) ** 2
    return np.arctan(2 / np.tan(beta) * (M**2 * s2 - 1) / (M**2 * (gamma + np.cos(2 * beta)) + 2))


def largest_deflection(M, gamma=1.4):
    """Largest deflection in degrees from the closed-form shock angle there."""
    M2 = np.asarray(M, dtype=float) ** 2
    s2 = ((gamma + 1) / 4 * M2 - 1 + np.sqrt((gamma + 1) * (1 + (gamma - 1) / 2 * M2 + (gamma + 1) / 16 * M2**2))) / (gamma * M2)
    return np.degrees(deflection(np.sqrt(M2), np.arcsin(np.sqrt(s2)), gamma))


def pressure_ratio(M, beta, gamma=1.4):
    return 1 + 2 * gamma / (gamma + 1) * (M**2 * np.sin(beta) ** 2 - 1)


def cli(*args):
    out = subprocess.run([os.environ["SHOCKS_CLI"], "--format", "json", *args], capture_output=True, text=True)
    return json.loads(out.stdout)


def test_largest_deflection_matches_closed_form_and_cpp_figures():
    M = np.array([1.5, 2, 3, 5])
    got = shocks.max_deflection(M)
    assert isinstance(got, np.ndarray) and got.shape == (4,)
    np.testing.assert_allclose(got, largest_deflection(M), rtol=0, atol=1e-12)
    np.testing.assert_allclose(got, [12.112669, 22.973532, 34.073440, 41.117663], atol=0.5e-6)
    assert shocks.max_deflection(3.0, 1.3) == pytest.approx(37.068538, abs=0.5e-6)
    assert shocks.max_deflection(3.0, gamma=5 / 3) == pytest.approx(largest_deflection(3.0, 5 / 3), abs=1e-12)
    assert shocks.sonic_deflection(3.0) == pytest.approx(34.008345, abs=0.5e-6)


def test_oblique_shock_at_mach_3_deflection_10():
    s = shocks.oblique_shock(3, 10)
    assert isinstance(s.beta_weak, float)
    assert s.beta_weak == pytest.approx(27.382691, abs=0.5e-6)
    assert s.beta_strong == pytest.approx(86.4083, abs=0.5e-4)
    assert (s.M2_weak, s.M2_strong) == pytest.approx((2.505001, 0.489242), abs=0.5e-6)
    assert (s.p_ratio_weak, s.p_ratio_strong) == pytest.approx((2.054472, 10.292125), abs=0.5e-6)
    for beta in (s.beta_weak, s.beta_strong):
        assert math.degrees(deflection(3, math.radians(beta))) == pytest.approx(10, abs=1e-12)
    assert s.p_ratio_strong == pytest.approx(pressure_ratio(3, math.radians(s.beta_strong)), rel=1e-13)


def test_arrays_broadcast_and_give_nan_where_there_is_no_shock():
    M = np.array([[2.0], [3.0], [0.8]])  # (3, 1)
    theta = np.array([10.0, 30.0, 40.0, -1.0])  # (4,)
    s = shocks.oblique_shock(M, theta, 1.4)
    for field in s:
        assert field.shape == (3, 4)
    expected_nan = np.array([[0, 1, 1, 1], [0, 0, 1, 1], [1, 1, 1, 1]], dtype=bool)
    for field in s:
        np.testing.assert_array_equal(np.isnan(field), expected_nan)
    assert s.beta_weak[1, 1] == pytest.approx(52.013840, abs=0.5e-6)
    assert s.p_ratio_weak[1, 1] == shocks.oblique_shock(3.0, 30.0).p_ratio_weak
    assert shocks.max_deflection([[3.0], [2.0]], [1.3, 1.4]).shape == (2, 2)
    np.testing.assert_array_equal(np.isnan(shocks.sonic_deflection([0.5, 3.0, 1.0])), [True, False, True])
    with pytest.raises(ValueError):
        shocks.oblique_shock([2.0, 3.0], [1.0, 2.0, 3.0])


def test_polar_runs_round_both_branches():
    M, gamma = 2.5, 1.4
    pol = shocks.polar(M, gamma, n=50, origin=(10.0, 2.0))
    assert len(pol.theta) == 4 * 50 - 3
    mach = math.degrees(math.asin(1 / M))
    assert (pol.theta[0], pol.p[0], pol.beta[0]) == pytest.approx((10.0, 2.0, mach), abs=1e-12)
    assert (pol.theta[-1], pol.p[-1]) == pytest.approx((10.0, 2.0), abs=1e-12)
    middle = len(pol.theta) // 2
    assert pol.beta[middle] == 90 and pol.p[middle] == pytest.approx(2 * (7 * M * M - 1) / 6, rel=1e-14)
    beta = np.radians(pol.beta)
    np.testing.assert_allclose(np.abs(pol.theta - 10), np.degrees(deflection(M, beta)), atol=1e-10)
    np.testing.assert_allclose(pol.p, 2 * pressure_ratio(M, beta), rtol=1e-13)
    assert pol.theta.max() - 10 == pytest.approx(largest_deflection(M), abs=1e-12)


def test_interaction_figures_and_its_dict():
    r = shocks.interaction(3, 10, 5)
    assert r.fi == pytest.approx(4.979847, abs=0.5e-6)
    assert r.region4.p == pytest.approx(2.840072, abs=0.5e-6) and r.region5.p == pytest.approx(r.region4.p, rel=1e-11)
    assert (r.shock_a.beta, r.region2.M, r.region2.p) == pytest.approx((27.382691, 2.505001, 2.054472), abs=0.5e-6)
    assert (r.region2.direction, r.region3.direction) == (10.0, -5.0)
    assert r.limits1.max_deflection == pytest.approx(34.073440, abs=0.5e-6)
    r2 = shocks.interaction(2, 15, 10, p1=101325.0)
    assert r2.fi == pytest.approx(5.00345, abs=0.5e-5)
    assert r2.region4.p / 101325.0 == pytest.approx(3.77054, abs=0.5e-5)
    assert "fi = 4.9798467" in repr(r) and "configuration: regular" in repr(r)
    whole = cli("--method", "exact")
    assert r.kind == "regular"
    assert r.to_dict() == {"exact": whole["exact"], "configuration": whole["configuration"]}


def test_a_mach_intersection_is_a_result_with_its_triple_points():
    r = shocks.interaction(3, 25, 25)
    whole = cli("--method", "exact", "--TetaA", "25", "--TetaB", "25")
    assert whole["error"] is None and r.kind == "mach"
    assert r.fi is None and r.region4 is None and r.shock_d is None
    assert r.region2.M == pytest.approx(1.717, abs=0.5e-3) and r.region3.direction == -25
    assert r.to_dict() == {"exact": None, "configuration": whole["configuration"]}
    points = r.configuration["mach"]["triple_points"]
    assert points["A"]["slip_line"] == pytest.approx(-points["B"]["slip_line"], rel=1e-9)
    assert "triple point A (direct)" in repr(r)


@pytest.mark.parametrize(
    "error, args",
    [
        (shocks.DetachedError, ("--TetaA", "40")),
        (shocks.InvalidInputError, ("--M1", "0.5")),
        (shocks.InvalidInputError, ("--TetaB", "-3")),
        (shocks.NoRegularIntersectionError, ("--M1", "1.6", "--TetaA", "12", "--TetaB", "12")),
    ],
)
def test_failures_raise_with_the_command_line_sentence(error, args):
    inputs = {"--M1": 3.0, "--TetaA": 10.0, "--TetaB": 5.0}
    inputs.update({args[i]: float(args[i + 1]) for i in range(0, len(args), 2)})
    with pytest.raises(error) as raised:
        shocks.interaction(inputs["--M1"], inputs["--TetaA"], inputs["--TetaB"])
    assert isinstance(raised.value, ValueError)
    assert str(raised.value) == cli("--method", "exact", *args)["error"]["description"]


@pytest.mark.parametrize(
    "texts, args",
    [
        ({}, ()),
        ({"M1": "2", "teta_a": "15", "teta_b": "10", "method": "iteras"}, ("--M1", "2", "--TetaA", "15", "--TetaB", "10", "--method", "iteras")),
        ({"M1": " 3 , 5", "p1": "abc"}, ("--M1", " 3 , 5", "--p1", "abc")),
        ({"teta_b": "10", "method": "exact", "gamma": 1.3}, ("--TetaB", "10", "--method", "exact", "--gamma", "1.3")),
        ({"teta_a": "40", "method": "exact"}, ("--TetaA", "40", "--method", "exact")),
    ],
)
def test_calculate_is_the_command_line_json(texts, args):
    assert shocks.calculate(**texts) == cli(*args)


def test_calculate_default_texts_and_bad_method():
    r = shocks.calculate()
    assert [r["results"][k] for k in ("Text_BetaA", "Text_p3", "Text_Fi", "Text_BetaD", "Text_p5")] == ["27.38", "1.454", "4.98", "29.36", "2.84"]
    assert r["error"] is None
    with pytest.raises(ValueError):
        shocks.calculate(method="newton")
    with pytest.raises(ValueError):
        shocks.calculate(gamma=1.3)
