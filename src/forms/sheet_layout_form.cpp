#include "forms/sheet_layout_form.hpp"

#include <charconv>

#include "storage/files.hpp"

#include "sheets/drawing.hpp"
#include "sheets/pieces.hpp"
#include "sheets/texts.hpp"

namespace enclavio {

namespace {

std::optional<bool> yes_no(const std::optional<std::string>& text) {
    if (text == "yes") return true;
    if (text == "no") return false;
    return std::nullopt;
}

std::optional<int> whole_number(const std::string& text) {
    int n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return n;
}

bool same_pieces(const std::vector<sheets::Piece>& a, const std::vector<sheets::Piece>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].name != b[i].name || a[i].first != b[i].first || a[i].second != b[i].second) return false;
    return true;
}

double& value_of(sheets::Board& b, SheetField field) {
    switch (field) {
        case SheetField::Across: return b.across;
        case SheetField::Along: return b.along;
        case SheetField::Kerf: return b.kerf;
        case SheetField::Trim: break;
    }
    return b.trim;
}

std::string_view not_a_number(SheetField field) {
    switch (field) {
        case SheetField::Across: return "The sheet's size across must be a plain number of millimetres, such as 2440.";
        case SheetField::Along: return "The sheet's size along must be a plain number of millimetres, such as 1220.";
        case SheetField::Kerf: return "The kerf must be a plain number of millimetres, such as 3.2.";
        case SheetField::Trim: break;
    }
    return "The trim must be a plain number of millimetres, such as 0 or 5.";
}

int index_of(const sheets::Board& b) {
    return sheets::board_preset_index(b.across, b.along).value_or(SheetLayoutForm::kCustomBoard);
}

}  // namespace

SheetSettings read_sheet_settings(const KeyValues& values) {
    SheetSettings s;
    sheets::Board board;
    const auto length = [&](std::string_view key, double& to) {
        if (const auto text = find_value(values, key))
            if (const auto mm = sheets::parse_millimetres(*text)) to = *mm;
    };
    length(sheet_keys::kAcross, board.across);
    length(sheet_keys::kAlong, board.along);
    length(sheet_keys::kKerf, board.kerf);
    length(sheet_keys::kTrim, board.trim);
    if (const auto turn = yes_no(find_value(values, sheet_keys::kTurn))) board.turning = *turn;
    if (!sheets::board_problem(board)) s.board = board;
    else s.board.turning = board.turning;
    if (const auto text = find_value(values, sheet_keys::kBoxes))
        if (const auto n = whole_number(*text); n && *n >= 1 && *n <= sheets::kMaxBoxes) s.boxes = *n;
    if (const auto allowance = yes_no(find_value(values, sheet_keys::kAllowance))) s.allowance = *allowance;
    return s;
}

void write_sheet_settings(KeyValues& values, const SheetSettings& settings) {
    const sheets::Board& b = settings.board;
    set_value(values, sheet_keys::kAcross, plain_text(b.across));
    set_value(values, sheet_keys::kAlong, plain_text(b.along));
    set_value(values, sheet_keys::kKerf, plain_text(b.kerf));
    set_value(values, sheet_keys::kTrim, plain_text(b.trim));
    set_value(values, sheet_keys::kTurn, b.turning ? "yes" : "no");
    set_value(values, sheet_keys::kBoxes, std::to_string(settings.boxes));
    set_value(values, sheet_keys::kAllowance, settings.allowance ? "yes" : "no");
}

std::vector<sheets::Piece> sheet_pieces(const Session& s, const SheetSettings& settings) {
    const int braces = sheets::shelf_braces_from_count(numeric_value(s.bracing.shelf_count_text));
    return sheets::design_pieces(s.design, !settings.allowance, settings.boxes, braces);
}

SvgSave save_layout_svg(const sheets::Layout& layout, UnitMode mode, std::string_view prefix) {
    SvgSave out;
    if (layout.refusal) return out;
    for (int s = 0; s < static_cast<int>(layout.sheets.size()); ++s) {
        const std::string path = sheets::sheet_svg_name(prefix, s);
        const WriteResult r = write_file_atomically(path, sheets::sheet_svg(sheets::draw_sheet(layout, s, mode)));
        if (!r) {
            out.failure = "Unable to save " + path + ": " + r.reason;
            break;
        }
        out.written.push_back(path);
    }
    return out;
}

