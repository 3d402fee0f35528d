// Drivers and boxes the response tests share.
#pragma once

#include "response/model.hpp"

namespace enclavio::fixture {

// A 10 inch subwoofer driver with ordinary data-sheet figures.
inline DriverParameters ten_inch() {
    DriverParameters p;
    p.fs = 28;
    p.qes = 0.42;
    p.qms = 6;
    p.vas = 60;
    p.re = 3.6;
    p.sd = 340;
    p.xmax = 11;
    return p;
}

// The same driver with Qms 8 and Qes chosen for a total Q of `qts`.
inline DriverParameters with_qts(double qts) {
    DriverParameters p = ten_inch();
    p.qms = 8;
    p.qes = qts * p.qms / (p.qms - qts);
    return p;
}

inline BoxAcoustics vented(double litres, double tuning) { return {litres, tuning, 2, 86}; }
inline BoxAcoustics sealed(double litres) { return {litres, 0, 0, 0}; }

}  // namespace enclavio::fixture
