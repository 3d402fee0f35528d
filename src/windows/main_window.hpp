// Form1, the main window: binds its widgets to MainForm and brings them up to
// date from the model after every event.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/main_form.hpp"
#include "forms/project_editor.hpp"
#include "windows/qt_view.hpp"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QStackedLayout;

namespace enclavio {

class GraphView;
class ResponseWindow;
class NotesPicture;
class WherePicture;

// A single-line field reporting Enter, real focus moves and double clicks.
class FieldEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FieldEdit(QWidget* parent = nullptr) : QLineEdit(parent) {}

signals:
    void enterPressed();
    void focusLost();
    void doubleClicked();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A drop-down list that the mouse wheel turns only while it has the focus: a
// wheel turned to scroll past it must not change the choice.
class FocusWheelComboBox : public QComboBox {
public:
    explicit FocusWheelComboBox(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};

// The main window's menus and items, each named after its control.
struct MenuActions {
    QMenu* file = nullptr;
    QAction* open = nullptr;
    QMenu* recent = nullptr;
    QAction* quicksave = nullptr;
    QAction* save = nullptr;
    QAction* notes = nullptr;
    QAction* report = nullptr;
    QAction* exit = nullptr;
    QMenu* edit = nullptr;
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    QAction* copyresults = nullptr;
    QMenu* flange = nullptr;
    QAction* noflange = nullptr;
    QAction* oneflange = nullptr;
    QAction* twoflange = nullptr;
    QAction* tune = nullptr;
    QAction* panels = nullptr;
    QMenu* options = nullptr;
    QAction* onekhz = nullptr;
    QAction* twokhz = nullptr;
    QAction* shownums = nullptr;
    QAction* highlight = nullptr;
    QAction* units = nullptr;
    QAction* print = nullptr;
    QMenu* help = nullptr;
    QAction* where = nullptr;
    QAction* about = nullptr;
    QAction* porting = nullptr;
    QAction* bracing = nullptr;
    QMenu* response = nullptr;
    QAction* driver_response = nullptr;
};

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // appdata_folder: where enclavio.ini and report.txt live; home_folder: the
    // first folder of the project windows.
    Form1(std::string appdata_folder, std::string home_folder, QWidget* parent = nullptr);
    ~Form1() override;

    MainForm& model() { return model_; }
    // The response window, or null before it is first opened.
    ResponseWindow* response_window() const { return response_.get(); }
    ProjectEditor& editor() { return editor_; }
    // Runs the model's start-up, places the window and shows the model's state.
    void startup();
    // Opens a project named on the command line (after startup, once shown).
    bool open_project(const std::string& path);
    // The session is ending (a signal): the next close asks nothing.
    void close_without_asking() { ask_on_close_ = false; }
    // Brings every control up to date from the model.
    void sync();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void build_fields();
    void build_results();
    void build_menus();
    // The modeless "Driver and Response" window, built when first opened.
    void open_response();
    // The secondary window `w`, built on first use (hidden).
    ModelDialog* dialog(Window w);
    void open_window(Window w);
    // Runs a model handler, records what it changed for undo (`field`, `typing`
    // as ProjectEditor::after_change takes them), then shows its effects.
    template <class F>
    void run(F&& handler, std::optional<MainField> field = std::nullopt, bool typing = false);
    FieldEdit*& field(MainField f) { return text_[static_cast<std::size_t>(control_number(f) - 1)]; }
    void sync_recent();

    QtFormView view_;
    MainForm model_;
    ProjectEditor editor_;
    std::map<Window, std::unique_ptr<ModelDialog>> dialogs_;
    bool shut_down_ = false;
    std::unique_ptr<ResponseWindow> response_;
    bool ask_on_close_ = true;

    std::array<FieldEdit*, kMainFields.size()> text_{};  // in control order
    QGroupBox* frame1_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    QGroupBox* frame5_ = nullptr;
    QGroupBox* frame3_ = nullptr;
    QGroupBox* frame4_ = nullptr;
    QStackedLayout* results_place_ = nullptr;  // Frame4 or Frame3
    QLabel* label15_ = nullptr;
    std::array<QLabel*, 3> port_labels_{};  // Label2, Label3, Label4
    QCheckBox* check3_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QPushButton* command1_ = nullptr;
    std::array<QLabel*, kResonanceCount + 1> resonance_{};  // [1]..[9]
    QLabel* label6_ = nullptr;
    QLabel* label28_ = nullptr;
    QLabel* label26_ = nullptr;
    QLabel* label27_ = nullptr;
    GraphView* picture1_ = nullptr;
    WherePicture* picture2_ = nullptr;
    NotesPicture* picture3_ = nullptr;

    MenuActions menus_;
    std::vector<std::string> recent_shown_;
};

}  // namespace enclavio
