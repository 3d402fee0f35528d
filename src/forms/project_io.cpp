#include "forms/project_io.hpp"
#include "forms/main_fields.hpp"

#include <filesystem>
#include <system_error>

namespace enclavio {

std::string main_caption(std::string_view projectname) { return "Enclavio - " + std::string(projectname); }

ProjectData project_from_session(const Session& s) {
    ProjectData p;
    for (const ProjectLine& line : kProjectLines) {
        switch (line.kind) {
            case ProjectLineKind::Number: p.*line.number = s.design.*line.design; break;
            case ProjectLineKind::DriverCount: p.*line.text = s.main.text[MainField::Drivers].text; break;
            case ProjectLineKind::PortCount: p.*line.text = s.main.text[MainField::Ports].text; break;
            case ProjectLineKind::DriverSize: p.*line.text = s.main.combo_text; break;
            case ProjectLineKind::Front: p.doublefront = s.main.check3; break;
            case ProjectLineKind::PortEnds: p.*line.text = std::string(flange_word(s.main.flange)); break;
            case ProjectLineKind::Note: p.notes[line.note] = s.notes.lines[line.note]; break;
        }
    }
    p.extra = s.project_values;
    return p;
}

std::string project_folder(const ProjectPath& where) {
    const std::string& path = where.path;
    std::string folder;
    if (path.size() >= where.filename.size() &&
        path.compare(path.size() - where.filename.size(), std::string::npos, where.filename) == 0) {
        folder = path.substr(0, path.size() - where.filename.size());
    } else {
        const auto slash = path.find_last_of('/');
        folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    }
    // "/home/ann/" is "/home/ann"; the root keeps its "/".
    if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

namespace {

// Driver size: one of the list's texts selects that size with its
// displacement, but the depth stays the one saved with the project, so a
// reopened project is the one that was saved. Any other text selects no size
// and keeps the displacement.
void load_driver_size(MainForm& m, const std::string& text) {
    Session& s = m.session;
    if (const auto index = driver_size_index(text)) {
        const DriverSize& size = driver_sizes()[static_cast<std::size_t>(*index)];
        s.main.combo_index = *index;
        s.main.combo_text = std::string(size.text);
        s.design.drivervolume = size.volume;
    } else {
        s.main.combo_index = -1;
        s.main.combo_text = text;
    }
    s.design.driversize = s.main.combo_text;
    m.populate(LengthField::DriverDepth);
}

}  // namespace

void load_project(MainForm& m, const ProjectData& p, const ProjectPath& where) {
    Session& s = m.session;

    // In the order of the file's lines: the texts of the two count fields run
    // their change handling with the values read so far.
    for (const ProjectLine& line : kProjectLines) {
        switch (line.kind) {
            case ProjectLineKind::Number: s.design.*line.design = p.*line.number; break;
            case ProjectLineKind::DriverCount: m.set_text(MainField::Drivers, p.*line.text); break;
            case ProjectLineKind::PortCount: m.set_text(MainField::Ports, p.*line.text); break;
            case ProjectLineKind::DriverSize: load_driver_size(m, p.*line.text); break;
            case ProjectLineKind::Front:
                // The check box's click handling runs only when its state changes.
                if (p.doublefront != s.main.check3) m.Check3_Click(p.doublefront);
                break;
            case ProjectLineKind::PortEnds: s.projectflange = p.*line.text; break;
            case ProjectLineKind::Note: s.notes.lines[line.note] = p.notes[line.note]; break;
        }
    }
    s.project_values = p.extra;

    const std::string folder = project_folder(where);
    s.lastfolder = folder;
    s.projectpath = where.path;
    s.projectname = where.filename;
    s.main.caption = main_caption(s.projectname);
    std::error_code ec;
    if (!folder.empty() && std::filesystem::is_directory(folder, ec)) s.files.save.folder = folder;
    m.check_notes();
    s.files.opened = true;
}

void finish_project_open(MainForm& m) {
    m.populateall();
    if (const auto f = flange_from_word(m.session.projectflange)) m.run_flange(*f);
    m.Text9_DblClick();
}

bool open_project_file(MainForm& m, std::string_view path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path full = fs::absolute(fs::path(std::string(path)), ec);
    if (ec) full = fs::path(std::string(path));
    full = full.lexically_normal();
    ProjectPath where;
    where.path = full.string();
    where.filename = full.filename().string();
    const auto data = where.filename.empty() ? std::nullopt : read_project(where.path);
    if (!data) {
        m.view().show_message("Unable to open " + where.path);
        return false;
    }
    load_project(m, *data, where);
    finish_project_open(m);
    return true;
}

}  // namespace enclavio
