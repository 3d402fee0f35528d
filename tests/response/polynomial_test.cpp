// The polynomial tools the figures are solved with.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <vector>

#include "response/polynomial.hpp"

namespace enclavio {
namespace {

// (x - r1)(x - r2)...
Polynomial with_roots(const std::vector<double>& roots, double scale = 1) {
    Polynomial p{scale};
    for (double r : roots) p = p * Polynomial{-r, 1};
    return p;
}

TEST(Polynomial, SignChanges) {
    const struct {
        const char* what;
        Polynomial p;
        double lo, hi;
        std::vector<double> roots;
        double tolerance = 1e-12;  // relative; a multiple root is as exact as the cube root of rounding
    } cases[] = {
        {"linear", Polynomial{-3, 2}, 0, 10, {1.5}},
        {"quadratic", with_roots({0.5, 4}), 0, 10, {0.5, 4}},
        {"quadratic, one in range", with_roots({-2, 4}), 0, 10, {4}},
        {"no real roots", Polynomial{1, 0, 1}, -10, 10, {}},
        {"cubic, three roots", with_roots({1, 2, 3}), 0, 10, {1, 2, 3}},
        {"cubic, one real root", with_roots({2}) * Polynomial{1, 1, 1}, -10, 10, {2}},
        {"cubic, double root touches", with_roots({1, 1, 3}), 0, 10, {3}},
        {"cubic, triple root crosses", with_roots({2, 2, 2}), 0, 10, {2}, 1e-4},
        {"quartic, spread", with_roots({1e-3, 0.5, 30, 2e4}, 1e-6), 0, 1e5, {1e-3, 0.5, 30, 2e4}},
        {"quartic, close pair", with_roots({1, 1.0001, 5, 7}), 0, 10, {1, 1.0001, 5, 7}, 1e-10},
        {"quartic, touching pair", with_roots({2, 2}) * Polynomial{1, 0, 1}, 0, 10, {}},
        {"zero roots left out", with_roots({0, 0, 0, 0.25, 8}), 0, 10, {0.25, 8}},
        {"degree 7", with_roots({0.1, 0.2, 0.4, 0.8, 1.6, 3.2, 6.4}), 0, 10, {0.1, 0.2, 0.4, 0.8, 1.6, 3.2, 6.4}},
        {"ends excluded", with_roots({1, 9}), 1, 9, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Roots roots = sign_changes(c.p, c.lo, c.hi);
        ASSERT_EQ(roots.count, static_cast<int>(c.roots.size()));
        for (int i = 0; i < roots.count; ++i) {
            EXPECT_NEAR(roots.value[i], c.roots[i], c.tolerance * std::max(1.0, c.roots[i]));
        }
        const auto top = highest_sign_change(c.p, c.lo, c.hi);
        EXPECT_EQ(top.has_value(), !c.roots.empty());
        if (top) {
            EXPECT_NEAR(*top, c.roots.back(), c.tolerance * std::max(1.0, c.roots.back()));
        }
        for (double r : roots) EXPECT_LT(r, root_bound(c.p));
    }
}

// On the imaginary axis: the real-arithmetic evaluation and |p(jw)|^2 as a
// polynomial in w^2 agree with complex arithmetic.
TEST(Polynomial, ImaginaryAxis) {
    const Polynomial polys[] = {Polynomial{3}, Polynomial{1, 2}, Polynomial{2, -1, 0.5, 3, 1e-3},
                                Polynomial{0, 0, 0, 0, 4}};
    for (const Polynomial& p : polys) {
        const Polynomial power = p.power_on_imaginary_axis();
        for (double w : {0.0, 0.3, 1.0, 7.5, 120.0}) {
            const std::complex<double> direct = p(std::complex<double>(0, w));
            EXPECT_NEAR(std::abs(p.at_imaginary(w) - direct), 0, 1e-12 * std::max(1.0, std::abs(direct)));
            EXPECT_NEAR(power(w * w), std::norm(direct), 1e-12 * std::max(1.0, std::norm(direct)));
        }
    }
    EXPECT_EQ(Polynomial({1, 2, 3}).scaled(2).coefficient(2), 12);
    EXPECT_EQ(Polynomial({1, 2, 3}).derivative().coefficient(1), 6);
    EXPECT_THROW(with_roots({1, 2, 3, 4, 5}) * with_roots({1, 2, 3, 4}), std::length_error);
}

}  // namespace
}  // namespace enclavio
