#include "windows/create_folder_window.hpp"
#include "forms/main_fields.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace enclavio {

Form6::Form6(MainForm& main, ModalOpener opener, QWidget* parent)
    : ModelDialog(std::move(opener), parent), model_(main.session, view_) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(qs(kCreateFolderCaption));

    label1_ = new QLabel(QStringLiteral("Create new folder under"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setTextFormat(Qt::PlainText);
    // A long path wraps at its slashes rather than being cut off.
    label1_->setWordWrap(true);
    label1_->setMinimumWidth(px(4800));
    label2_ = new QLabel(QStringLiteral("Name of new folder:"), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    label2_->setBuddy(text1_);

    command1_ = new QPushButton(QStringLiteral("&OK"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command2_ = new QPushButton(QStringLiteral("&Cancel"), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    for (QPushButton* b : {command1_, command2_}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1_);
    layout->addSpacing(px(120));
    layout->addWidget(label2_);
    layout->addWidget(text1_);
    layout->addSpacing(px(120));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    connect(text1_, &QLineEdit::textEdited, this, [this](const QString& t) { model_.Text1_Change(t.toStdString()); });
    connect(text1_, &QLineEdit::returnPressed, this, [this] {
        if (model_.Text1_KeyPress(kEnterKey)) QDialog::accept();
    });
    connect(command1_, &QPushButton::clicked, this, [this] {
        if (model_.Command1_Click()) QDialog::accept();
    });
    connect(command2_, &QPushButton::clicked, this, &Form6::reject);
}

void Form6::sync() {
    // A zero-width space after each "/" lets a long path break there.
    QString prompt = qs(model_.prompt());
    prompt.replace(QChar('/'), QStringLiteral("/\u200B"));
    label1_->setText(prompt);
    const QString name = qs(model_.name());
    if (text1_->text() != name) {
        const QSignalBlocker block(text1_);
        text1_->setText(name);
    }
    adjustSize();
}

void Form6::reject() {
    model_.Command2_Click();
    QDialog::reject();
}

void Form6::showEvent(QShowEvent* event) {
    place_window(this, 1.0 / 6.0, 0.5);
    text1_->setFocus();
    ModelDialog::showEvent(event);
}

}  // namespace enclavio
