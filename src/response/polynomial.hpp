// Real polynomials of low degree: the transfer functions of the response are
// ratios of them. Evaluated at complex frequencies, multiplied and added, and
// solved for their real roots on an interval without a sampled curve.
#pragma once

#include <array>
#include <complex>
#include <initializer_list>
#include <optional>

namespace enclavio {

class Polynomial {
public:
    static constexpr int kMaxDegree = 8;

    Polynomial() = default;
    // Coefficients in ascending powers: {c0, c1, c2} is c0 + c1 x + c2 x^2.
    Polynomial(std::initializer_list<double> coefficients);

    // The highest power with a coefficient other than 0; 0 for a constant.
    int degree() const { return degree_; }
    double coefficient(int power) const { return c_[power]; }

    double operator()(double x) const;
    std::complex<double> operator()(std::complex<double> s) const;
    // p(j w), in real arithmetic: the even powers give the real part, the odd
    // ones the imaginary part.
    std::complex<double> at_imaginary(double w) const;

    Polynomial derivative() const;
    // p(x) / x^k for the largest k that leaves a polynomial.
    Polynomial without_zero_roots() const;
    // p(scale x): the same polynomial with x measured in units of `scale`.
    Polynomial scaled(double scale) const;
    // |p(j w)|^2 as a polynomial in y = w^2, for p with real coefficients.
    Polynomial power_on_imaginary_axis() const;

    friend Polynomial operator+(const Polynomial& a, const Polynomial& b);
    friend Polynomial operator-(const Polynomial& a, const Polynomial& b);
    friend Polynomial operator*(const Polynomial& a, const Polynomial& b);  // degrees must add to kMaxDegree or less
    friend Polynomial operator*(double k, const Polynomial& p);

private:
    void find_degree();

    std::array<double, kMaxDegree + 1> c_{};
    int degree_ = 0;
};

// Real roots of a polynomial, ascending; at most its degree.
struct Roots {
    std::array<double, Polynomial::kMaxDegree> value{};
    int count = 0;
    const double* begin() const { return value.data(); }
    const double* end() const { return value.data() + count; }
};

// The roots in (lo, hi) at which p changes sign, each to full precision. Each
// interval on which p is monotonic (split at the roots of its derivative,
// found the same way) holds at most one; touching roots without a change of
// sign are left out.
Roots sign_changes(const Polynomial& p, double lo, double hi);

// The highest of those roots, solving for no other.
std::optional<double> highest_sign_change(const Polynomial& p, double lo, double hi);

// A bound above every real root's magnitude (Cauchy's), or 0 for a constant.
double root_bound(const Polynomial& p);

}  // namespace enclavio
