#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstring>

#include "capture.h"
#include "core/quantity.h"
#include "funcs/funcs.h"
#include "ops/ops.h"

namespace {

using namespace funcs;
using ops::pow;
using ops::root;

using complex = std::complex<double>;

complex valueof(const lm& node) { return {node.radius * std::cos(node.angle), node.radius * std::sin(node.angle)}; }

// Runs a prefix routine on one operand stored as radius at angle.
complex apply(void (*routine)(), double radius, double angle) {
    lm* function = new lm;
    std::strcpy(function->text, "f");
    function->kind = KIND_COMMAND;
    lm* operand = new lm;
    operand->radius = radius;
    operand->angle = angle;
    operand->kind = KIND_NUMBER;
    function->next = operand;
    operand->prev = function;
    S = T = function;
    routine();
    EXPECT_EQ(S, function);
    EXPECT_EQ(S->next, nullptr);
    complex result = valueof(*S);
    exit0(1);
    return result;
}

// Real values are stored as the calculator's numbers are: signed radius, angle 0.
complex applyto(void (*routine)(), complex z) {
    return z.imag() == 0 ? apply(routine, z.real(), 0) : apply(routine, std::abs(z), std::arg(z));
}

// A zero imaginary part counts as +0.
complex positivezero(complex z) { return {z.real(), z.imag() == 0 ? 0.0 : z.imag()}; }

void expectnear(complex expected, complex actual, const char* what, complex z) {
    double tolerance = 1e-12 * std::max(1.0, std::abs(expected));
    EXPECT_NEAR(expected.real(), actual.real(), tolerance) << what << " of " << z;
    EXPECT_NEAR(expected.imag(), actual.imag(), tolerance) << what << " of " << z;
}

std::vector<complex> grid() {
    std::vector<complex> points;
    const double parts[] = {-3, -1, -0.5, 0, 0.25, 1, 2.5};
    for (double x : parts)
        for (double y : parts) points.emplace_back(x, y);
    for (double y : {1e-9, -1e-9}) {  // just off the branch cuts
        points.emplace_back(1.5, y);
        points.emplace_back(-1.5, y);
        points.emplace_back(0, 1.5 + y);
    }
    points.emplace_back(30, 20);
    points.emplace_back(-200, 0.5);
    points.emplace_back(0.5, -300);
    return points;
}

TEST(Functions, AgreeWithTheComplexLibraryOverAGrid) {
    const struct {
        const char* name;
        void (*routine)();
        complex (*reference)(const complex&);
        bool largeimaginary;  // defined where the imaginary part is huge
    } functions[] = {
        {"sin", C_sin, [](const complex& z) { return std::sin(z); }, false},
        {"cos", C_cos, [](const complex& z) { return std::cos(z); }, false},
        {"tan", C_tan, [](const complex& z) { return std::tan(z); }, false},
        {"asin", C_asin, [](const complex& z) { return std::asin(z); }, true},
        {"acos", C_acos, [](const complex& z) { return std::acos(z); }, true},
        {"atan", C_atan, [](const complex& z) { return std::atan(z); }, true},
        {"exp", C_exp, [](const complex& z) { return std::exp(z); }, false},
    };
    for (const auto& f : functions)
        for (complex z : grid()) {
            if (std::abs(z.imag()) > 100 && !f.largeimaginary) continue;
            if (f.routine == C_atan && std::abs(z) == 1 && z.real() == 0) continue;  // the poles +-i
            expectnear(f.reference(z), applyto(f.routine, z), f.name, z);
        }
}

TEST(Functions, NegativeRadiusIsTheOppositeValue) {
    for (void (*routine)() : {C_sin, C_cos, C_tan, C_asin, C_acos, C_atan, C_exp})
        for (double r : {0.3, 2.0})
            for (double a : {0.0, 0.7, -2.0}) {
                complex z = positivezero(std::polar(-r, a));
                expectnear(applyto(routine, z), apply(routine, -r, a), "negative radius", z);
            }
}

TEST(Functions, RealOperandsGiveRealResults) {
    EXPECT_EQ(apply(C_sin, 0.5, 0).imag(), 0);
    EXPECT_DOUBLE_EQ(apply(C_sin, 0.5, 0).real(), 0.479425538604203);
    EXPECT_DOUBLE_EQ(apply(C_sin, -0.5, 0).real(), -0.479425538604203);
    EXPECT_DOUBLE_EQ(apply(C_tan, 0.5, 0).real(), 0.5463024898437905);
    EXPECT_DOUBLE_EQ(apply(C_acos, 0.5, 0).real(), 1.0471975511965979);
    EXPECT_DOUBLE_EQ(apply(C_atan, 0.5, 0).real(), 0.4636476090008061);
    EXPECT_DOUBLE_EQ(apply(C_asin, -0.5, 0).real(), -0.5235987755982989);
    expectnear({1.5707963267948966, 1.3169578969248166}, apply(C_asin, 2, 0), "asin", 2);
    expectnear({0, -1.3169578969248166}, apply(C_acos, 2, 0), "acos", 2);
    expectnear({PI, -1.3169578969248166}, apply(C_acos, -2, 0), "acos", -2);
    expectnear({0, 3.626860407847019}, apply(C_sin, 2, PI_2), "sin", complex(0, 2));
}

TEST(Functions, LogarithmsAndRootsTakeThePrincipalAngle) {
    // A stored angle and the principal angle of the same value, in (-pi, pi].
    const struct {
        double stored, principal;
    } angles[] = {{-3 * PI, PI}, {-PI, PI},           {-1, -1},        {0, 0}, {2, 2},
                  {2 * PI, 0},   {7.5, 7.5 - 2 * PI}, {-4, 2 * PI - 4}};
    for (auto [a, p] : angles) {
        expectnear({std::log(3.0), p}, apply(C_ln, 3, a), "ln", a);
        expectnear(std::polar(std::sqrt(3.0), p / 2), apply(C_sqrt, 3, a), "sqrt", a);
        expectnear(complex(std::log(3.0), p) / std::log(10.0), apply(C_log10, 3, a), "lg10", a);
        expectnear(std::polar(std::sqrt(3.0), p / 2), apply(C_sqrt, -3, a - PI), "sqrt", a - PI);
    }
    expectnear({0, PI}, apply(C_ln, -1, 0), "ln", -1);
    expectnear({0, 2}, apply(C_sqrt, -4, 0), "sqrt", -4);
    expectnear({0, 0}, apply(C_ln, 1, 0), "ln", 1);
    EXPECT_EQ(apply(C_log10, 100, 0), complex(2, 0));
}

TEST(Functions, ComponentsOfAValue) {
    complex z(3, 4);
    expectnear({3, 0}, applyto(C_Re, z), "Re", z);
    expectnear({4, 0}, applyto(C_Im, z), "Im", z);
    expectnear({5, 0}, applyto(C_abs, z), "abs", z);
    expectnear({3, -4}, applyto(C_Conj, z), "conj", z);
    expectnear({std::arg(z), 0}, applyto(C_phase, z), "phase", z);
    EXPECT_EQ(apply(C_abs, -3, 0), complex(3, 0));
    EXPECT_EQ(apply(C_Re, 1, -PI).real(), -1);
    EXPECT_EQ(apply(C_phase, 1, -PI).real(), PI);
    EXPECT_EQ(apply(C_phase, -1, 0).real(), PI);
    EXPECT_EQ(apply(C_phase, 1, 3 * PI_2).real(), -PI_2);
    EXPECT_EQ(apply(C_Re, 1e17, PI_2).real(), 0);
    EXPECT_EQ(apply(C_Im, -2, PI).real(), 0);
}

struct Stored {
    double radius, angle;
};

complex valueof(const Stored& s) { return std::polar(1.0, s.angle) * s.radius; }

// The nodes left op right, evaluated by the infix routine.
Stored evaluatedinfix(void (*routine)(), double lr, double la, double rr, double ra) {
    lm* left = new lm;
    lm* op = new lm;
    lm* right = new lm;
    left->radius = lr, left->angle = la, left->kind = KIND_NUMBER;
    right->radius = rr, right->angle = ra, right->kind = KIND_NUMBER;
    op->kind = KIND_COMMAND;
    left->next = op, op->prev = left, op->next = right, right->prev = op;
    S = left;
    T = op;
    routine();
    Stored result{S->radius, S->angle};
    EXPECT_EQ(S->next, nullptr);
    exit0(1);
    return result;
}

TEST(Powers, ValuesOfThePowerAndTheRoot) {
    EXPECT_DOUBLE_EQ(evaluatedinfix(pow, 2, 0, 0.5, 0).radius, 1.4142135623730951);
    Stored ii = evaluatedinfix(pow, 1, PI_2, 1, PI_2);
    EXPECT_DOUBLE_EQ(ii.radius, 0.20787957635076193);
    EXPECT_NEAR(ii.angle, 0, 1e-15);
    Stored twoi = evaluatedinfix(pow, 2, 0, 1, PI_2);
    EXPECT_NEAR(twoi.radius, 1, 1e-15);
    EXPECT_DOUBLE_EQ(twoi.angle, 0.6931471805599453);
    Stored cuberoot = evaluatedinfix(pow, -8, 0, 1.0 / 3, 0);
    expectnear(std::polar(2.0, PI / 3), valueof(cuberoot), "(-8)^(1/3)", -8);
    EXPECT_DOUBLE_EQ(evaluatedinfix(root, 3, 0, 8, 0).radius, 2);
    expectnear({0, 2}, valueof(evaluatedinfix(root, 2, 0, -4, 0)), "2 root -4", -4);
    for (complex base : {complex(1.5, -2), complex(-0.5, 0.25)})
        for (complex exponent : {complex(0.5, 1), complex(-2, 0), complex(0, -1)})
            expectnear(
                std::pow(base, exponent),
                valueof(evaluatedinfix(pow, std::abs(base), std::arg(base), std::abs(exponent), std::arg(exponent))),
                "pow", base);
}

TEST(Powers, ZeroBasesLieOnTheRealAxis) {
    Stored square = evaluatedinfix(pow, 0, 0, 2, 0);
    EXPECT_EQ(square.radius, 0);
    EXPECT_EQ(square.angle, 0);
    Stored one = evaluatedinfix(pow, 0, 0, 0, 0);
    EXPECT_EQ(one.radius, 1);
    EXPECT_EQ(one.angle, 0);
    EXPECT_EQ(evaluatedinfix(root, 2, 0, 0, 0).angle, 0);
}

TEST(Powers, FactorialFromTheTop) {
    EXPECT_EQ(evaluated("170!"), "7.257415615308e+306 \n");
    EXPECT_EQ(varib[0].radius, 7.257415615308004e306);
    // Between the whole numbers: Gamma(2.9) and Gamma(4.7).
    EXPECT_EQ(evaluated("0! 1! 1.9! 3.7! 5!"),
              "1.000000000000e+00 1.000000000000e+00 1.827355080624e+00 1.543141160005e+01 1.200000000000e+02 \n");
}

}  // namespace
