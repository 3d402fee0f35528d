// A settings file of any content, read by a freshly started main window; then
// its shut-down writes the file again. Checks: nothing non-finite reaches the
// design or a caption; each line applies as documented; the file written is
// exactly what the reader reads back, and a second start-up from it restores
// the same preferences.
#include <cstdint>
#include <string>
#include <string_view>

#include "forms/main_form.hpp"
#include "fuzz_common.hpp"
#include "storage/files.hpp"
#include "storage/settings.hpp"

using namespace enclavio;
using enclavio::fuzz::check;

namespace {

struct Preferences {
    std::string lastfolder;
    Flange flange;
    int range;
    bool shownums, highlight;
    UnitMode mode;
    friend bool operator==(const Preferences&, const Preferences&) = default;
};

Preferences preferences_of(const Session& s) {
    return {s.lastfolder, s.main.flange, s.main.graph.range, s.main.graph.shownums, s.main.graph.highlight, s.mode};
}

void check_session(const Session& s) {
    fuzz::check_finite_design(s.design);
    fuzz::check_results(s.main.results);
    for (int n = 1; n <= 13; ++n) {
        if (n != 5 && n != 10) fuzz::check_no_bad_number(s.main.text[n].text, "field text");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFolder appdata("settings-app");
    static const fuzz::ScratchFolder home("settings-home");
    const std::string path = settings_path(appdata.str());
    fuzz::put_bytes(path, reinterpret_cast<const char*>(data), size);

    const LoadedSettings loaded = load_settings(path);

    fuzz::FuzzView view;
    MainForm m(view, appdata.str(), home.str());
    m.startup();
    check_session(m.s);

    // Each line applied as documented; a missing or unknown one keeps its default.
    const Preferences got = preferences_of(m.s);
    check(got.lastfolder == loaded.lastfolder.value_or(home.str()), "line 1: lastfolder", got.lastfolder);
    const auto flange = loaded.flange ? flange_from_word(*loaded.flange) : std::nullopt;
    check(got.flange == flange.value_or(Flange::One), "line 2: port ends");
    check(got.range == (loaded.range == "2000" ? 2000 : 1000), "line 3: graph range");
    check(got.shownums == (loaded.shownums == "show"), "line 4: identifying numbers");
    check(got.highlight == (!loaded.highlight || *loaded.highlight == "highlight"), "line 5: highlight");
    const auto mode = loaded.units ? unit_mode_from_literal(*loaded.units) : std::nullopt;
    check(got.mode == mode.value_or(UnitMode::Metric), "line 6: unit mode");

    // Shut-down writes six lines that read back as the session's preferences.
    m.shutdown();
    const auto bytes = read_whole_file(path);
    check(bytes.has_value(), "the settings file was written");
    const SettingsToSave saved{got.lastfolder, got.flange, got.range, got.shownums, got.highlight, got.mode, {}};
    check(*bytes == to_file_encoding(settings_file_text(saved)), "the file holds settings_file_text", *bytes);
    const LoadedSettings back = load_settings(path);
    check(back.lastfolder == got.lastfolder, "lastfolder reads back", back.lastfolder.value_or("<none>"));
    check(back.flange == std::string(flange_word(got.flange)), "port ends read back");
    check(back.range == std::to_string(got.range), "graph range reads back");
    check(back.shownums == std::string(got.shownums ? "show" : "noshow"), "identifying numbers read back");
    check(back.highlight == std::string(got.highlight ? "highlight" : "nohighlight"), "highlight reads back");
    check(back.units == std::string(unit_mode_literal(got.mode)), "unit mode reads back");

    // A second start-up restores the same preferences.
    MainForm again(view, appdata.str(), home.str());
    again.startup();
    check_session(again.s);
    check(preferences_of(again.s) == got, "a second start-up restores the preferences");
    return 0;
}
