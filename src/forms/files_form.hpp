// The project file windows (Form2 save, Form5 open, Form6 create folder).
#pragma once

#include "forms/main_form.hpp"
#include "forms/session.hpp"
#include "forms/view.hpp"

namespace enclavio {

// Start-up: create the save and open windows on lastfolder.
void files_windows_load(Session& s);
// Before each showing of the save window (name field = project name) and of
// the open window (empty name field); both remember the folder for Cancel and
// clear Session::files.opened.
void save_window_prepare(Session& s);
void open_window_prepare(Session& s);

}  // namespace enclavio
