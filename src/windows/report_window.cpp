#include "windows/report_window.hpp"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <functional>

#include "windows/drawings/report_picture.hpp"
#include "windows/palette.hpp"

namespace enclavio {

namespace {

QCheckBox* check(QWidget* parent, const char* name, const char* caption) {
    auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

}  // namespace

frmReport::frmReport(MainForm& main, ModalOpener opener, QWidget* parent)
    : ModelDialog(std::move(opener), parent), model_(main, view_) {
    setObjectName(QStringLiteral("frmReport"));
    setWindowTitle(qs(kReportCaption));

    auto* label1 = new QLabel(qs(kReportHeading), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label2_ = new QLabel(QStringLiteral("<full filename here>"), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setTextFormat(Qt::PlainText);
    label2_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = label2_->font();
    bold.setBold(true);
    label2_->setFont(bold);
    auto* label3 = new QLabel(qs(kReportAlways), this);
    label3->setObjectName(QStringLiteral("Label3"));

    check6_ = check(this, "Check6", "Include Notes");
    check3_ = check(this, "Check3", "Include Cutting List");
    check1_ = check(this, "Check1", "Include trimming instructions");
    check2_ = check(this, "Check2", "Include Resonances");
    check4_ = check(this, "Check4", "Include Port Details");
    check5_ = check(this, "Check5", "Include Driver Details");

    auto* label4 = new ClickLabel(QStringLiteral("Review Cutting List"), this);
    label4->setObjectName(QStringLiteral("Label4"));
    QFont underlined = label4->font();
    underlined.setUnderline(true);
    label4->setFont(underlined);
    set_text_colour(label4, colours::pure_blue);
    label4->setCursor(Qt::PointingHandCursor);
    label4->on_click = [this] {
        model_.Label4_Click();
        sync();
    };

    auto* command3 = new QPushButton(QStringLiteral("&Generate Report"), this);
    command3->setObjectName(QStringLiteral("Command3"));
    auto* command1 = new QPushButton(QStringLiteral("&Done"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    // The report just written, in the desktop's text editor.
    auto* open_report = new QPushButton(QStringLiteral("&Open Report"), this);
    open_report->setObjectName(QStringLiteral("openReport"));
    open_report->setAutoDefault(false);
    command3->setDefault(true);
    command1->setAutoDefault(false);

    auto* picture = new ReportPicture(this);

    // The sections, the trimming instructions indented under the cutting list.
    auto* sections = new QGridLayout;
    sections->setHorizontalSpacing(px(240));
    sections->setColumnMinimumWidth(0, px(300));
    sections->addWidget(label3, 0, 0, 1, 3);
    sections->addWidget(check6_, 1, 0, 1, 3);
    sections->addWidget(check3_, 2, 0, 1, 2);
    sections->addWidget(label4, 2, 2, Qt::AlignLeft);
    sections->addWidget(check1_, 3, 1, 1, 2);
    sections->addWidget(check2_, 4, 0, 1, 3);
    sections->addWidget(check4_, 5, 0, 1, 3);
    sections->addWidget(check5_, 6, 0, 1, 3);
    sections->setColumnStretch(2, 1);

    auto* middle = new QHBoxLayout;
    middle->addWidget(picture, 0, Qt::AlignTop);
    middle->addSpacing(px(240));
    middle->addLayout(sections, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(command3);
    buttons->addWidget(open_report);
    buttons->addWidget(command1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addWidget(label2_);
    layout->addSpacing(px(180));
    layout->addLayout(middle);
    layout->addSpacing(px(180));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    for (const auto& [box, section] : section_boxes()) {
        connect(box, &QCheckBox::toggled, this,
                [this, section = section](bool on) { model_.set_included(section, on); });
    }
    connect(command3, &QPushButton::clicked, this, [this] {
        model_.Command3_Click();
        sync();
    });
    connect(open_report, &QPushButton::clicked, this, [this] { model_.open_report(); });
    connect(command1, &QPushButton::clicked, this, [this] {
        if (model_.Command1_Click()) QDialog::accept();
    });

    // Form_Load: where the report goes.
    model_.Form_Load();
    sync();
}

std::array<std::pair<QCheckBox*, ReportSection>, 6> frmReport::section_boxes() const {
    return {{
        {check6_, ReportSection::Notes},
        {check3_, ReportSection::CuttingList},
        {check1_, ReportSection::TrimmingHints},
        {check2_, ReportSection::Resonances},
        {check4_, ReportSection::PortDetails},
        {check5_, ReportSection::DriverDetails},
    }};
}

void frmReport::sync() {
    const ReportState& r = model_.state();
    label2_->setText(qs(r.reportpath));
    for (const auto& [box, section] : section_boxes()) {
        const QSignalBlocker block(box);
        box->setChecked(model_.included(section));
    }
    check1_->setEnabled(r.check1_enabled);
    check6_->setEnabled(r.check6_enabled);
}

void frmReport::showEvent(QShowEvent* event) {
    placement_.on_show(this);
    ModelDialog::showEvent(event);
}

}  // namespace enclavio
