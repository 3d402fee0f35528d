// The program's folder, where enclavio.ini and report.txt are kept.
#pragma once

#include <string>
#include <string_view>

namespace enclavio {

// Where both programs keep enclavio.ini and report.txt: $XDG_DATA_HOME/Enclavio
// when XDG_DATA_HOME is an absolute path, else $HOME/.local/share/Enclavio;
// empty when there is no home folder either. The bytes of both are kept as
// they are, so a home folder whose name is not UTF-8 is the same folder here.
std::string data_folder(std::string_view xdg_data_home, std::string_view home);
// The home folder of this process: $HOME, else the user's entry in the
// password database, else "/".
std::string home_folder_from_environment();
// data_folder of this process's environment.
std::string data_folder_from_environment();

}  // namespace enclavio
