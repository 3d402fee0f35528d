#include "windows/port_details_window.hpp"

#include "windows/palette.hpp"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace enclavio {

Form8::Form8(MainForm& main, ModalOpener opener, QWidget* parent)
    : ModelDialog(std::move(opener), parent), model_(main.session) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(qs(kPortDetailsCaption));
    set_ground_colour(this, colours::light_grey);

    auto make_frame = [this](const char* name, std::string_view caption) {
        auto* frame = new QGroupBox(qs(caption), this);
        frame->setObjectName(QString::fromLatin1(name));
        set_text_colour(frame, kPortFrameColour);
        return frame;
    };
    auto add_option = [this](QGroupBox* frame, QButtonGroup* group, QVBoxLayout* layout, const auto& o) {
        auto* button = new QRadioButton(qs(o.caption), frame);
        button->setObjectName(QStringLiteral("Option%1").arg(o.number));
        set_text_colour(button, colours::black);
        group->addButton(button);
        layout->addWidget(button);
        const int number = o.number;
        connect(button, &QRadioButton::clicked, this, [this, number] {
            model_.Option_Click(number);
            sync();
        });
        options_[static_cast<std::size_t>(number)] = button;
    };
    auto add_radius = [](QGroupBox* frame, QVBoxLayout* layout, const char* label_name, std::string_view caption,
                         const char* text_name) {
        auto* label = new QLabel(qs(caption), frame);
        label->setObjectName(QString::fromLatin1(label_name));
        set_text_colour(label, colours::black);
        auto* text = new QLineEdit(frame);
        text->setObjectName(QString::fromLatin1(text_name));
        text->setMaximumWidth(70);
        set_text_colour(text, colours::black);
        auto* row = new QHBoxLayout;
        row->addWidget(label);
        row->addWidget(text);
        row->addStretch();
        layout->addStretch();
        layout->addLayout(row);
        return text;
    };

    auto* frame1 = make_frame("Frame1", kOutsideEndCaption);
    auto* l1 = new QVBoxLayout(frame1);
    auto* outside = new QButtonGroup(frame1);
    for (const auto& o : kOutsideEndOptions) add_option(frame1, outside, l1, o);
    text1_ = add_radius(frame1, l1, "Label1", kOutsideRadiusCaption, "Text1");

    auto* frame2 = make_frame("Frame2", kInsideEndCaption);
    auto* l2 = new QVBoxLayout(frame2);
    auto* inside = new QButtonGroup(frame2);
    for (const auto& o : kInsideEndOptions) add_option(frame2, inside, l2, o);
    text2_ = add_radius(frame2, l2, "Label2", kInsideRadiusCaption, "Text2");

    connect(text1_, &QLineEdit::textEdited, this, [this](const QString& t) { model_.Text1_Change(t.toStdString()); });
    connect(text2_, &QLineEdit::textEdited, this, [this](const QString& t) { model_.Text2_Change(t.toStdString()); });

    auto* picture1 = new PortEndsPicture(this);
    picture1->setObjectName(QStringLiteral("Picture1"));

    auto* command1 = new QPushButton(qs(kPortDetailsOkCaption), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setDefault(true);
    connect(command1, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(frame1, 0, 0);
    layout->addWidget(frame2, 0, 1);
    layout->addWidget(picture1, 1, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1);
    layout->addLayout(buttons, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    sync();
    adjustSize();
    place_window(this, 0.25, 0.25);
}

void Form8::sync() {
    for (std::size_t n = 0; n < options_.size(); ++n) {
        if (options_[n] != nullptr) options_[n]->setChecked(model_.selected(static_cast<int>(n)));
    }
    if (text1_->text() != qs(model_.text1())) text1_->setText(qs(model_.text1()));
    if (text2_->text() != qs(model_.text2())) text2_->setText(qs(model_.text2()));
}

}  // namespace enclavio
