#include "cli/commands.hpp"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <system_error>
#include <utility>

#include "forms/bracing_form.hpp"
#include "forms/cutting_list_form.hpp"
#include "forms/main_form.hpp"
#include "forms/project_io.hpp"
#include "forms/report_form.hpp"
#include "forms/response_form.hpp"
#include "forms/sheet_layout_form.hpp"
#include "forms/tune_form.hpp"
#include "forms/view.hpp"
#include "sheets/texts.hpp"
#include "storage/files.hpp"
#include "storage/project.hpp"
#include "storage/report.hpp"
#include "storage/settings.hpp"

namespace enclavio {

namespace {

// ---- The program's windows, without windows -----------------------------------

// Shows no window: showing one runs what the user would do in it.
class CliView : public NullView {
public:
    std::map<Window, std::function<void()>> in_window;
    std::vector<std::string> messages;

    void show_message(std::string_view text) override { messages.emplace_back(text); }
    void show_modal(Window w) override {
        if (const auto it = in_window.find(w); it != in_window.end()) {
            const auto action = it->second;
            in_window.erase(it);
            action();
        }
    }
};

std::string current_folder() {
    std::error_code ec;
    const auto folder = std::filesystem::current_path(ec);
    return ec ? std::string() : folder.string();
}

// The design as the program would show it: start-up with no settings file
// (--units acting as the saved unit mode), the project opened as the Open
// window opens it, then the options as the windows would apply them.
// False when the project cannot be read.
bool build_design(MainForm& main, CliView& view, const DesignOptions& o, std::ostream& err) {
    LoadedSettings settings;
    if (o.units) settings.units = std::string(unit_mode_literal(*o.units));
    main.preset_settings = settings;
    main.startup();

    if (o.project) {
        const std::string path = *o.project;
        bool read = false;
        view.in_window[Window::Form5] = [&] {
            const auto data = read_project(path);
            if (!data) return;
            std::error_code ec;
            const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
            ProjectPath where;
            where.filename = std::filesystem::path(path).filename().string();
            where.path = ec ? path : absolute.string();
            load_project(main, *data, where);
            read = true;
        };
        main.mnu_open_Click();
        if (!read) {
            err << "Unable to open " << path << '\n';
            return false;
        }
    }

    if (o.flange) main.run_flange(*o.flange);
    if (o.numbers && !main.s.main.graph.shownums) main.mnu_shownums_Click();
    if (o.allowance) {
        view.in_window[Window::Form3] = [&] {
            CuttingForm cutting(main, view);
            cutting.Option2_Click();
            cutting.Command2_Click();
        };
        main.mnu_panels_Click();
    }
    if (o.shelf_braces || o.edge_bracing || o.shelf_bracing) {
        view.in_window[Window::Form7] = [&] {
            BracingForm bracing(main.s);
            if (o.shelf_braces) bracing.Text1_Change(*o.shelf_braces);
            if (o.edge_bracing) {
                bracing.Option2_Click();
                bracing.Text2_Change(*o.edge_bracing);
            }
            if (o.shelf_bracing) {
                bracing.option4_Click();
                bracing.Text3_Change(*o.shelf_bracing);
            }
        };
        main.mnu_bracing_Click();  // analyses when the window closes
    }
    main.res_wall2wall();
    return true;
}

// ---- Commands ------------------------------------------------------------------

int usage_error(std::ostream& err, const std::string& reason) {
    err << "enclavio-cli: " << reason << '\n' << cli_usage();
    return kCliUsage;
}

int report_command(const DesignOptions& o, std::ostream& out, std::ostream& err, const std::string& appdata) {
    CliView view;
    MainForm main(view, appdata, current_folder());
    if (!build_design(main, view, o, err)) return kCliFailed;

    int status = kCliOk;
    // The report window: the user clears check boxes, then generates.
    view.in_window[Window::frmReport] = [&] {
        Session& s = main.s;
        if (o.no_notes) s.report.check6 = false;
        if (o.no_cutting_list) s.report.check3 = false;
        if (o.no_hints) s.report.check1 = false;
        if (o.no_resonances) s.report.check2 = false;
        if (o.no_ports) s.report.check4 = false;
        if (o.no_driver) s.report.check5 = false;
        // As "&Generate Report" does: the cutting list is brought up to date
        // first, whether or not it goes into the report.
        do_panels(s.design, s.mode, s.cutting.show_exact, s.cutting.list);
        const ReportInput in = report_input(s, std::time(nullptr));
        if (o.output) {
            // The bytes the report window writes to report.txt: CR LF, the
            // file encoding. "-" and /dev/stdout are the standard output,
            // /dev/stderr the standard error, as they stand.
            const std::string& file = *o.output;
            if (file == "-" || file == "/dev/stdout") {
                out << report_file_bytes(in);
            } else if (file == "/dev/stderr") {
                err << report_file_bytes(in);
            } else if (const WriteResult written = write_report(file, in); !written) {
                err << kReportFailed << ": " << file << ": " << written.reason << '\n';
                status = kCliFailed;
            }
            return;
        }
        out << compose_report(in, "\n");
    };
    main.mnu_report_Click();
    out.flush();
    return status;
}

int tune_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const std::string& appdata) {
    // "tune -- HZ ..." takes everything after "--" as HZ and PROJECT.
    const bool options_ended = args.size() >= 2 && args[1] == "--";
    const std::size_t hz_at = options_ended ? 2 : 1;
    if (args.size() <= hz_at) return usage_error(err, "tune needs the tuning frequency in hz");
    const std::string& hz_text = args[hz_at];
    if (!options_ended && (hz_text == "--help" || hz_text == "-h")) {
        out << cli_help();
        return kCliOk;
    }
    std::vector<std::string> rest(args.begin() + static_cast<std::ptrdiff_t>(hz_at) + 1, args.end());
    if (options_ended) rest.insert(rest.begin(), "--");
    const DesignOptions o = parse_design_options(rest, 0, Command::Tune);
    if (o.help) {
        out << cli_help();
        return kCliOk;
    }
    const auto hz = number_of(hz_text);
    if (!hz) return usage_error(err, "bad tuning frequency: \"" + hz_text + "\" (hz, for example 32.5)");

    CliView view;
    MainForm main(view, appdata, current_folder());
    if (!build_design(main, view, o, err)) return kCliFailed;
    const TuneAnswer answer = tune_port(main.s, *hz);
    if (!answer.solved) {
        err << answer.message << '\n';
        return kCliFailed;
    }
    out << answer.text << '\n';
    if (!answer.note.empty()) err << answer.note << '\n';
    return kCliOk;
}

int sheets_command(const SheetOptions& o, std::ostream& out, std::ostream& err, const std::string& appdata) {
    CliView view;
    MainForm main(view, appdata, current_folder());
    DesignOptions design;
    design.units = o.units;
    design.project = o.project;
    if (!build_design(main, view, design, err)) return kCliFailed;

    const SheetSettings settings{o.board, o.boxes, o.allowance};
    const sheets::Layout layout = sheets::lay_out(sheet_pieces(main.s, settings), settings.board);
    if (layout.refusal) {
        err << sheets::refusal_text(layout, main.s.mode) << '\n';
        return kCliFailed;
    }
    out << (o.tsv ? sheets::layout_tsv(layout) : sheets::layout_text(layout, main.s.mode));
    out.flush();
    if (o.svg_prefix) {
        const SvgSave saved = save_layout_svg(layout, main.s.mode, *o.svg_prefix);
        if (!saved.failure.empty()) {
            err << saved.failure << '\n';
            return kCliFailed;
        }
    }
    return kCliOk;
}

// The driver: the project's parameters, then those the command line gives;
// as many drivers as the design has.
DriverParameters driver_of(const MainForm& main, const DesignOptions& o) {
    DriverParameters p = driver_parameters_from(main.s.project_values);
    for (const auto& [parameter, value] : o.driver) p.*driver_parameter(parameter).member = value;
    if (o.wiring) p.wiring = *o.wiring;
    p.count = main.s.design.drivercount;
    return p;
}

// The design and the driver for response and fit; the exit status when
// there are none.
std::optional<int> driver_in_box(MainForm& main, CliView& view, const DesignOptions& o, DriverParameters& p,
                                 std::ostream& err) {
    if (!build_design(main, view, o, err)) return kCliFailed;
    p = driver_of(main, o);
    const std::vector<DriverParameter> missing = missing_parameters(p);
    if (missing.empty()) return std::nullopt;
    if (missing.size() == 1 && missing[0] == DriverParameter::Count) {
        err << "The design has no drivers.\n";
        return kCliFailed;
    }
    return usage_error(err, missing_text(missing));
}

int response_command(const DesignOptions& o, std::ostream& out, std::ostream& err, const std::string& appdata) {
    if (o.span.from > o.span.to) return usage_error(err, "--from must not be above --to");
    CliView view;
    MainForm main(view, appdata, current_folder());
    DriverParameters p;
    if (const auto status = driver_in_box(main, view, o, p, err)) return *status;
    const std::optional<ResponseModel> model = response_model(p, main.s.design);
    if (!model) {
        err << why_no_response(p, box_acoustics(main.s.design)) << '\n';
        return kCliFailed;
    }
    out << "hz\tspl_db\tgroup_delay_ms\texcursion_mm\tport_velocity_m_s\timpedance_ohm\n";
    for (const ResponsePoint& r : response_curves(*model, o.span)) {
        out << general_number_text(r.hz) << '\t' << general_number_text(r.spl_db) << '\t'
            << general_number_text(r.group_delay_ms) << '\t' << general_number_text(r.excursion_mm) << '\t'
            << general_number_text(r.port_velocity_m_s) << '\t' << general_number_text(r.impedance_ohm) << '\n';
    }
    const ResponseFigures f = response_figures(*model);
    const auto or_none = [](const std::optional<double>& v) { return v ? general_number_text(*v) : "none"; };
    out << "# f3 " << or_none(f.f3) << '\n';
    out << "# f10 " << or_none(f.f10) << '\n';
    out << "# peak_db " << or_none(f.peak ? std::optional<double>(f.peak->value) : std::nullopt) << '\n';
    return kCliOk;
}

int fit_command(const DesignOptions& o, std::ostream& out, std::ostream& err, const std::string& appdata) {
    CliView view;
    MainForm main(view, appdata, current_folder());
    DriverParameters p;
    if (const auto status = driver_in_box(main, view, o, p, err)) return *status;
    const AnalysisInputs in = analysis_inputs(main.s);
    const DesignFit f = o.f3 ? box_for_target(p, main.s.design, in, *o.f3) : tune_this_box(p, main.s.design, in);
    if (!f.fit.found || !f.box.solved) {
        err << (f.fit.found ? f.box.reason : f.fit.reason) << '\n';
        return kCliFailed;
    }
    out << "working_volume_litres\t" << general_number_text(f.fit.working_volume) << '\n'
        << "tuning_hz\t" << general_number_text(f.fit.tuning) << '\n'
        << "f3_hz\t" << general_number_text(f.fit.f3) << '\n'
        << "depth_mm\t" << general_number_text(f.box.depth) << '\n'
        << "port_length_mm\t" << general_number_text(f.box.port_length) << '\n';
    return kCliOk;
}

int parse_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2)
        return usage_error(err, args.size() < 2 ? "parse needs a text" : "parse takes one text (quote it)");
    const ImperialParse p = parse_imperial(args[1]);
    if (!p.error.empty()) {
        err << p.error << '\n';
        return kCliFailed;
    }
    out << p.mm_text << '\n';
    return kCliOk;
}

