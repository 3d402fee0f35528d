#include "windows/notes_window.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "windows/pictures.hpp"

namespace enclavio {

namespace {

// Picture1: a spiral-bound notepad with a pencil across it.
class NotepadPicture : public QWidget {
public:
    explicit NotepadPicture(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("Picture1"));
        setFixedSize(72, 84);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        drawing::fit(p, size(), {72, 84});

        // Shadow and pad.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRoundedRect(QRectF(12, 12, 52, 66), 3, 3);
        p.setPen(QPen(QColor(150, 130, 90), 1.0));
        p.setBrush(QColor(255, 250, 225));
        p.drawRoundedRect(QRectF(8, 8, 52, 66), 3, 3);
        // Header band.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 110, 170));
        p.drawRect(QRectF(8.5, 8.5, 51, 9));
        // Ruled lines and a red margin.
        p.setPen(QPen(QColor(150, 185, 225), 1.0));
        for (double y = 26; y <= 68; y += 7) p.drawLine(QLineF(12, y, 56, y));
        p.setPen(QPen(QColor(220, 110, 110), 1.0));
        p.drawLine(QLineF(18, 20, 18, 72));
        // Handwriting.
        p.setPen(QPen(QColor(60, 60, 90), 1.2, Qt::SolidLine, Qt::RoundCap));
        for (int row = 0; row < 4; ++row) {
            const double y = 24.5 + row * 7;
            const double end = row == 3 ? 38 : 52 - row * 3;
            QPainterPath scribble(QPointF(21, y));
            for (double x = 21; x < end; x += 4) scribble.quadTo(QPointF(x + 1, y - 2.2), QPointF(x + 2, y));
            p.setBrush(Qt::NoBrush);
            p.drawPath(scribble);
        }
        // Spiral rings.
        p.setPen(QPen(QColor(110, 110, 120), 1.6));
        p.setBrush(Qt::NoBrush);
        for (double x = 14; x <= 54; x += 8) p.drawArc(QRectF(x - 2.5, 4, 5, 8), 0, 180 * 16);

        // Pencil across the lower right corner.
        p.translate(50, 62);
        p.rotate(-40);
        p.setPen(QPen(QColor(120, 90, 20), 0.8));
        p.setBrush(QColor(250, 200, 50));
        p.drawRect(QRectF(-18, -3, 26, 6));
        p.setBrush(QColor(235, 150, 160));
        p.drawRect(QRectF(-23, -3, 5, 6));
        p.setBrush(QColor(200, 200, 205));
        p.drawRect(QRectF(-18.5, -3, 2, 6));
        QPolygonF tip;
        tip << QPointF(8, -3) << QPointF(15, 0) << QPointF(8, 3);
        p.setBrush(QColor(240, 215, 170));
        p.drawPolygon(tip);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(50, 50, 50));
        QPolygonF lead;
        lead << QPointF(12.6, -1) << QPointF(15, 0) << QPointF(12.6, 1);
        p.drawPolygon(lead);
    }
};

}  // namespace

FrmComments::FrmComments(MainForm& main, ModalOpener opener, QWidget* parent)
    : ModelDialog(main, std::move(opener), parent), model_(main, view_) {
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

void FrmComments::sync() {
    for (int n = 1; n <= kNotesLines; ++n) {
        QLineEdit* edit = text_[static_cast<std::size_t>(n)];
        const QString t = qs(main_.s.notes.lines[static_cast<std::size_t>(n - 1)]);
        if (edit->text() != t) {
            const QSignalBlocker block(edit);
            edit->setText(t);
        }
    }
}

void FrmComments::reject() {
    model_.Form_Close();
    QDialog::reject();
}

void FrmComments::showEvent(QShowEvent* event) {
    if (!placed_) {
        adjustSize();
        place_window(this, 0.3, 0.3);
        placed_ = true;
    }
    text_[1]->setFocus();
    ModelDialog::showEvent(event);
}

}  // namespace enclavio
