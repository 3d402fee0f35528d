// Port end treatment: the flange choice and its end-correction factor.
#include "analysis/port_ends.hpp"

namespace enclavio {

namespace {
struct FlangeInfo {
    Flange flange;
    double factor;
    std::string_view word;
    std::string_view item_caption;
    std::string_view menu_caption;
};

constexpr FlangeInfo kFlanges[] = {
    {Flange::None, 0.614, "noflange", "&No ends flanged", "&Port Flanges=0"},
    {Flange::One, 0.732, "oneflange", "&One end flanged", "&Port Flanges=1"},
    {Flange::Two, 0.85, "twoflange", "&Both ends flanged", "&Port Flanges=2"},
};

const FlangeInfo& info(Flange f) {
    for (const auto& i : kFlanges) {
        if (i.flange == f) return i;
    }
    return kFlanges[1];
}
}  // namespace

double end_correction(Flange f) { return info(f).factor; }
std::string_view flange_word(Flange f) { return info(f).word; }
std::string_view flange_item_caption(Flange f) { return info(f).item_caption; }
std::string_view flange_menu_caption(Flange f) { return info(f).menu_caption; }

std::optional<Flange> flange_from_word(std::string_view word) {
    for (const auto& i : kFlanges) {
        if (i.word == word) return i.flange;
    }
    return std::nullopt;
}

}  // namespace enclavio
