// What the benchmarks share: a scratch folder for the settings, report and
// project files, and a main-window model started the way the program starts it.
#pragma once

#include <string>

#include "forms/main_form.hpp"

namespace enclavio::bench {

// An empty folder of this run under the system's temporary folder; removed
// when the program ends.
const std::string& scratch_folder();

// A Form1 model without a window, started from an empty settings folder:
// the design and results every new user sees first.
MainForm& started_model();

}  // namespace enclavio::bench
