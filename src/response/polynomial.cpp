#include "response/polynomial.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>
#include <utility>

namespace enclavio {

Polynomial::Polynomial(std::initializer_list<double> coefficients) {
    if (coefficients.size() > c_.size()) throw std::length_error("polynomial degree above 8");
    std::copy(coefficients.begin(), coefficients.end(), c_.begin());
    find_degree();
}

void Polynomial::find_degree() {
    degree_ = kMaxDegree;
    while (degree_ > 0 && c_[degree_] == 0) --degree_;
}

double Polynomial::operator()(double x) const {
    double sum = 0;
    for (int k = degree(); k >= 0; --k) sum = sum * x + c_[k];
    return sum;
}

std::complex<double> Polynomial::operator()(std::complex<double> s) const {
    std::complex<double> sum = 0;
    for (int k = degree(); k >= 0; --k) sum = sum * s + c_[k];
    return sum;
}

std::complex<double> Polynomial::at_imaginary(double w) const {
    // Sum c_k (j w)^k: j^k cycles 1, j, -1, -j.
    const double y = -w * w;
    double even = 0, odd = 0;
    for (int k = degree() / 2 * 2; k >= 0; k -= 2) even = even * y + c_[k];
    for (int k = (degree() - 1) / 2 * 2 + 1; k >= 1; k -= 2) odd = odd * y + c_[k];
    return {even, w * odd};
}

Polynomial Polynomial::derivative() const {
    Polynomial d;
    for (int k = 1; k <= degree_; ++k) d.c_[k - 1] = k * c_[k];
    d.find_degree();
    return d;
}

Polynomial Polynomial::without_zero_roots() const {
    int k = 0;
    while (k < kMaxDegree && c_[k] == 0) ++k;
    Polynomial q;
    for (int i = k; i <= kMaxDegree; ++i) q.c_[i - k] = c_[i];
    q.find_degree();
    return q;
}

Polynomial Polynomial::scaled(double scale) const {
    Polynomial p;
    double factor = 1;
    for (int k = 0; k <= kMaxDegree; ++k) {
        p.c_[k] = c_[k] * factor;
        factor *= scale;
    }
    p.find_degree();
    return p;
}

Polynomial Polynomial::power_on_imaginary_axis() const {
    // p(jw) = R(w^2) + j w I(w^2); |p(jw)|^2 = R^2 + y I^2.
    Polynomial real, imaginary;
    for (int k = 0; k <= kMaxDegree; ++k) {
        const double sign = (k / 2) % 2 == 0 ? 1 : -1;  // j^k = (-1)^(k/2), or j (-1)^((k-1)/2)
        if (k % 2 == 0) real.c_[k / 2] = sign * c_[k];
        else imaginary.c_[k / 2] = sign * c_[k];
    }
    real.find_degree();
    imaginary.find_degree();
    return real * real + Polynomial{0, 1} * (imaginary * imaginary);
}

Polynomial operator+(const Polynomial& a, const Polynomial& b) {
    Polynomial p;
    for (int k = 0; k <= Polynomial::kMaxDegree; ++k) p.c_[k] = a.c_[k] + b.c_[k];
    p.find_degree();
    return p;
}

Polynomial operator-(const Polynomial& a, const Polynomial& b) { return a + (-1.0) * b; }

Polynomial operator*(const Polynomial& a, const Polynomial& b) {
    const int da = a.degree(), db = b.degree();
    if (da + db > Polynomial::kMaxDegree) throw std::length_error("polynomial degree above 8");
    Polynomial p;
    for (int i = 0; i <= da; ++i) {
        for (int k = 0; k <= db; ++k) p.c_[i + k] += a.c_[i] * b.c_[k];
    }
    p.find_degree();
    return p;
}

Polynomial operator*(double k, const Polynomial& p) {
    Polynomial q;
    for (int i = 0; i <= p.degree_; ++i) q.c_[i] = k * p.c_[i];
    q.find_degree();
    return q;
}

double root_bound(const Polynomial& p) {
    const int n = p.degree();
    if (n == 0) return 0;
    double largest = 0;
    for (int k = 0; k < n; ++k) largest = std::max(largest, std::fabs(p.coefficient(k) / p.coefficient(n)));
    return 1 + largest;
}

namespace {

// The one root of p between `below` (p < 0) and `above` (p > 0), on an
// interval where p is monotonic: Newton steps, bisection whenever a step
// would leave the bracket or shrink it too slowly.
double bracketed_root(const Polynomial& p, const Polynomial& dp, double below, double above) {
    double x = 0.5 * (below + above);
    double step = std::fabs(above - below), last_step = step;
    double f = p(x), df = dp(x);
    for (int i = 0; i < 200 && f != 0; ++i) {
        const bool newton_leaves = ((x - above) * df - f) * ((x - below) * df - f) > 0;
        if (newton_leaves || std::fabs(2 * f) > std::fabs(last_step * df)) {
            last_step = step;
            step = 0.5 * (above - below);
            x = below + step;
        } else {
            last_step = step;
            step = f / df;
            x -= step;
        }
        const double tolerance = 4 * std::numeric_limits<double>::epsilon() * std::max(1.0, std::fabs(x));
        if (std::fabs(step) <= tolerance || std::fabs(above - below) <= tolerance) break;
        f = p(x);
        df = dp(x);
        if (f < 0) below = x;
        else above = x;
    }
    return x;
}

// The turning points of p in (lo, hi): where its derivative changes sign.
Roots turning_points(const Polynomial& p, double lo, double hi);

// The real roots of a cubic in closed form, each polished by Newton steps on
// p itself; a double root (no change of sign) is left out.
void add_cubic_roots(const Polynomial& p, const Polynomial& dp, double lo, double hi, Roots& out) {
    const double a = p.coefficient(2) / p.coefficient(3);
    const double b = p.coefficient(1) / p.coefficient(3);
    const double c = p.coefficient(0) / p.coefficient(3);
    const double q = (a * a - 3 * b) / 9;
    const double r = (2 * a * a * a - 9 * a * b + 27 * c) / 54;
    std::array<double, 3> roots{};
    int count = 0;
    if (r * r < q * q * q) {
        const double theta = std::acos(r / std::sqrt(q * q * q));
        const double m = -2 * std::sqrt(q);
        for (double shift : {0.0, 2 * std::numbers::pi, -2 * std::numbers::pi}) {
            roots[count++] = m * std::cos((theta + shift) / 3) - a / 3;
        }
    } else {
        const double s = -std::copysign(std::cbrt(std::fabs(r) + std::sqrt(r * r - q * q * q)), r);
        roots[count++] = s + (s != 0 ? q / s : 0) - a / 3;
    }
    for (int i = 0; i < count; ++i) {
        double& x = roots[i];
        for (int k = 0; k < 3; ++k) {
            const double d = dp(x);
            if (d == 0) break;
            x -= p(x) / d;
        }
    }
    // At most three roots, in ascending order (swaps rather than std::sort,
    // whose unrolled form GCC's bounds warning misreads on a three-element array).
    for (int i = 1; i < count; ++i)
        for (int j = i; j > 0 && roots[j] < roots[j - 1]; --j) std::swap(roots[j], roots[j - 1]);
    for (int i = 0; i < count; ++i) {
        const double x = roots[i];
        if (!(x > lo && x < hi) || !std::isfinite(x)) continue;
        // Two roots that met are a double root: the sign does not change.
        const double near = 1e-7 * std::max(1.0, std::fabs(x));
        const bool twin =
            (i > 0 && roots[i] - roots[i - 1] < near) || (i + 1 < count && roots[i + 1] - roots[i] < near);
        if (!twin) out.value[out.count++] = x;
    }
}

void add_sign_changes(const Polynomial& p, double lo, double hi, Roots& out) {
    const int n = p.degree();
    if (n == 0 || !(lo < hi)) return;
    auto keep = [&](double r) {
        if (r > lo && r < hi) out.value[out.count++] = r;
    };
    if (n == 1) {
        keep(-p.coefficient(0) / p.coefficient(1));
        return;
    }
    if (n == 2) {
        // Two distinct real roots, computed so that neither loses its digits.
        const double a = p.coefficient(2), b = p.coefficient(1), c = p.coefficient(0);
        const double disc = b * b - 4 * a * c;
        if (!(disc > 0)) return;
        const double q = -0.5 * (b + std::copysign(std::sqrt(disc), b));
        double r1 = q / a, r2 = c / q;
        if (r1 > r2) std::swap(r1, r2);
        keep(r1);
        if (q != 0) keep(r2);
        return;
    }
    const Polynomial dp = p.derivative();
    if (n == 3) {
        add_cubic_roots(p, dp, lo, hi, out);
        return;
    }
    const Roots turns = turning_points(p, lo, hi);
    double a = lo, fa = p(lo);
    for (int i = 0; i <= turns.count; ++i) {
        const double b = i < turns.count ? turns.value[i] : hi;
        const double fb = p(b);
        if ((fa < 0 && fb > 0) || (fa > 0 && fb < 0)) {
            out.value[out.count++] = fa < 0 ? bracketed_root(p, dp, a, b) : bracketed_root(p, dp, b, a);
        }
        a = b;
        fa = fb;
    }
}

Roots turning_points(const Polynomial& p, double lo, double hi) {
    Roots turns;
    add_sign_changes(p.derivative(), lo, hi, turns);
    return turns;
}

}  // namespace

std::optional<double> highest_sign_change(const Polynomial& p, double lo, double hi) {
    const Polynomial q = lo >= 0 ? p.without_zero_roots() : p;
    const Roots turns = turning_points(q, lo, hi);
    // From the top down: the first monotonic piece whose ends differ in sign.
    double b = hi, fb = q(hi);
    for (int i = turns.count; i >= 0; --i) {
        const double a = i > 0 ? turns.value[i - 1] : lo;
        const double fa = q(a);
        if ((fa < 0 && fb > 0) || (fa > 0 && fb < 0)) {
            const Polynomial dq = q.derivative();
            return fa < 0 ? bracketed_root(q, dq, a, b) : bracketed_root(q, dq, b, a);
        }
        b = a;
        fb = fa;
    }
    return std::nullopt;
}

Roots sign_changes(const Polynomial& p, double lo, double hi) {
    Roots roots;
    if (lo >= 0) {
        // On x > 0, x^k q(x) changes sign where q does: solve the lower degree.
        add_sign_changes(p.without_zero_roots(), lo, hi, roots);
    } else {
        add_sign_changes(p, lo, hi, roots);
    }
    return roots;
}

}  // namespace enclavio
