#include "windows/tune_window.hpp"

#include <QDoubleValidator>
#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "windows/palette.hpp"

namespace enclavio {

namespace {

// Room for the longest reason the solver gives, wrapped, without the window
// changing size as the user types.
constexpr int kMessageLines = 4;
constexpr int kMessageChars = 44;

}  // namespace

frmTune::frmTune(MainForm& main, ModalOpener opener, QWidget* parent)
    : ModelDialog(std::move(opener), parent), model_(main) {
    setObjectName(QStringLiteral("frmTune"));
    setWindowTitle(qs(kTuneCaption));

    label1_ = new QLabel(qs(kTuneTargetCaption), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setMaxLength(20);
    label1_->setBuddy(text1_);

    label2_ = new QLabel(qs(kTuneLengthCaption), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label3_ = new QLabel(this);
    label3_->setObjectName(QStringLiteral("Label3"));
    label3_->setTextFormat(Qt::PlainText);
    QFont bold = label3_->font();
    bold.setBold(true);
    label3_->setFont(bold);
    set_text_colour(label3_, colours::dark_blue);

    label4_ = new QLabel(this);
    label4_->setObjectName(QStringLiteral("Label4"));
    label4_->setTextFormat(Qt::PlainText);
    label4_->setWordWrap(true);
    label4_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QFontMetrics metrics(label4_->font());
    label4_->setFixedWidth(metrics.averageCharWidth() * kMessageChars);
    label4_->setMinimumHeight(metrics.lineSpacing() * kMessageLines);

    command1_ = new QPushButton(qs(kTuneApplyCaption), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setDefault(true);
    command2_ = new QPushButton(qs(kTuneCancelCaption), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    command2_->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label1_, 0, 0);
    layout->addWidget(text1_, 0, 1);
    layout->addWidget(label2_, 1, 0);
    layout->addWidget(label3_, 1, 1);
    layout->addWidget(label4_, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    layout->addLayout(buttons, 3, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(text1_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.Text1_Change(text.toStdString());
        sync();
    });
    connect(command1_, &QPushButton::clicked, this, [this] {
        if (model_.Command1_Click()) accept();
    });
    connect(command2_, &QPushButton::clicked, this, [this] {
        if (model_.Command2_Click()) reject();
    });

    sync();
}

void frmTune::sync() {
    const TuneState& st = model_.state();
    const QString target = qs(st.target);
    if (text1_->text() != target) text1_->setText(target);
    label3_->setText(qs(st.length));
    label4_->setText(qs(st.message));
    set_text_colour(label4_, st.refused ? colours::red : colours::dark_blue);
    command1_->setEnabled(st.apply_enabled);
}

// Each showing works the length out again for the design as it is now.
void frmTune::showEvent(QShowEvent* event) {
    model_.Form_Show();
    sync();
    text1_->selectAll();
    text1_->setFocus();
    placement_.on_show(this);
    ModelDialog::showEvent(event);
}

}  // namespace enclavio
