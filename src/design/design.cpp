// Design record tables, the internal-volume calculation and the dimension
// solvers.
#include "design/design.hpp"

#include <cmath>

namespace enclavio {

const std::array<LengthFieldInfo, kLengthFieldCount>& length_fields() {
    static const std::array<LengthFieldInfo, kLengthFieldCount> fields{{
        {LengthField::Depth, "Boxdepth field contains incorrect format: - ", &BoxDesign::boxdepth},
        {LengthField::Width, "Boxwidth field contains incorrect format: - ", &BoxDesign::boxwidth},
        {LengthField::Height, "Boxheight field contains incorrect format: - ", &BoxDesign::boxheight},
        {LengthField::Thickness, "Boxthickness field contains incorrect format: - ", &BoxDesign::boxthickness},
        {LengthField::PortLength, "Port length field contains incorrect format: - ", &BoxDesign::portlength},
        {LengthField::PortDiameter, "Port diameter field contains incorrect format: - ", &BoxDesign::portdiameter},
        {LengthField::PortWall, "Port wall thickness field contains incorrect format: - ",
         &BoxDesign::portwallthickness},
        {LengthField::DriverDepth, "Driver depth field contains incorrect format: - ", &BoxDesign::driverdepth},
        {LengthField::DriverDown, "Driver vertical offset field contains incorrect format: - ", &BoxDesign::driverdown},
        {LengthField::DriverSideways, "Driver horizontal offset field contains incorrect format: - ",
         &BoxDesign::driversideways},
    }};
    return fields;
}

const LengthFieldInfo& length_field(LengthField field) { return length_fields()[static_cast<std::size_t>(field)]; }

bool repopulates_after_validate(LengthField field, UnitMode mode) {
    if (field == LengthField::Depth) return mode != UnitMode::Metric;
    return mode == UnitMode::Inches;
}

const std::array<DriverSize, 5>& driver_sizes() {
    static const std::array<DriverSize, 5> sizes{{
        {" 8 inch", 1.0, 24.0},
        {"10 inch", 1.5, 30.0},
        {"12 inch", 2.5, 36.0},
        {"15 inch", 4.0, 45.0},
        {"18 inch", 6.5, 54.0},
    }};
    return sizes;
}

std::optional<int> driver_size_index(std::string_view text) {
    const auto& sizes = driver_sizes();
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        if (sizes[i].text == text) return static_cast<int>(i);
    }
    return std::nullopt;
}

bool compute_volume(BoxDesign& d) {
    if (d.boxdepth < 1 || d.boxwidth < 1 || d.boxheight < 1) {
        d.boxvol = 0;
        return false;
    }
    const double t = d.boxthickness;
    d.innerdepth = d.boxdepth - (d.doublefront + 2) * t;
    d.innerwidth = d.boxwidth - 2 * t;
    d.innerheight = d.boxheight - 2 * t;
    d.boxvol = d.innerheight * (d.innerwidth * d.innerdepth) / kMm3PerLitre;
    // Sizes beyond any real box overflow a double: stored as 0 like the rest.
    d.innerdepth = finite_or_zero(d.innerdepth);
    d.innerwidth = finite_or_zero(d.innerwidth);
    d.innerheight = finite_or_zero(d.innerheight);
    d.boxvol = finite_or_zero(d.boxvol);
    if (d.boxvol < 0) d.boxvol = 0;
    return true;
}

namespace {

SolveResult refuse(std::string message) { return {false, std::move(message)}; }

// Message when the integer division cannot be done (rounded divisor 0, or an
// operand outside the signed 32-bit range). The program defines none.
std::string division_refusal(std::string_view dimension) {
    return "Can't find box " + std::string(dimension) + ": the other dimensions are too small or the volume too large";
}

}  // namespace

SolveResult solve_depth(BoxDesign& d) {
    if (d.boxvol < 1) return refuse("Can't find box depth when volume < 1 or has not been correctly validated");
    if (d.boxwidth < 1) return refuse("Can't find box depth when width < 1 or has not been correctly validated");
    if (d.boxheight < 1) return refuse("Can't find box depth when height < 1 or has not been correctly validated");
    const double t = d.boxthickness;
    const double innerwidth = d.boxwidth - 2 * t;
    const double innerheight = d.boxheight - 2 * t;
    const auto q = integer_divide(d.boxvol * kMm3PerLitre, innerheight * innerwidth);
    if (!q) return refuse(division_refusal("depth"));
    d.innerwidth = innerwidth;
    d.innerheight = innerheight;
    d.innerdepth = *q;
    d.boxdepth = std::floor(3 * t + d.innerdepth + 0.5);
    if (d.boxdepth < 0) d.boxdepth = 0;
    return {true, ""};
}

SolveResult solve_width(BoxDesign& d) {
    if (d.boxvol < 1) return refuse("Can't find box width when volume < 1 or has not been correctly validated");
    if (d.boxdepth < 1) return refuse("Can't find box width when depth < 1 or has not been correctly validated");
    if (d.boxheight < 1) return refuse("Can't find box width when height < 1 or has not been correctly validated");
    const double t = d.boxthickness;
    // A depth or height of exactly 1 mm passes the checks above but leaves no
    // inner room to divide by: stop without a message and change nothing.
    if (d.boxdepth <= 1) return refuse("");
    if (d.boxheight <= 1) return refuse("");
    const double innerdepth = d.boxdepth - 3 * t;
    const double innerheight = d.boxheight - 2 * t;
    const auto q = integer_divide(d.boxvol * kMm3PerLitre, innerheight * innerdepth);
    if (!q) return refuse(division_refusal("width"));
    d.innerdepth = innerdepth;
    d.innerheight = innerheight;
    d.innerwidth = *q;
    d.boxwidth = std::floor(2 * t + d.innerwidth + 0.5);
    return {true, ""};
}

SolveResult solve_height(BoxDesign& d) {
    if (d.boxvol < 1) return refuse("Can't find box height when volume < 1 or has not been correctly validated");
    if (d.boxdepth < 1) return refuse("Can't find box height when depth < 1 or has not been correctly validated");
    if (d.boxwidth < 1) return refuse("Can't find box height when width < 1 or has not been correctly validated");
    const double t = d.boxthickness;
    const double innerdepth = d.boxdepth - 3 * t;
    const double innerwidth = d.boxwidth - 2 * t;
    const auto q = integer_divide(d.boxvol * kMm3PerLitre, innerwidth * innerdepth);
    if (!q) return refuse(division_refusal("height"));
    d.innerdepth = innerdepth;
    d.innerwidth = innerwidth;
    d.innerheight = *q;
    d.boxheight = 2 * t + d.innerheight;
    return {true, ""};
}

}  // namespace enclavio
