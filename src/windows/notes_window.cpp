#include "windows/notes_window.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "windows/drawings/notepad_picture.hpp"

namespace enclavio {

namespace {}  // namespace

frmComments::frmComments(MainForm& main, ModalOpener opener, QWidget* parent)
    : ModelDialog(std::move(opener), parent), model_(main, view_) {
    setObjectName(QStringLiteral("frmComments"));
    setWindowTitle(qs(kNotesCaption));

    auto* lines = new QVBoxLayout;
    lines->setSpacing(px(60));
    for (int n = 1; n <= kNotesLines; ++n) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Text%1").arg(n));
        edit->setMinimumWidth(px(6600));
        connect(edit, &QLineEdit::textEdited, this,
                [this, n](const QString& t) { model_.Text_Change(n, t.toStdString()); });
        // Enter goes on to the next line rather than closing the window.
        connect(edit, &QLineEdit::returnPressed, this, [this, n] {
            if (n < kNotesLines) text_[static_cast<std::size_t>(n + 1)]->setFocus();
        });
        lines->addWidget(edit);
        text_[static_cast<std::size_t>(n)] = edit;
    }

    auto* picture = new NotepadPicture(this);
    command1_ = new QPushButton(QStringLiteral("&OK"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command2_ = new QPushButton(QStringLiteral("&Clear"), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    for (QPushButton* b : {command1_, command2_}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    auto* side = new QVBoxLayout;
    side->addWidget(picture, 0, Qt::AlignHCenter);
    side->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addLayout(side);
    top->addSpacing(px(120));
    top->addLayout(lines, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(command2_);
    buttons->addWidget(command1_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addSpacing(px(120));
    layout->addLayout(buttons);

    connect(command1_, &QPushButton::clicked, this, [this] {
        if (model_.Command1_Click()) QDialog::accept();
    });
    connect(command2_, &QPushButton::clicked, this, [this] {
        model_.Command2_Click();
        sync();
    });
    sync();
}

void frmComments::sync() {
    for (int n = 1; n <= kNotesLines; ++n) {
        QLineEdit* edit = text_[static_cast<std::size_t>(n)];
        const QString t = qs(model_.line(n));
        if (edit->text() != t) {
            const QSignalBlocker block(edit);
            edit->setText(t);
        }
    }
}

void frmComments::reject() {
    model_.Form_Close();
    QDialog::reject();
}

void frmComments::showEvent(QShowEvent* event) {
    placement_.on_show(this);
    text_[1]->setFocus();
    ModelDialog::showEvent(event);
}

}  // namespace enclavio
