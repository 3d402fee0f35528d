#include "forms/result_labels.hpp"

namespace enclavio {

namespace {

// Indexed by resonance number; [0] unused. The labels stand in the results
// panel in number order, but were named as they were added.
constexpr std::string_view kResonanceLabels[kResonanceCount + 1] = {
    "", "Label7", "Label21", "Label8", "Label22", "Label20", "Label9", "Label17", "Label10", "Label23",
};

}  // namespace

std::string_view resonance_label_name(int n) {
    if (n < 1 || n > kResonanceCount) return {};
    return kResonanceLabels[n];
}

Results results_before_analysis() {
    Results r;
    for (int n = 1; n <= kResonanceCount; ++n) r.resonance[n].caption = std::string(resonance_label_name(n));
    r.driver_and_total_line.caption = "Label28";
    return r;
}

CuttingList cutting_list_before_first_run() {
    CuttingList list;
    list.finished_line = "Label12";
    return list;
}

}  // namespace enclavio
