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

// How one outside dimension relates to its inside one.
struct DimensionRule {
    std::string_view name;       // "depth", as the messages say it
    double BoxDesign::*outside;  // &BoxDesign::boxdepth
    double BoxDesign::*inside;   // &BoxDesign::innerdepth
    double walls;                // board thicknesses between them: the depth counts three (a double front)
    bool rounded;                // the solved outside size is rounded to a whole mm
    bool not_below_zero;         // a negative solved outside size is stored as 0
    bool stops_at_one_mm;        // the other two at exactly 1 mm stop the solver without a message
};

constexpr std::array<DimensionRule, 3> kDimensionRules = {{
    {"depth", &BoxDesign::boxdepth, &BoxDesign::innerdepth, 3, true, true, false},
    {"width", &BoxDesign::boxwidth, &BoxDesign::innerwidth, 2, true, false, true},
    {"height", &BoxDesign::boxheight, &BoxDesign::innerheight, 2, false, false, false},
}};

const DimensionRule& rule_of(BoxDimension dimension) { return kDimensionRules[static_cast<std::size_t>(dimension)]; }

// "Can't find box depth when width < 1 or has not been correctly validated".
std::string too_small(std::string_view solved, std::string_view other) {
    return "Can't find box " + std::string(solved) + " when " + std::string(other) +
           " < 1 or has not been correctly validated";
}

// Message when the integer division cannot be done (rounded divisor 0, or an
// operand outside the signed 32-bit range). The program defines none.
std::string division_refusal(std::string_view dimension) {
    return "Can't find box " + std::string(dimension) + ": the other dimensions are too small or the volume too large";
}

}  // namespace

SolveResult solve_dimension(BoxDesign& d, BoxDimension dimension) {
    const DimensionRule& solved = rule_of(dimension);
    // The other two, in the order depth, width, height.
    std::array<const DimensionRule*, 2> others{};
    std::size_t n = 0;
    for (const DimensionRule& rule : kDimensionRules) {
        if (&rule != &solved) others[n++] = &rule;
    }

    if (d.boxvol < 1) return refuse(too_small(solved.name, "volume"));
    for (const DimensionRule* other : others) {
        if (d.*other->outside < 1) return refuse(too_small(solved.name, other->name));
    }
    if (solved.stops_at_one_mm) {
        // A size of exactly 1 mm passes the checks above but leaves no inner
        // room to divide by: stop without a message and change nothing.
        for (const DimensionRule* other : others) {
            if (d.*other->outside <= 1) return refuse("");
        }
    }
    const double t = d.boxthickness;
    const double first_inside = d.*others[0]->outside - others[0]->walls * t;
    const double second_inside = d.*others[1]->outside - others[1]->walls * t;
    const auto q = integer_divide(d.boxvol * kMm3PerLitre, second_inside * first_inside);
    if (!q) return refuse(division_refusal(solved.name));
    d.*others[0]->inside = first_inside;
    d.*others[1]->inside = second_inside;
    d.*solved.inside = *q;
    double outside = solved.walls * t + *q;
    if (solved.rounded) outside = std::floor(outside + 0.5);
    if (solved.not_below_zero && outside < 0) outside = 0;
    d.*solved.outside = outside;
    return {true, ""};
}

}  // namespace enclavio
