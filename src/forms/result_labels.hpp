// The labels of the main window's results panel and of the cutting list as
// they stand before the first calculation fills them: each shows its own
// control name until then.
#pragma once

#include <string_view>

#include "analysis/analysis.hpp"
#include "cutting/cutting.hpp"

namespace enclavio {

// Control name of resonance n's label: (1) "Label7", (2) "Label21", ...
std::string_view resonance_label_name(int n);

// The results panel before the first analysis.
Results results_before_analysis();

// The cutting list before its first run.
CuttingList cutting_list_before_first_run();

}  // namespace enclavio
