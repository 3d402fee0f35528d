// The analysis run: inner dimensions, the nine resonances and their graph,
// the volume budget, the volume lines and the port tuning.
#include "analysis/analysis.hpp"

#include <cmath>
#include <string>

#include "analysis/budget.hpp"

namespace enclavio {

namespace {

struct ResonanceText {
    std::string_view name;    // caption text before the number
    std::string_view unable;  // caption when it cannot be calculated
};

// Indexed by resonance number; [0] unused.
constexpr ResonanceText kResonances[kResonanceCount + 1] = {
    {"", ""},
    {"Port Resonance ", "Unable to calculate Port resonance"},
    {"Driver to bottom wall resonance ", "Unable to calculate Driver to bottom wall resonance"},
    {"Box top to bottom resonance ", "Unable to calculate Box top to bottom resonance"},
    {"Driver to top wall resonance ", "Unable to calculate Driver to top wall resonance"},
    {"Driver to rear wall resonance", "Unable to calculate Driver to rear wall resonance"},
    {"Box front to back resonance ", "Unable to calculate Box front to back resonance"},
    {"Driver to side wall-1 resonance ", "Unable to calculate Driver to side wall-1 resonance"},
    {"Box side to side resonance ", "Unable to calculate Box side to side resonance"},
    {"Driver to side wall-2 resonance ", "Unable to calculate Driver to side wall-2 resonance"},
};

constexpr std::string_view kPortNotApplicable = "Port resonance not applicable";

enum class Kind { HalfWave, Driver };

// One resonance: computed and drawn when its conditions hold and its
// frequency fits, otherwise its "Unable to calculate" text in red.
void resonance(int n, bool conditions, Kind kind, double path, const GraphOptions& options, Graph& graph,
               Results& results) {
    ResultLabel& label = results.resonance[n];
    std::optional<std::int16_t> f;
    if (conditions) {
        f = kind == Kind::HalfWave ? half_wave_frequency(path) : driver_frequency(path);
    }
    if (!f) {
        label.colour = colours::red;
        label.caption = std::string(kResonances[n].unable);
        return;
    }
    label.colour = graph.drawres(*f, n, options);
    std::string caption;
    if (options.shownums) caption = "(" + std::to_string(n) + ") ";
    caption += kResonances[n].name;
    caption += number_text(*f);
    caption += " hz";
    label.caption = std::move(caption);
}

}  // namespace

Results::Results() {
    for (int n = 1; n <= kResonanceCount; ++n) {
        resonance[n] = ResultLabel{"", colours::black, true};
    }
    resonance[1].colour = colours::dark_blue;
}

void res_wall2wall(BoxDesign& d, const AnalysisInputs& in, Graph& graph, Results& results) {
    const GraphOptions& opt = in.graph;
    graph.clear_and_draw_axis();

    compute_inner_dimensions(d);
    const double t = d.boxthickness;

    // Driver distances: front panel(s) to mid-cone, top panel to centre, side offset.
    const double gc = std::fabs(d.driverdepth - (d.doublefront + 1) * t);
    const double gt = std::fabs(d.driverdown - t);
    const double gs = std::fabs(d.driversideways);
    const double half_width = d.innerwidth / 2;

    resonance(3, d.innerheight > 5, Kind::HalfWave, d.innerheight, opt, graph, results);
    resonance(6, d.innerdepth > 5, Kind::HalfWave, d.innerdepth, opt, graph, results);
    resonance(8, d.innerwidth > 5, Kind::HalfWave, d.innerwidth, opt, graph, results);
    resonance(5, d.innerdepth > gc + 3, Kind::Driver, d.innerdepth - gc, opt, graph, results);
    resonance(2, gt < d.boxheight && d.innerheight > gt + 3, Kind::Driver, d.innerheight - gt, opt, graph, results);
    resonance(4, gt > 3 && gt < d.boxheight, Kind::Driver, gt, opt, graph, results);
    resonance(7, half_width + gs > 5, Kind::Driver, half_width + gs, opt, graph, results);
    resonance(9, half_width > gs + 5, Kind::Driver, half_width - gs, opt, graph, results);

    // Counts, port volume, bracing, component and working volumes.
    compute_volume_budget(d, in);
    results.edge_caption = number_text(truncate_to(d.edgebracing, 2));
    results.shelf_caption = number_text(truncate_to(d.shelfbracing, 2));

    // Volume lines.
    const std::string unit(volume_suffix(in.mode));
    auto vol = [&](double litres) { return volume_text(in.mode, litres); };
    std::string ports_line;
    if (d.portcount > 0) ports_line = "Ports =" + vol(d.portvolume) + unit + "    ";
    results.ports_and_bracing_line.caption = ports_line + "Bracing =" + vol(d.bracingvolume) + unit;
    results.driver_and_total_line.caption = "Driver = " + vol(d.drivercount * d.drivervolume) + unit + "    " +
                                            "   Total = " + vol(d.componentvolume) + unit;
    results.working_volume_line.caption = "Working Vol " + vol(d.workingvolume) + unit;

    const bool has_ports = d.portcount != 0;
    results.resonance[1].enabled = has_ports;
    results.tuning_line.enabled = has_ports;

    // The port resonance.
    if (d.portcount > 0) {
        resonance(1, d.portlength > 5, Kind::HalfWave, d.portlength, opt, graph, results);
    } else {
        results.resonance[1].caption = std::string(kPortNotApplicable);
    }

    d.endcorrection = end_correction(in.flange);
    d.tunefrequency = tuning_frequency(d);
    results.tuning_line.caption = "Tune " + number_text(d.tunefrequency) + "hz";
}

}  // namespace enclavio
