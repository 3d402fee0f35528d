#include "forms/port_details_form.hpp"

#include <optional>

namespace enclavio {

namespace {
// The end the option stands for, if it is one of `options`.
template <class End, std::size_t N>
std::optional<End> end_of(const std::array<PortEndOption<End>, N>& options, int number) {
    for (const auto& o : options) {
        if (o.number == number) return o.end;
    }
    return std::nullopt;
}
}  // namespace

void PortForm::Option_Click(int number) {
    if (const auto end = end_of(kOutsideEndOptions, number)) s_.port_details.outside = *end;
    if (const auto end = end_of(kInsideEndOptions, number)) s_.port_details.inside = *end;
}

bool PortForm::selected(int number) const {
    return end_of(kOutsideEndOptions, number) == s_.port_details.outside ||
           end_of(kInsideEndOptions, number) == s_.port_details.inside;
}

}  // namespace enclavio
