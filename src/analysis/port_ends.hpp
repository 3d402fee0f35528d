// How a port's ends are finished: flanges, their end correction, their words
// in project and settings files and their captions.
#pragma once

#include <optional>
#include <string_view>

namespace enclavio {

enum class Flange { None, One, Two };
double end_correction(Flange f);                                // 0.614, 0.732, 0.85
std::string_view flange_word(Flange f);                         // "noflange", "oneflange", "twoflange"
std::optional<Flange> flange_from_word(std::string_view word);  // exact
std::string_view flange_item_caption(Flange f);                 // "&No ends flanged", ...
std::string_view flange_menu_caption(Flange f);                 // "&Port Flanges=0", ...
inline constexpr std::string_view kFlangeMenuStartCaption = "&Port Flanges-1";

}  // namespace enclavio
