// Form3's behaviour: the cutting list window.
#pragma once

#include "forms/main_form.hpp"
#include "forms/session.hpp"
#include "forms/view.hpp"

namespace enclavio {

// Before the window is shown (from the main menu or the report window): in the
// front view, put the front drawing for the current front type into Picture1;
// then do_panels.
void prepare_cutting_list(Session& s);

}  // namespace enclavio