int format_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2)
        return usage_error(err, args.size() < 2 ? "format needs millimetres" : "format takes one number");
    const ImperialFormat f = format_imperial(args[1]);
    out << f.feet_inches << '\n' << f.decimal_inches << '\n';
    if (!f.error.empty()) {
        err << f.error << '\n';
        return kCliFailed;
    }
    return kCliOk;
}

}  // namespace

int run_cli(std::vector<std::string> args, std::ostream& out, std::ostream& err, const std::string& appdata) {
    if (args.empty()) return usage_error(err, "no command given");
    const std::string& command = args[0];
    try {
        if (command == "--help" || command == "-h" || command == "help") {
            out << cli_help();
            return kCliOk;
        }
        if (command == "--version") {
            out << "enclavio-cli " << kVersion << '\n';
            return kCliOk;
        }
        // "--" ends the options here too: "format -- -12" formats "-12".
        if ((command == "parse" || command == "format") && args.size() >= 2 && args[1] == "--")
            args.erase(args.begin() + 1);
        if (command == "parse") return parse_command(args, out, err);
        if (command == "format") return format_command(args, out, err);
        if (command == "tune") return tune_command(args, out, err, appdata);
        if (command == "response" || command == "fit") {
            const DesignOptions o =
                parse_design_options(args, 1, command == "response" ? Command::Response : Command::Fit);
            if (o.help) {
                out << cli_help();
                return kCliOk;
            }
            return command == "response" ? response_command(o, out, err, appdata) : fit_command(o, out, err, appdata);
        }
        if (command == "report") {
            const DesignOptions o = parse_design_options(args, 1, Command::Report);
            if (o.help) {
                out << cli_help();
                return kCliOk;
            }
            return report_command(o, out, err, appdata);
        }
        if (command == "sheets") {
            const SheetOptions o = parse_sheet_options(args, 1);
            if (o.help) {
                out << cli_help();
                return kCliOk;
            }
            return sheets_command(o, out, err, appdata);
        }
        if (!command.empty() && command[0] == '-') return usage_error(err, "unknown option: " + command);
        return usage_error(err, "unknown command: " + command);
    } catch (const UsageError& e) {
        return usage_error(err, e.reason);
    }
}

}  // namespace enclavio
