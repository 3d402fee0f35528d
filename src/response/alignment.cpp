#include "response/alignment.hpp"

#include <cmath>
#include <numbers>

namespace enclavio {

std::complex<double> vented_box_function(const VentedAlignment& a, double hz) {
    const double h = a.fb / a.fs;
    const double sh = std::sqrt(h);
    const double qq = a.qts * a.ql;
    const double a1 = (a.ql + h * a.qts) / (sh * qq);
    const double a2 = (h + (a.alpha + 1 + h * h) * qq) / (h * qq);
    const double a3 = (h * a.ql + a.qts) / (sh * qq);
    const std::complex<double> x(0, hz / std::sqrt(a.fs * a.fb));  // s T0
    const std::complex<double> x2 = x * x, x4 = x2 * x2;
    return x4 / (x4 + a1 * x2 * x + a2 * x2 + a3 * x + 1.0);
}

SealedAlignment sealed_alignment(double fs, double qts, double alpha) {
    const double r = std::sqrt(1 + alpha);
    return {fs * r, qts * r};
}

std::complex<double> sealed_box_function(const SealedAlignment& a, double hz) {
    const std::complex<double> x(0, hz / a.fc);  // s T
    return x * x / (x * x + x / a.qtc + 1.0);
}

}  // namespace enclavio
