// frmTune bound to its model, offscreen: typing solves at once, Apply goes
// through the port length field, refusals disable Apply, nothing is clipped.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <string>

#include "windows/frm_tune.hpp"
#include "qt_app.hpp"

namespace enclavio {
namespace {

class FrmTuneTest : public ::testing::Test {
protected:
    void SetUp() override {
        test_app();
        main_.preset_settings = LoadedSettings{};
        main_.startup();
        form_ = std::make_unique<frmTune>(main_, nullptr, nullptr);
    }

    template <class W>
    W* child(const char* name) {
        W* w = form_->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Types into the target field as the user would: select all, then keys.
    void type(const QString& text) {
        QLineEdit* field = child<QLineEdit>("Text1");
        field->setFocus();
        field->selectAll();
        QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
        QApplication::sendEvent(field, &del);
        for (QChar c : text) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &key);
        }
    }
    QString label(const char* name) { return child<QLabel>(name)->text(); }
    void save(const char* file) { form_->grab().save(QStringLiteral("/tmp/") + QString::fromLatin1(file)); }

    void expect_unclipped() {
        for (QLabel* l : form_->findChildren<QLabel*>()) {
            if (l->wordWrap() || l->text().isEmpty()) continue;
            EXPECT_GE(l->width(), QFontMetrics(l->font()).horizontalAdvance(l->text()))
                << l->objectName().toStdString();
        }
        QLabel* note = child<QLabel>("Label4");
        if (!note->text().isEmpty()) {
            EXPECT_GE(note->height(), note->heightForWidth(note->width()));
        }
        for (QPushButton* b : form_->findChildren<QPushButton*>()) {
            EXPECT_GE(b->width(), b->sizeHint().width()) << b->objectName().toStdString();
        }
        for (QWidget* w : form_->findChildren<QWidget*>()) {
            if (!w->isVisible()) continue;
            EXPECT_LE(w->geometry().right(), form_->width()) << w->objectName().toStdString();
            EXPECT_LE(w->geometry().bottom(), form_->height()) << w->objectName().toStdString();
        }
    }

    NullView view_;
    MainForm main_{view_, "", ""};
    std::unique_ptr<frmTune> form_;
};

TEST_F(FrmTuneTest, ControlsAndCaptions) {
    EXPECT_EQ(form_->objectName(), "frmTune");
    EXPECT_EQ(form_->windowTitle(), "Port length for a tuning");
    EXPECT_EQ(label("Label1"), "Target tuning (hz)");
    EXPECT_EQ(label("Label2"), "Port length");
    EXPECT_EQ(child<QPushButton>("Command1")->text(), "&Apply");
    EXPECT_EQ(child<QPushButton>("Command2")->text(), "&Cancel");
}

TEST_F(FrmTuneTest, OpensOnTheShownTuningAndSolvesAsTheUserTypes) {
    form_->show();
    QApplication::processEvents();
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), "29.4");
    EXPECT_EQ(label("Label3"), "826 mm");
    EXPECT_TRUE(child<QPushButton>("Command1")->isEnabled());
    expect_unclipped();
    save("frm_tune.png");

    type(QStringLiteral("3"));
    EXPECT_FALSE(child<QPushButton>("Command1")->isEnabled());
    EXPECT_TRUE(label("Label3").isEmpty());
    type(QStringLiteral("32"));
    EXPECT_TRUE(child<QPushButton>("Command1")->isEnabled());
    EXPECT_EQ(label("Label3").toStdString(), form_->model().state().length);
    EXPECT_TRUE(label("Label4").isEmpty());
}

TEST_F(FrmTuneTest, RefusalShowsTheReasonAndDisablesApply) {
    form_->show();
    type(QStringLiteral("10"));
    EXPECT_EQ(label("Label4"),
              "The box is too small for this port at 10 hz: no port length gives that tuning. "
              "A smaller port diameter or fewer ports will help.");
    EXPECT_FALSE(child<QPushButton>("Command1")->isEnabled());
    expect_unclipped();
    save("frm_tune_refused.png");
    child<QPushButton>("Command1")->click();
    EXPECT_TRUE(form_->isVisible());
    EXPECT_EQ(main_.s.main.text[1].text, "823");
}

TEST_F(FrmTuneTest, RoundingNoteIsShown) {
    form_->show();
    type(QStringLiteral("53"));
    EXPECT_EQ(label("Label4"), "Rounded to a whole millimetre, this length tunes the box to 52.9 hz.");
    EXPECT_TRUE(child<QPushButton>("Command1")->isEnabled());
    expect_unclipped();
    save("frm_tune_note.png");
}

TEST_F(FrmTuneTest, ApplyTypesTheLengthIntoThePortLengthField) {
    form_->show();
    type(QStringLiteral("31"));
    child<QPushButton>("Command1")->click();
    EXPECT_FALSE(form_->isVisible());
    EXPECT_EQ(main_.s.main.text[1].text, form_->model().state().answer.text);
    EXPECT_EQ(main_.s.main.results.label27.caption, "Tune  31hz");
}

TEST_F(FrmTuneTest, CancelChangesNothing) {
    form_->show();
    type(QStringLiteral("31"));
    child<QPushButton>("Command2")->click();
    EXPECT_FALSE(form_->isVisible());
    EXPECT_EQ(main_.s.main.text[1].text, "823");
    EXPECT_EQ(main_.s.main.results.label27.caption, "Tune  29.4hz");
}

TEST_F(FrmTuneTest, ImperialLengthFitsTheWindow) {
    main_.set_unit_mode(UnitMode::Inches);
    main_.populateall();
    form_->show();
    type(QStringLiteral("27.5"));
    EXPECT_TRUE(label("Label3").endsWith(" inches"));
    expect_unclipped();
    save("frm_tune_inches.png");
}

}  // namespace
}  // namespace enclavio
