// The design record and the rules that move values between field texts and it,
// plus the internal-volume and dimension calculator.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "units/units.hpp"

namespace enclavio {

inline constexpr const char* kVersion = "3.3";
// Who holds the copyright, and the licence the program is distributed under.
inline constexpr const char* kCopyright = "Copyright (C) 2026 The Enclavio developers";
inline constexpr const char* kLicence = "GPL-3.0-or-later";
// The closing lines of both programs' --version.
inline constexpr const char* kNoWarrantyLines =
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

// One box design. Lengths in millimetres, volumes in litres, in every unit mode.
struct BoxDesign {
    double boxdepth = 0, boxwidth = 0, boxheight = 0, boxthickness = 0;
    double portlength = 0, portdiameter = 0, portwallthickness = 0;
    double driverdepth = 0, driverdown = 0, driversideways = 0;
    double boxvol = 0;
    int doublefront = 0;  // 0 or 1
    double innerdepth = 0, innerwidth = 0, innerheight = 0;
    std::string driversize;
    double drivervolume = 0;
    // Analysis results.
    double portcount = 0, drivercount = 0;
    double portvolume = 0, edgebracing = 0, shelfbracing = 0, bracingvolume = 0;
    double componentvolume = 0, workingvolume = 0, endcorrection = 0, tunefrequency = 0;
};

// The ten measured length fields, in the order validateall runs them.
enum class LengthField {
    Depth,
    Width,
    Height,
    Thickness,
    PortLength,
    PortDiameter,
    PortWall,
    DriverDepth,
    DriverDown,
    DriverSideways
};
inline constexpr int kLengthFieldCount = 10;

struct LengthFieldInfo {
    LengthField field;
    std::string_view message_prefix;  // "Boxdepth field contains incorrect format: - "
    double BoxDesign::*member;        // &BoxDesign::boxdepth
};
const std::array<LengthFieldInfo, kLengthFieldCount>& length_fields();
const LengthFieldInfo& length_field(LengthField field);

// After a successful validate, does the field get rewritten in canonical form?
// The depth field in every mode but "metric"; the others only in "inches".
bool repopulates_after_validate(LengthField field, UnitMode mode);

// Driver sizes of the size list, indices 0 to 4.
struct DriverSize {
    std::string_view text;  // " 8 inch", "10 inch", ...
    double volume;          // litres per driver
    double depth;           // default front to mid-depth of cone, mm
};
const std::array<DriverSize, 5>& driver_sizes();
std::optional<int> driver_size_index(std::string_view text);  // exact match

// Internal volume from the external dimensions (the volume field's double
// click). Returns true when the dimensions were usable (all >= 1): only then
// are the edited-field backgrounds cleared.
bool compute_volume(BoxDesign& d);

// The dimension solver. On success the dimension is stored and `message` is empty;
// on refusal nothing is changed and `message` holds the text to show (it may be
// empty for a silent refusal).
struct SolveResult {
    bool solved = false;
    std::string message;
};
enum class BoxDimension { Depth, Width, Height };
// The outside size of `dimension` from the volume and the other two sizes.
SolveResult solve_dimension(BoxDesign& d, BoxDimension dimension);

}  // namespace enclavio
