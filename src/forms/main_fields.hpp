// The thirteen fields of the main window, numbered as their controls are
// (PortLength is Text1, ... DriverSideways is Text13), and the key code that
// confirms a field.
#pragma once

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

// The control number of a field: its index in MainState::text.
constexpr int control_number(MainField f) { return static_cast<int>(f); }

// The key code a field's key-press handler gets for Enter.
inline constexpr int kEnterKey = 13;

}  // namespace enclavio
