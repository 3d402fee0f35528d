// The program's icon, painted here so that the window has it wherever the
// program runs from, installed or straight from the build folder.
#pragma once

#include <QIcon>

class QPainter;

namespace enclavio {

// Paints the icon into a square `size` pixels wide: the drawing of
// packaging/enclavio.svg (the installed icon), a wooden box with a driver and
// two ports. A change to one belongs in the other.
void paint_app_icon(QPainter& painter, int size);

// The icon at the sizes desktops ask for.
QIcon app_icon();

}  // namespace enclavio
