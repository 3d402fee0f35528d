// The colours of the results and the graph, as red, green and blue.
#pragma once

#include <cstdint>

namespace enclavio {

struct Colour {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};

namespace colours {
inline constexpr Colour black{0, 0, 0};
inline constexpr Colour white{255, 255, 255};
inline constexpr Colour red{255, 0, 0};
inline constexpr Colour green{0, 128, 0};
inline constexpr Colour dark_red{128, 0, 0};
inline constexpr Colour olive{128, 128, 0};
inline constexpr Colour navy{0, 0, 128};
inline constexpr Colour grey{128, 128, 128};
inline constexpr Colour light_grey{224, 224, 224};
inline constexpr Colour silver{192, 192, 192};
inline constexpr Colour blue{55, 106, 240};
inline constexpr Colour dark_blue{0, 0, 192};
inline constexpr Colour pure_blue{0, 0, 255};
inline constexpr Colour light_orange{255, 224, 192};
inline constexpr Colour graph_background{253, 226, 166};
}  // namespace colours

}  // namespace enclavio
