#include "windows/palette.hpp"

#include <QPalette>
#include <QWidget>
#include <initializer_list>

namespace enclavio {

namespace {

// The roles a widget's text is drawn in: a label's, a field's, a button's.
constexpr std::initializer_list<QPalette::ColorRole> kTextRoles = {QPalette::WindowText, QPalette::Text,
                                                                   QPalette::ButtonText};

}  // namespace

QColor qc(Colour c) { return QColor(c.r, c.g, c.b); }

void set_text_colour(QWidget* widget, Colour c) {
    QPalette pal = widget->palette();
    for (QPalette::ColorRole role : kTextRoles) pal.setColor(role, qc(c));
    widget->setPalette(pal);
}

void set_enabled_text_colour(QWidget* widget, Colour c) {
    QPalette pal = widget->palette();
    const QColor colour = qc(c);
    bool changed = false;
    for (QPalette::ColorRole role : kTextRoles) {
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            if (pal.color(group, role) == colour) continue;
            pal.setColor(group, role, colour);
            changed = true;
        }
    }
    if (changed) widget->setPalette(pal);
}

void set_back_colour(QWidget* widget, Colour c) {
    QPalette pal = widget->palette();
    const QColor colour = qc(c);
    bool changed = false;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if (pal.color(group, QPalette::Base) != colour) changed = true;
    }
    if (!changed) return;
    pal.setColor(QPalette::Base, colour);
    widget->setPalette(pal);
}

void set_ground_colour(QWidget* widget, Colour c) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, qc(c));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

}  // namespace enclavio
