// The thirteen fields of the main window, numbered as their controls are
// (PortLength is Text1, ... DriverSideways is Text13), which of them hold a
// measured length, and the key code that confirms a field.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "design/design.hpp"

namespace enclavio {

enum class MainField {
    PortLength = 1,
    PortDiameter = 2,
    PortWall = 3,
    Thickness = 4,
    Ports = 5,
    Depth = 6,
    Width = 7,
    Height = 8,
    Volume = 9,
    Drivers = 10,
    DriverDepth = 11,
    DriverDown = 12,
    DriverSideways = 13,
};

// Every field, in control order.
inline constexpr std::array<MainField, 13> kMainFields = [] {
    std::array<MainField, 13> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i) fields[i] = static_cast<MainField>(i + 1);
    return fields;
}();
static_assert(kMainFields.back() == MainField::DriverSideways, "every field is listed");

// The number in the field's control name ("Text6" is 6).
constexpr int control_number(MainField f) { return static_cast<int>(f); }
// The field's control name: "Text6" for Depth.
std::string control_name(MainField f);

// The field that shows a measured length, and the length a field shows (none
// for the port and driver counts and the internal volume).
MainField main_field(LengthField f);
std::optional<LengthField> length_field_of(MainField f);

// Depth, width and height: a change marks the field as edited for the
// dimension calculator.
constexpr bool is_box_dimension(MainField f) {
    return f == MainField::Depth || f == MainField::Width || f == MainField::Height;
}

// The key code a field's key-press handler gets for Enter.
inline constexpr int kEnterKey = 13;

}  // namespace enclavio
