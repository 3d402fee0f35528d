// frmTune bound to its model, offscreen: typing solves at once, Apply goes
// through the port length field, refusals disable Apply, nothing is clipped.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QPushButton>
#include <memory>

#include "project_windows_test_support.hpp"
#include "windows/frm_tune.hpp"

namespace enclavio {
namespace {

using namespace window_testing;

class FrmTuneTest : public ::testing::Test {
protected:
    NullView view;
    MainForm main{view, "", ""};
    std::unique_ptr<frmTune> form;

    void SetUp() override {
        app();
        main.preset_settings = LoadedSettings{};
        main.startup();
        form = std::make_unique<frmTune>(main, nullptr, nullptr);
        form->show();
        QApplication::processEvents();
    }
    // Types into the target field as the user would: select all, then keys.
    void type(const QString& text) {
        form->show();
        QLineEdit* field = child<QLineEdit>(form.get(), "Text1");
        field->setFocus();
        field->selectAll();
        QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
        QApplication::sendEvent(field, &del);
        for (QChar c : text) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &key);
        }
    }
    QPushButton* button(const char* name) { return child<QPushButton>(form.get(), name); }
};

TEST_F(FrmTuneTest, OpensOnTheShownTuningAndSolvesAsTheUserTypes) {
    EXPECT_EQ(form->windowTitle(), "Port length for a tuning");
    expect_texts(form.get(), {{"Label1", "Target tuning (hz)"}, {"Label2", "Port length"}, {"Command1", "&Apply"},
                              {"Command2", "&Cancel"}, {"Text1", "29.4"}, {"Label3", "826 mm"}, {"Label4", ""}});
    const std::pair<const char*, const char*> cases[] = {
        {"3", nullptr},
        {"32", ""},
        {"10", "The box is too small for this port at 10 hz: no port length gives that tuning. "
               "A smaller port diameter or fewer ports will help."},
        {"53", "Rounded to a whole millimetre, this length tunes the box to 52.9 hz."},
    };
    for (const auto& [typed, note] : cases) {
        SCOPED_TRACE(typed);
        type(QString::fromLatin1(typed));
        const TuneState& st = form->model().state();
        EXPECT_EQ(button("Command1")->isEnabled(), st.apply_enabled);
        expect_texts(form.get(), {{"Label3", st.length.c_str()}, {"Label4", st.message.c_str()}});
        if (note) {
            EXPECT_EQ(st.message, note);
        }
        expect_nothing_clipped(form.get());
    }
    main.set_unit_mode(UnitMode::Inches);
    main.populateall();
    type(QStringLiteral("27.5"));
    EXPECT_TRUE(child<QLabel>(form.get(), "Label3")->text().endsWith(" inches"));
    expect_nothing_clipped(form.get());
}

TEST_F(FrmTuneTest, CancelChangesNothingAndApplyTypesTheLength) {
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"Command2", false, "Tune  29.4hz"}, {"Command1", true, "Tune  31hz"}};
    for (const auto& [name, applied, caption] : cases) {
        type(QStringLiteral("31"));
        button(name)->click();
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(main.s.main.text[1].text, applied ? form->model().state().answer.text : "823");
        EXPECT_EQ(main.s.main.results.label27.caption, caption);
    }
}

}  // namespace
}  // namespace enclavio
