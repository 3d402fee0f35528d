#include "windows/qt_view.hpp"

#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QWidget>

#include "windows/printing.hpp"

namespace enclavio {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

void FirstPlacement::on_show(QWidget* window) {
    if (placed_) return;
    window->adjustSize();
    place_window(window, top_, left_);
    placed_ = true;
}

void place_window(QWidget* window, double top_fraction, double left_fraction) {
    const QScreen* screen = window->screen();
    if (screen == nullptr) return;
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size().expandedTo(window->sizeHint());
    window->move(area.left() + static_cast<int>((area.width() - size.width()) * left_fraction),
                 area.top() + static_cast<int>((area.height() - size.height()) * top_fraction));
}

QtFormView::QtFormView(QWidget* owner, ModalOpener opener, std::function<void()> on_refresh)
    : owner_(owner), opener_(std::move(opener)), on_refresh_(std::move(on_refresh)) {}

bool press_focused_button(QWidget* window, QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return false;
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods != Qt::NoModifier) return false;
    auto* button = qobject_cast<QPushButton*>(window->focusWidget());
    if (button == nullptr || !button->isVisible() || !button->isEnabled()) return false;
    button->click();
    event->accept();
    return true;
}

QMessageBox::StandardButton run_message_box(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                            const QString& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void QtFormView::show_message(std::string_view text) {
    run_message_box(owner_, QMessageBox::NoIcon, QStringLiteral("Enclavio"), qs(text), QMessageBox::Ok);
}

bool QtFormView::ask_yes_no(std::string_view title, std::string_view text) {
    return run_message_box(owner_, QMessageBox::Question, qs(title), qs(text), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

SaveAnswer QtFormView::ask_save_changes(std::string_view text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Enclavio"), qs(text),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, owner_);
    box.setTextFormat(Qt::PlainText);  // a project name is shown as typed
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save: return SaveAnswer::Save;
        case QMessageBox::Discard: return SaveAnswer::Discard;
        default: return SaveAnswer::Cancel;
    }
}

void QtFormView::set_clipboard_text(std::string_view text) { QGuiApplication::clipboard()->setText(qs(text)); }

void QtFormView::show_modal(Window w) {
    if (opener_) opener_(w);
}

// The opener knows which windows are modeless.
void QtFormView::show_modeless(Window w) {
    if (opener_) opener_(w);
}

void QtFormView::print_window() { print_widget(owner_->window()); }

void QtFormView::open_url(std::string_view url) { QDesktopServices::openUrl(QUrl(qs(url))); }

bool QtFormView::open_file(std::string_view path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(qs(path))); }

void QtFormView::refresh() {
    if (on_refresh_) on_refresh_();
}

void print_widget(QWidget* widget) {
    print_pages(widget, QStringLiteral("enclavio"), 1,
                [widget](QPainter& painter, const QRect& page, int) { paint_widget(painter, page, widget); });
}

ModelDialog::ModelDialog(ModalOpener opener, QWidget* parent)
    : QDialog(parent), view_(this, std::move(opener), [this] { sync(); }) {}

void ModelDialog::keyPressEvent(QKeyEvent* event) {
    if (press_focused_button(this, event)) return;
    QDialog::keyPressEvent(event);
}

void ModelDialog::show_modal() {
    sync();
    exec();
}

}  // namespace enclavio