SheetLayoutForm::SheetLayoutForm(Session& s, FormView& view, sheets::SearchOptions options)
    : s_(s), view_(view), options_(options), settings_(read_sheet_settings(s.settings_values)) {
    board_index_ = index_of(settings_.board);
    pieces_ = sheet_pieces(s_, settings_);
    mode_ = s_.mode;
    lay_out();
}

void SheetLayoutForm::lay_out() {
    layout_ = sheets::lay_out(pieces_, settings_.board, options_);
    ++layouts_made_;
}

void SheetLayoutForm::apply(const SheetSettings& next) {
    const bool changed = !(next == settings_);
    settings_ = next;
    if (!changed) return;
    write_sheet_settings(s_.settings_values, settings_);
    pieces_ = sheet_pieces(s_, settings_);
    mode_ = s_.mode;
    lay_out();
}

void SheetLayoutForm::select_board(int index) {
    if (index < 0 || index > kCustomBoard) return;
    board_index_ = index;
    if (index == kCustomBoard) return;  // the size stays until one is typed
    SheetSettings next = settings_;
    next.board.across = sheets::board_presets()[index].across;
    next.board.along = sheets::board_presets()[index].along;
    if (const auto problem = sheets::board_problem(next.board)) {
        // A trim too wide for the smaller sheet: the board stays as it was.
        view_.show_message(*problem);
        board_index_ = index_of(settings_.board);
        return;
    }
    apply(next);
}

bool SheetLayoutForm::enter(SheetField field, std::string_view text) {
    if ((field == SheetField::Across || field == SheetField::Along) && !size_fields_enabled()) return false;
    const std::optional<double> mm = sheets::parse_millimetres(text);
    if (!mm) {
        view_.show_message(not_a_number(field));
        return false;
    }
    SheetSettings next = settings_;
    value_of(next.board, field) = *mm;
    if (const auto problem = sheets::board_problem(next.board)) {
        view_.show_message(*problem);
        return false;
    }
    apply(next);
    return true;
}

void SheetLayoutForm::set_turning(bool on) {
    SheetSettings next = settings_;
    next.board.turning = on;
    apply(next);
}

bool SheetLayoutForm::set_boxes(int boxes) {
    if (boxes < 1 || boxes > sheets::kMaxBoxes) {
        view_.show_message("The number of boxes must be from 1 to " + std::to_string(sheets::kMaxBoxes) + ".");
        return false;
    }
    SheetSettings next = settings_;
    next.boxes = boxes;
    apply(next);
    return true;
}

void SheetLayoutForm::set_allowance(bool on) {
    SheetSettings next = settings_;
    next.allowance = on;
    apply(next);
}

bool SheetLayoutForm::design_changed() {
    std::vector<sheets::Piece> pieces = sheet_pieces(s_, settings_);
    const bool mode_changed = mode_ != s_.mode;
    mode_ = s_.mode;
    if (same_pieces(pieces, pieces_)) return mode_changed;
    pieces_ = std::move(pieces);
    lay_out();
    return true;
}

std::string SheetLayoutForm::field_text(SheetField field) const {
    sheets::Board b = settings_.board;
    return plain_text(value_of(b, field));
}

bool SheetLayoutForm::save_svg(std::string_view prefix) {
    if (layout_.refusal) {
        view_.show_message(sheets::refusal_text(layout_, mode_));
        return false;
    }
    const SvgSave saved = save_layout_svg(layout_, mode_, prefix);
    if (!saved.failure.empty()) view_.show_message(saved.failure);
    return saved.failure.empty();
}

std::string SheetLayoutForm::summary() const {
    if (layout_.refusal) return sheets::refusal_text(layout_, mode_);
    return sheets::count_text(layout_) + ". " + sheets::usage_text(layout_);
}

}  // namespace enclavio
