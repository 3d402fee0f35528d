// Form2 "Save Project As ..." and the part it shares with Form5 "Open Project":
// a drive list, a folder list, a list of the folder's project files and a
// file-name field, bound to FileForm.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "forms/project_file_form.hpp"
#include "windows/qt_view.hpp"

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace enclavio {

class ProjectFileWindow : public ModelDialog {
public:
    ProjectFileWindow(MainForm& main, ModalOpener opener, QWidget* parent, FileForm::Kind kind);
    void sync() override;
    FileForm& model() { return model_; }

protected:
    void reject() override;  // "&Cancel", Escape and the window frame
    void showEvent(QShowEvent* event) override;
    // Runs a handler that may ask the window to hide itself.
    void run(bool hide);

    FileForm model_;
    QComboBox* drive1_ = nullptr;
    QTreeWidget* dir1_ = nullptr;
    QListWidget* file1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QHBoxLayout* buttons_ = nullptr;

private:
    void sync_name();
    void fill_drives();
    void fill_folders();
    void fill_files();
    FirstPlacement placement_{1.0 / 6.0, 0.5};
    // What the lists show now, as the model gave it.
    std::vector<std::string> shown_drives_;
    std::string shown_drive_;
    std::vector<FolderEntry> shown_folders_;
    std::vector<std::string> shown_files_;
};

class Form2 : public ProjectFileWindow {
public:
    Form2(MainForm& main, ModalOpener opener, QWidget* parent);

private:
    QPushButton* command3_ = nullptr;
};

// Form5 "Open Project": the shared window in its open role.
class Form5 : public ProjectFileWindow {
public:
    Form5(MainForm& main, ModalOpener opener, QWidget* parent)
        : ProjectFileWindow(main, std::move(opener), parent, FileForm::Kind::Open) {}
};

}  // namespace enclavio
