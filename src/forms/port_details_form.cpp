#include "forms/port_details_form.hpp"

#include <algorithm>

namespace enclavio {

const std::array<PortEndOption, 2>& outside_end_options() {
    static const std::array<PortEndOption, 2> options{{{1, "Flanged and Flared"}, {2, "Flanged"}}};
    return options;
}

const std::array<PortEndOption, 4>& inside_end_options() {
    static const std::array<PortEndOption, 4> options{
        {{5, "Flared"}, {6, "Free"}, {7, "Flanged"}, {8, "Flanged and Flared"}}};
    return options;
}

namespace {
template <std::size_t N>
bool offers(const std::array<PortEndOption, N>& options, int number) {
    return std::any_of(options.begin(), options.end(), [number](const PortEndOption& o) { return o.number == number; });
}
}  // namespace

void PortForm::Option_Click(int number) {
    if (offers(outside_end_options(), number)) s_.port_details.outside = number;
    if (offers(inside_end_options(), number)) s_.port_details.inside = number;
}

bool PortForm::selected(int number) const {
    return s_.port_details.outside == number || s_.port_details.inside == number;
}

}  // namespace enclavio
