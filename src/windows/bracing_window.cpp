#include "windows/bracing_window.hpp"

#include "windows/palette.hpp"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QPushButton>
#include <QRadialGradient>
#include <QRadioButton>
#include <QVBoxLayout>

namespace enclavio {

namespace {

QRadioButton* option(const char* name, std::string_view caption, QWidget* parent) {
    auto* o = new QRadioButton(qs(caption), parent);
    o->setObjectName(QString::fromLatin1(name));
    set_text_colour(o, colours::black);
    return o;
}

QLineEdit* field(const char* name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaximumWidth(80);
    return e;
}

void show_field(QLineEdit* edit, const TextField& f) {
    if (edit->text() != qs(f.text)) edit->setText(qs(f.text));
    edit->setEnabled(f.enabled);
    set_text_colour(edit, f.fore);
    set_back_colour(edit, f.back);
}

// One bracing part: its frame, the automatic volume, Auto and Manual, and
// the typed volume.
struct BracingGroup {
    QGroupBox* frame;
    QLabel* label;
    QRadioButton* automatic;
    QRadioButton* manual;
    QLineEdit* text;
    QGridLayout* grid;
};

BracingGroup bracing_group(QWidget* parent, const char* frame_name, std::string_view caption, Colour colour,
                           const char* label_name, const char* auto_name, const char* manual_name,
                           const char* text_name) {
    BracingGroup g{};
    g.frame = new QGroupBox(qs(caption), parent);
    g.frame->setObjectName(QString::fromLatin1(frame_name));
    set_text_colour(g.frame, colour);
    g.label = new QLabel(g.frame);
    g.label->setObjectName(QString::fromLatin1(label_name));
    g.automatic = option(auto_name, kBraceAutoCaption, g.frame);
    g.manual = option(manual_name, kBraceManualCaption, g.frame);
    g.text = field(text_name, g.frame);
    auto* group = new QButtonGroup(g.frame);
    group->addButton(g.automatic);
    group->addButton(g.manual);
    g.grid = new QGridLayout(g.frame);
    g.grid->addWidget(g.automatic, 0, 0);
    g.grid->addWidget(g.label, 0, 1);
    g.grid->addWidget(g.manual, 1, 0);
    g.grid->addWidget(g.text, 1, 1);
    g.grid->setColumnStretch(2, 1);
    return g;
}

void show_label(QLabel* label, const ResultLabel& l) {
    label->setText(qs(l.caption));
    set_text_colour(label, l.colour);
}

}  // namespace

Form7::Form7(MainForm& main, ModalOpener opener, QWidget* parent)
    : ModelDialog(std::move(opener), parent), model_(main.session) {
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(qs(kBracingCaption));
    set_ground_colour(this, colours::light_grey);

    // Pictures: Picture1 shows the drawing of Picture2 (double front) or of
    // Picture3 (single front); Picture4 the brace orientation.
    picture1_ = new BracingPicture(BracingPicture::Kind::DoubleFront, this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    auto* picture2 = new BracingPicture(BracingPicture::Kind::DoubleFront, this);
    picture2->setObjectName(QStringLiteral("Picture2"));
    picture2->hide();
    auto* picture3 = new BracingPicture(BracingPicture::Kind::SingleFront, this);
    picture3->setObjectName(QStringLiteral("Picture3"));
    picture3->hide();
    auto* picture4 = new BracingPicture(BracingPicture::Kind::Orientation, this);
    picture4->setObjectName(QStringLiteral("Picture4"));

    // Edge bracing, then shelf bracing: the same group of controls each.
    const BracingGroup edge =
        bracing_group(this, "Frame1", kEdgeFrameCaption, kEdgeFrameColour, "Label2", "Option1", "Option2", "Text2");
    frame1_ = edge.frame;
    label2_ = edge.label;
    option1_ = edge.automatic;
    option2_ = edge.manual;
    text2_ = edge.text;
    edge.grid->setRowStretch(2, 1);

    const BracingGroup shelf =
        bracing_group(this, "Frame2", kShelfFrameCaption, kShelfFrameColour, "Label3", "option3", "option4", "Text3");
    frame2_ = shelf.frame;
    label3_ = shelf.label;
    option3_ = shelf.automatic;
    option4_ = shelf.manual;
    text3_ = shelf.text;
    auto* label5 = new QLabel(qs(kShelfCountCaption), frame2_);
    label5->setObjectName(QStringLiteral("Label5"));
    set_text_colour(label5, colours::black);
    text1_ = field("Text1", frame2_);
    shelf.grid->addWidget(label5, 2, 0);
    shelf.grid->addWidget(text1_, 2, 1);

    // The note shown while either part is manual.
    label1_ = new QLabel(qs(kBracingNote1), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label6_ = new QLabel(qs(kBracingNote2), this);
    label6_->setObjectName(QStringLiteral("Label6"));
    for (QLabel* note : {label1_, label6_}) {
        set_text_colour(note, kBracingNoteColour);
        QSizePolicy policy = note->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        note->setSizePolicy(policy);
    }

    command1_ = new QPushButton(qs(kBracingOkCaption), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picture1_, 0, 0);
    layout->addWidget(picture4, 0, 1);
    layout->addWidget(frame1_, 1, 0);
    layout->addWidget(frame2_, 1, 1);
    layout->addWidget(label1_, 2, 0, 1, 2);
    layout->addWidget(label6_, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1_);
    layout->addLayout(buttons, 4, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    auto clicked = [this](QRadioButton* button, void (BracingForm::*handler)()) {
        connect(button, &QRadioButton::clicked, this, [this, handler] {
            (model_.*handler)();
            sync();
        });
    };
    clicked(option1_, &BracingForm::Option1_Click);
    clicked(option2_, &BracingForm::Option2_Click);
    clicked(option3_, &BracingForm::option3_Click);
    clicked(option4_, &BracingForm::option4_Click);
    connect(text1_, &QLineEdit::textEdited, this, [this](const QString& t) { model_.Text1_Change(t.toStdString()); });
    connect(text2_, &QLineEdit::textEdited, this, [this](const QString& t) { model_.Text2_Change(t.toStdString()); });
    connect(text3_, &QLineEdit::textEdited, this, [this](const QString& t) { model_.Text3_Change(t.toStdString()); });
    connect(command1_, &QPushButton::clicked, this, &QDialog::accept);

    sync();
    adjustSize();
    place_window(this, 1.0 / 6.0, 0.5);
}

void Form7::sync() {
    option1_->setChecked(!model_.edge_manual());
    option2_->setChecked(model_.edge_manual());
    option3_->setChecked(!model_.shelf_manual());
    option4_->setChecked(model_.shelf_manual());
    show_field(text1_, model_.text1());
    show_field(text2_, model_.text2());
    show_field(text3_, model_.text3());
    show_label(label2_, model_.label2());
    show_label(label3_, model_.label3());
    label1_->setVisible(model_.note_visible());
    label6_->setVisible(model_.note_visible());
    picture1_->set_kind(model_.picture_double() ? BracingPicture::Kind::DoubleFront
                                                : BracingPicture::Kind::SingleFront);
}

}  // namespace enclavio
