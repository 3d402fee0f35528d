#include "forms/project_io.hpp"
#include "forms/main_fields.hpp"

#include <filesystem>
#include <system_error>

namespace enclavio {

namespace {}  // namespace

std::string main_caption(std::string_view projectname) { return "Enclavio - " + std::string(projectname); }

ProjectData project_from_session(const Session& s) {
    const BoxDesign& d = s.design;
    ProjectData p;
    p.boxdepth = d.boxdepth;
    p.boxwidth = d.boxwidth;
    p.boxheight = d.boxheight;
    p.boxvol = d.boxvol;
    p.driverdepth = d.driverdepth;
    p.driverdown = d.driverdown;
    p.driversideways = d.driversideways;
    p.drivers_text = s.main.text[MainField::Drivers].text;
    p.portlength = d.portlength;
    p.portdiameter = d.portdiameter;
    p.portwallthickness = d.portwallthickness;
    p.boxthickness = d.boxthickness;
    p.ports_text = s.main.text[MainField::Ports].text;
    p.driversize_text = s.main.combo_text;
    p.doublefront = s.main.check3;
    p.flange_word = std::string(flange_word(s.main.flange));
    p.notes = s.notes.lines;
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

void load_project(MainForm& m, const ProjectData& p, const ProjectPath& where) {
    Session& s = m.session;
    BoxDesign& d = s.design;

    // In the order of the file's lines: the texts of the two count fields run
    // their change handling with the values read so far.
    d.boxdepth = p.boxdepth;
    d.boxwidth = p.boxwidth;
    d.boxheight = p.boxheight;
    d.boxvol = p.boxvol;
    d.driverdepth = p.driverdepth;
    d.driverdown = p.driverdown;
    d.driversideways = p.driversideways;
    m.set_text(MainField::Drivers, p.drivers_text);
    d.portlength = p.portlength;
    d.portdiameter = p.portdiameter;
    d.portwallthickness = p.portwallthickness;
    d.boxthickness = p.boxthickness;
    m.set_text(MainField::Ports, p.ports_text);

    // Driver size: one of the list's texts selects that size with its
    // displacement, but the depth stays the one saved with the project, so a
    // reopened project is the one that was saved. Any other text selects no
    // size and keeps the displacement.
    if (const auto index = driver_size_index(p.driversize_text)) {
        const DriverSize& size = driver_sizes()[static_cast<std::size_t>(*index)];
        s.main.combo_index = *index;
        s.main.combo_text = std::string(size.text);
        d.drivervolume = size.volume;
    } else {
        s.main.combo_index = -1;
        s.main.combo_text = p.driversize_text;
    }
    d.driversize = s.main.combo_text;
    m.populate(LengthField::DriverDepth);

    // The check box's click handling runs only when its state changes.
    if (p.doublefront != s.main.check3) m.Check3_Click(p.doublefront);

    s.projectflange = p.flange_word;
    s.notes.lines = p.notes;
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
