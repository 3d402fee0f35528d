// The secondary windows, created hidden at start-up or on first use.
#pragma once

#include <memory>

#include "forms/main_form.hpp"
#include "windows/qt_view.hpp"

namespace enclavio {

// Creates the secondary window `w` (hidden), with its own form over `main`.
std::unique_ptr<ModelDialog> make_dialog(Window w, MainForm& main, ModalOpener opener, QWidget* parent);

}  // namespace enclavio
