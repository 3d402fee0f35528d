// Colours on widgets: the one place where a window's text, field and
// background colours are put into a widget's palette.
#pragma once

#include <QColor>

#include "analysis/colour.hpp"

class QWidget;

namespace enclavio {

QColor qc(Colour c);

// Text colour of a label, button, frame caption or field, in every colour group.
void set_text_colour(QWidget* widget, Colour c);
// Text colour of a label or field that may be disabled: set in the active and
// inactive groups only, so a disabled control keeps the style's greyed text.
// Does nothing when the colour is already so (the main window sets it on
// every change of the design).
void set_enabled_text_colour(QWidget* widget, Colour c);
// Background of a text field, in every colour group. Does nothing when the
// colour is already so.
void set_back_colour(QWidget* widget, Colour c);
// Background of a window or a label, painted in every colour group.
void set_ground_colour(QWidget* widget, Colour c);

}  // namespace enclavio
