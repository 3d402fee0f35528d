// Small's normalised response functions of a driver in a vented and in a
// sealed box: the textbook forms the circuit of the model must agree with.
#pragma once

#include <complex>

namespace enclavio {

struct VentedAlignment {
    double fs = 0;     // driver resonance, hz
    double fb = 0;     // box tuning, hz
    double alpha = 0;  // Vas / Vb
    double qts = 0;
    double ql = 0;  // leakage losses
};

// G(s) = (sT0)^4 / ((sT0)^4 + a1 (sT0)^3 + a2 (sT0)^2 + a3 sT0 + 1) at s = j 2 pi hz,
// with h = Fb / Fs and T0 = 1 / (2 pi sqrt(Fs Fb)).
std::complex<double> vented_box_function(const VentedAlignment& a, double hz);

struct SealedAlignment {
    double fc = 0;  // hz
    double qtc = 0;
};
// A driver in a sealed box of compliance ratio alpha: fc = Fs sqrt(1 + alpha),
// Qtc = Qts sqrt(1 + alpha).
SealedAlignment sealed_alignment(double fs, double qts, double alpha);

// (sT)^2 / ((sT)^2 + sT / Qtc + 1) at s = j 2 pi hz, T = 1 / (2 pi fc).
std::complex<double> sealed_box_function(const SealedAlignment& a, double hz);

}  // namespace enclavio
