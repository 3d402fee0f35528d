// The Sheet Layout window's behaviour: the board settings, the layout of the
// design's panels on them, kept up to date as the settings or the design
// change. The settings are remembered between runs as named values of the
// settings file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/session.hpp"
#include "forms/view.hpp"
#include "sheets/layout.hpp"

namespace enclavio {

inline constexpr std::string_view kSheetLayoutCaption = "Sheet Layout";
inline constexpr std::string_view kSheetLayoutButtonCaption = "Sheet &Layout...";

// What the layout is made from besides the design.
struct SheetSettings {
    sheets::Board board;
    int boxes = 1;
    bool allowance = false;  // sizes with the trimming allowance, else exact
    bool operator==(const SheetSettings&) const = default;
};

// The names of the settings among the settings file's named values.
namespace sheet_keys {
inline constexpr std::string_view kAcross = "sheet.across";
inline constexpr std::string_view kAlong = "sheet.along";
inline constexpr std::string_view kKerf = "sheet.kerf";
inline constexpr std::string_view kTrim = "sheet.trim";
inline constexpr std::string_view kTurn = "sheet.turn";
inline constexpr std::string_view kBoxes = "sheet.boxes";
inline constexpr std::string_view kAllowance = "sheet.allowance";
}  // namespace sheet_keys

// The settings as stored: any value missing or unreadable keeps its default,
// and a board that cannot be used as a whole (a trim larger than the sheet)
// falls back to the default board.
SheetSettings read_sheet_settings(const KeyValues& values);
// Writes every setting, numbers in plain decimals, "yes" or "no".
void write_sheet_settings(KeyValues& values, const SheetSettings& settings);

// The pieces to lay out for the session's design: its panels, one shelf
// brace per brace counted in the bracing window, for each box.
std::vector<sheets::Piece> sheet_pieces(const Session& s, const SheetSettings& settings);

// Writes one SVG per sheet of a layout that was made, named by
// sheets::sheet_svg_name from `prefix` ("box" or "box.svg" gives box-1.svg,
// box-2.svg, ...). Stops at the first file that cannot be written.
struct SvgSave {
    std::vector<std::string> written;  // the files, in sheet order
    std::string failure;               // empty, or "Unable to save box-2.svg: Permission denied"
};
SvgSave save_layout_svg(const sheets::Layout& layout, UnitMode mode, std::string_view prefix);

// The board settings' fields, for messages and the window's order.
enum class SheetField { Across, Along, Kerf, Trim };

class SheetLayoutForm {
public:
    // Lays the design out at once with the remembered settings.
    SheetLayoutForm(Session& s, FormView& view, sheets::SearchOptions options = {});

    // The board size: a preset by its index in sheets::board_presets(), or
    // kCustomBoard to type the size (the fields start from the current size).
    static constexpr int kCustomBoard = sheets::kBoardPresetCount;
    void select_board(int index);
    // A length typed into a field, in millimetres. Text that is not a plain
    // number, or a value the board cannot take, is refused with a message
    // and nothing changes; false then. The size fields take effect only for
    // a custom board.
    bool enter(SheetField field, std::string_view text);
    void set_turning(bool on);
    // 1 to sheets::kMaxBoxes; anything else is refused with a message.
    bool set_boxes(int boxes);
    void set_allowance(bool on);

    // The design, the brace count or the unit mode may have changed in another
    // window: lays out again when the pieces differ. True when anything shown
    // changed (the layout, or the unit mode its words are in).
    bool design_changed();

    const SheetSettings& settings() const { return settings_; }
    // The preset in use, or kCustomBoard.
    int board_index() const { return board_index_; }
    bool size_fields_enabled() const { return board_index_ == kCustomBoard; }
    // A field's text: its value in plain decimal millimetres.
    std::string field_text(SheetField field) const;
    const sheets::Layout& layout() const { return layout_; }
    UnitMode mode() const { return mode_; }
    // "1 sheet (fewest possible). Board used: 57.3%", or why there is no layout.
    std::string summary() const;
    // "Save as &SVG...": the sheets as SVG files from the name chosen; a
    // failure is reported. True when every sheet was written.
    bool save_svg(std::string_view prefix);

    // How many times the layout has been made (each setting or design change).
    int layouts_made() const { return layouts_made_; }

private:
    // Stores the settings, remembers them, and lays out again.
    void apply(const SheetSettings& next);
    void lay_out();

    Session& s_;
    FormView& view_;
    sheets::SearchOptions options_;
    SheetSettings settings_;
    int board_index_ = 0;
    std::vector<sheets::Piece> pieces_;
    UnitMode mode_ = UnitMode::Metric;
    sheets::Layout layout_;
    int layouts_made_ = 0;
};

}  // namespace enclavio
