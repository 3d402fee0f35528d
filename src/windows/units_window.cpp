#include "windows/units_window.hpp"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "windows/palette.hpp"

namespace enclavio {

frmUnits::frmUnits(MainForm& main, ModalOpener opener, QWidget* parent)
    : ModelDialog(std::move(opener), parent), model_(main) {
    setObjectName(QStringLiteral("frmUnits"));
    setWindowTitle(qs(kUnitsCaption));

    auto* layout = new QVBoxLayout(this);
    auto* group = new QButtonGroup(this);
    for (std::size_t i = 0; i < options_.size(); ++i) {
        const UnitOption& o = unit_options()[i];
        auto* option = new QRadioButton(qs(o.caption), this);
        option->setObjectName(qs(o.control));
        group->addButton(option);
        layout->addWidget(option);
        const UnitMode mode = o.mode;
        connect(option, &QRadioButton::clicked, this, [this, mode] {
            model_.Option_Click(mode);
            sync();
        });
        options_[i] = option;
    }

    frame2_ = new QGroupBox(qs(kUnitsRulesCaption), this);
    frame2_->setObjectName(qs(kUnitsRulesFrame));
    auto* rules = new QVBoxLayout(frame2_);
    rules->setSpacing(4);
    for (std::size_t i = 0; i < rules_.size(); ++i) {
        const UnitRule& r = unit_rules()[i];
        auto* label = new QLabel(qs(r.caption), frame2_);
        label->setObjectName(qs(r.control));
        label->setTextFormat(Qt::PlainText);
        rules->addWidget(label);
        rules_[i] = label;
    }
    layout->addSpacing(6);
    layout->addWidget(frame2_);

    command1_ = new QPushButton(qs(kUnitsOkCaption), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setDefault(true);
    connect(command1_, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    sync();
    adjustSize();
    place_window(this, 0.2, 0.4);
}

void frmUnits::sync() {
    const UnitMode mode = model_.selected();
    for (std::size_t i = 0; i < options_.size(); ++i) {
        options_[i]->setChecked(unit_options()[i].mode == mode);
    }
    const UnitRuleColours colours = model_.rule_colours();
    set_text_colour(frame2_, colours.frame);
    for (QLabel* label : rules_) set_text_colour(label, colours.labels);
}

}  // namespace enclavio
