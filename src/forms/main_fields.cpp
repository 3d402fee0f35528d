#include "forms/main_fields.hpp"

namespace enclavio {

namespace {

// Which field shows each measured length.
struct LengthPlace {
    LengthField length;
    MainField field;
};
constexpr LengthPlace kLengthPlaces[] = {
    {LengthField::Depth, MainField::Depth},           {LengthField::Width, MainField::Width},
    {LengthField::Height, MainField::Height},         {LengthField::Thickness, MainField::Thickness},
    {LengthField::PortLength, MainField::PortLength}, {LengthField::PortDiameter, MainField::PortDiameter},
    {LengthField::PortWall, MainField::PortWall},     {LengthField::DriverDepth, MainField::DriverDepth},
    {LengthField::DriverDown, MainField::DriverDown}, {LengthField::DriverSideways, MainField::DriverSideways},
};

}  // namespace

std::string control_name(MainField f) { return "Text" + std::to_string(control_number(f)); }

MainField main_field(LengthField f) {
    for (const auto& place : kLengthPlaces) {
        if (place.length == f) return place.field;
    }
    return MainField::Depth;  // not reached: every length has its field
}

std::optional<LengthField> length_field_of(MainField f) {
    for (const auto& place : kLengthPlaces) {
        if (place.field == f) return place.length;
    }
    return std::nullopt;
}

}  // namespace enclavio
