// Qt side of FormView, and the base of every secondary window.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QString>
#include <functional>
#include <memory>
#include <string_view>

#include "forms/main_form.hpp"
#include "forms/view.hpp"

class QKeyEvent;
class QWidget;

namespace enclavio {

QString qs(std::string_view text);

// Twips to pixels at 96 dpi (15 twips a pixel).
constexpr int px(int twips) { return twips / 15; }

// Moves a window to top = (screen height - window height) * top_fraction and
// left = (screen width - window width) * left_fraction.
void place_window(QWidget* window, double top_fraction, double left_fraction);

// Enter (or the keypad's Enter) on a focused push button presses it, as Space
// does. Called by each window for the key events its controls leave unhandled,
// so a focused button never hands Enter on to the window's default button.
// True when a button was pressed.
bool press_focused_button(QWidget* window, QKeyEvent* event);

// Runs a modal message box and returns the button pressed. Its text is plain
// text: a path or a name holding markup such as <b> or <a href=...> is shown
// as typed, never in bold or as a link.
QMessageBox::StandardButton run_message_box(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                            const QString& text, QMessageBox::StandardButtons buttons);

// A label that runs `on_click` when it is clicked (links, flip arrows).
class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> on_click;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && on_click) on_click();
        QLabel::mouseReleaseEvent(e);
    }
};

// Shows `w` (modally) as the main window asks; set by the main window.
using ModalOpener = std::function<void(Window)>;

// FormView for one widget: message boxes and questions parented on it,
// printing its image, opening addresses, and a refresh callback.
class QtFormView : public FormView {
public:
    QtFormView(QWidget* owner, ModalOpener opener, std::function<void()> on_refresh);
    void show_message(std::string_view text) override;
    bool ask_yes_no(std::string_view title, std::string_view text) override;
    void show_modal(Window w) override;
    void show_modeless(Window w) override;
    void print_window() override;
    void open_url(std::string_view url) override;
    bool open_file(std::string_view path) override;
    void refresh() override;
    SaveAnswer ask_save_changes(std::string_view text) override;
    void set_clipboard_text(std::string_view text) override;

private:
    QWidget* owner_;
    ModalOpener opener_;
    std::function<void()> on_refresh_;
};

// Prints the widget, painted at the printer's resolution and scaled to fit the
// page, on the default printer; where there is none, offers to save a PDF.
// Failures are reported in a message box.
void print_widget(QWidget* widget);

// A secondary window. It reaches the design only through its own form (built
// over the main window's model); it is hidden, never destroyed, by its own
// buttons; `sync` brings its controls up to date.
class ModelDialog : public QDialog {
public:
    ModelDialog(ModalOpener opener, QWidget* parent);
    virtual void sync() = 0;
    // The design may have changed in another window; a window that shows
    // something made from it while open beside the others brings it up to date.
    virtual void design_changed() {}
    // Runs the window modally; returns when it is hidden.
    void show_modal();

protected:
    void keyPressEvent(QKeyEvent* event) override;

    QtFormView view_;
};

}  // namespace enclavio
