// Between the running session and a project file: what a save writes, and what
// an open puts back into the main window. Used by the project windows and by
// the command-line program, so it knows no window.
#pragma once

#include <string>
#include <string_view>

#include "forms/main_form.hpp"
#include "forms/session.hpp"
#include "storage/project.hpp"

namespace enclavio {

// The main window's caption for a project name.
std::string main_caption(std::string_view projectname);

// The 24 lines as the session holds them: the stored design, the number of
// drivers and ports as typed, the driver size shown, the front, the port-end
// choice and the notes.
ProjectData project_from_session(const Session& s);

// The folder a project path lies in ("/" for a file in the root).
std::string project_folder(const ProjectPath& where);

// Puts a project read from `where` into the main window: stored values, the
// number of drivers and ports (their change handling runs), the driver size,
// the front (its click handling runs when it changes), the port-end word, the
// notes, then lastfolder, projectpath, projectname, caption, the save window's
// folder and the notes picture; marks the session as opened. The caller then
// redisplays every field, applies projectflange and recomputes the volume.
void load_project(MainForm& m, const ProjectData& p, const ProjectPath& where);

// What follows a load in the main window: every field redisplayed, the
// project's flange applied and the volume recomputed from the dimensions.
void finish_project_open(MainForm& m);

// Opens the project file at `path` exactly as named (a relative path from the
// working folder), as the Open window opens one it was given: a file that
// cannot be read is refused with "Unable to open " and the path, and the
// design stays as it was. True when the project was loaded.
bool open_project_file(MainForm& m, std::string_view path);

}  // namespace enclavio
