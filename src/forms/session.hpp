// Everything the windows keep while the program runs: the design, the main
// window's fields, menus and results, and the state of every secondary window.
// Reports, project files and settings are written from here, never from widgets.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/analysis.hpp"
#include "cutting/cutting.hpp"
#include "design/design.hpp"
#include "forms/main_fields.hpp"
#include "forms/result_labels.hpp"
#include "storage/key_values.hpp"
#include "units/units.hpp"

namespace enclavio {

// A single-line text field of a window.
struct TextField {
    std::string text;
    Colour fore = colours::black;
    Colour back = colours::white;
    bool enabled = true;
    bool pending = false;
};

// The main window's thirteen fields, each reached by its MainField.
class MainFieldTexts {
public:
    TextField& operator[](MainField f) { return fields_[index(f)]; }
    const TextField& operator[](MainField f) const { return fields_[index(f)]; }
    // In control order.
    auto begin() { return fields_.begin(); }
    auto end() { return fields_.end(); }
    auto begin() const { return fields_.begin(); }
    auto end() const { return fields_.end(); }

private:
    static std::size_t index(MainField f) { return static_cast<std::size_t>(control_number(f) - 1); }
    std::array<TextField, kMainFields.size()> fields_;
};

// Form1.
struct MainState {
    MainFieldTexts text;
    std::vector<std::string> combo_items;
    int combo_index = -1;
    std::string combo_text;
    bool check3 = true;               // Double Thickness Front
    bool port_labels_enabled = true;  // Label2, Label3, Label4 (with Text1..Text3)
    Flange flange = Flange::One;
    std::string flange_caption{kFlangeMenuStartCaption};
    GraphOptions graph;          // mnu_onekhz/twokhz, shownums, highlight
    bool where = false;          // mnu_where ticked == Frame3 shown, Frame4 hidden
    bool notes_picture = false;  // Picture3 visible
    std::string caption = "Enclavio - default";
    bool populating = false;
    Results results = results_before_analysis();
    Graph graph_model;
};

// Form3: the cutting list window.
enum class PanelPicture { FrontDoubleBlank, FrontDouble, FrontSingle, Back };
struct CuttingState {
    bool show_exact = true;                                 // Option1 / Option2
    std::string arrow = "<--";                              // Label16: "<--" front view, "-->" back view
    PanelPicture picture = PanelPicture::FrontDoubleBlank;  // what Picture1 shows
    CuttingList list = cutting_list_before_first_run();
    std::array<std::string, kPanelCount> tooltips;  // Label1..Label8 tool tips (the hints)
    bool banner = false;                            // Label14 and Label15 shown
    std::string banner_text;                        // Label14 caption
    bool timer = false;                             // Timer1 enabled
};

// Form7: bracing. The choices themselves are in Session::bracing.
struct BracingState {
    bool picture_double = true;               // Picture1 shows the double-front drawing
    Colour edge_label = colours::pure_blue;   // Label2 text until Option1/Option2 is clicked
    Colour shelf_label = colours::pure_blue;  // Label3 text until option3/option4 is clicked
    bool note = false;                        // Label1 and Label6 shown (bracewarning)
};

// Form8: port details (shown and kept; no calculation reads them).
struct PortDetailsState {
    int outside = 1;  // 1 Option1 "Flanged and Flared", 2 Option2 "Flanged"
    int inside = 5;   // 5 "Flared", 6 "Free", 7 "Flanged", 8 "Flanged and Flared"
    std::string outside_radius = "25";
    std::string inside_radius = "20";
};

// frmComments.
struct NotesState {
    std::array<std::string, 8> lines;
    bool hasnotes = false;
};

// frmReport.
struct ReportState {
    bool check6 = true, check3 = true, check1 = true, check2 = true, check4 = true, check5 = true;
    bool check6_enabled = true, check1_enabled = true;
    std::string reportpath;
};

// Form2, Form5 and Form6: the project file windows.
struct FileWindowState {
    std::string folder;        // Dir1 path
    std::string name;          // Text1
    std::string saved_folder;  // folder shown when the window was opened (for Cancel)
};
struct FilesState {
    FileWindowState save;           // Form2
    FileWindowState open;           // Form5
    std::string new_folder_prompt;  // Form6 Label1
    std::string new_folder_name;    // Form6 Text1
    bool opened = false;            // the open window loaded a project this time
    bool saved = false;             // the save window wrote the project this time
};

struct Session {
    BoxDesign design;
    UnitMode mode = UnitMode::Metric;
    MainState main;
    BracingChoices bracing;
    BracingState bracing_window;
    PortDetailsState port_details;
    CuttingState cutting;
    NotesState notes;
    ReportState report;
    FilesState files;
    std::string projectname = "default";
    std::string projectpath;
    std::string projectflange;
    std::string lastfolder;
    std::string appdata_folder;  // where enclavio.ini and report.txt live
    // Named values after the project's 24 lines: read with a project, written
    // with it, so a value this build does not use is kept on the next save.
    KeyValues project_values;
    // Named values after the settings' six lines, read at start-up and
    // written at shut-down (window settings, recent projects, ...).
    KeyValues settings_values;
};

}  // namespace enclavio
