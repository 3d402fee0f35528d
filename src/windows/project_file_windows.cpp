#include "windows/project_file_windows.hpp"
#include "forms/main_fields.hpp"
#include "windows/palette.hpp"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <functional>
#include <utility>

namespace enclavio {

namespace {

// Each list entry keeps the bytes of its path or name as the file system gave
// them: a name that is not valid UTF-8 is shown with replacement characters,
// but the bytes are what a click, a double click or Enter hands on.
constexpr int kPathRole = Qt::UserRole;

QByteArray raw(const std::string& bytes) { return {bytes.data(), static_cast<qsizetype>(bytes.size())}; }
std::string raw_of(const QVariant& data) { return data.toByteArray().toStdString(); }

// A file or folder name as a list shows it: line breaks and other control
// characters, which a name may hold, become replacement characters.
QString shown_name(std::string_view name) {
    QString text = qs(name);
    for (QChar& c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = QChar(QChar::ReplacementCharacter);
    }
    return text;
}

// The file list: Enter on a chosen file does what a double click does.
class FileList : public QListWidget {
public:
    using QListWidget::QListWidget;
    std::function<void(QListWidgetItem*)> on_enter;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        const QList<QListWidgetItem*> chosen = selectedItems();
        if (enter && !chosen.isEmpty() && on_enter) {
            on_enter(chosen.front());
            return;
        }
        QListWidget::keyPressEvent(event);
    }
};

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    // Enter belongs to the name field, which presses Command1 itself.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

}  // namespace

ProjectFileWindow::ProjectFileWindow(MainForm& main, ModalOpener opener, QWidget* parent, FileForm::Kind kind)
    : ModelDialog(std::move(opener), parent), model_(main, view_, kind) {
    const bool saving = kind == FileForm::Kind::Save;
    setObjectName(saving ? QStringLiteral("Form2") : QStringLiteral("Form5"));
    setWindowTitle(qs(saving ? kSaveCaption : kOpenCaption));

    label1_ = new QLabel(QStringLiteral("File name:"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    label1_->setBuddy(text1_);

    auto* file_list = new FileList(this);
    file_list->on_enter = [this](QListWidgetItem* item) { run(model_.File1_DblClick(raw_of(item->data(kPathRole)))); };
    file1_ = file_list;
    file1_->setObjectName(QStringLiteral("File1"));
    file1_->setSelectionMode(QAbstractItemView::SingleSelection);
    file1_->setMinimumSize(px(3000), px(3000));

    drive1_ = new QComboBox(this);
    drive1_->setObjectName(QStringLiteral("Drive1"));
    drive1_->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    dir1_ = new QTreeWidget(this);
    dir1_->setObjectName(QStringLiteral("Dir1"));
    dir1_->setHeaderHidden(true);
    dir1_->setColumnCount(1);
    dir1_->setRootIsDecorated(false);
    dir1_->setItemsExpandable(false);
    dir1_->setIndentation(px(180));
    dir1_->setMinimumSize(px(3600), px(3000));
    dir1_->setToolTip(QStringLiteral("Double-click a folder to open it"));

    label2_ = new QLabel(this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setText(qs(saving ? kSaveHint : kProjectPattern));
    label2_->setWordWrap(true);
    set_text_colour(label2_, colours::grey);

    command1_ = button(this, "Command1", saving ? QStringLiteral("&Save") : QStringLiteral("&Open"));
    command2_ = button(this, "Command2", QStringLiteral("&Cancel"));

    auto* grid = new QGridLayout;
    grid->addWidget(label1_, 0, 0);
    grid->addWidget(text1_, 1, 0);
    grid->addWidget(file1_, 2, 0);
    grid->addWidget(drive1_, 1, 1);
    grid->addWidget(dir1_, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);

    buttons_ = new QHBoxLayout;
    buttons_->addStretch(1);
    buttons_->addWidget(command1_);
    buttons_->addWidget(command2_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addWidget(label2_);
    layout->addLayout(buttons_);

    // The lists are rebuilt once the event that changed them is over.
    connect(drive1_, &QComboBox::activated, this, [this](int index) {
        model_.Drive1_Change(raw_of(drive1_->itemData(index)));
        QMetaObject::invokeMethod(
            this, [this] { sync(); }, Qt::QueuedConnection);
    });
    connect(dir1_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        model_.Dir1_Change(raw_of(item->data(0, kPathRole)));
        QMetaObject::invokeMethod(
            this, [this] { sync(); }, Qt::QueuedConnection);
    });
    // A click, and a move of the choice by the keyboard, copy the name.
    const auto take_name = [this](QListWidgetItem* item) {
        model_.File1_Click(raw_of(item->data(kPathRole)));
        sync_name();
    };
    connect(file1_, &QListWidget::itemClicked, this, take_name);
    connect(file1_, &QListWidget::itemSelectionChanged, this, [this, take_name] {
        const QList<QListWidgetItem*> chosen = file1_->selectedItems();
        if (!chosen.isEmpty()) take_name(chosen.front());
    });
    connect(file1_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { run(model_.File1_DblClick(raw_of(item->data(kPathRole)))); });
    connect(text1_, &QLineEdit::textEdited, this, [this](const QString& t) { model_.Text1_Change(t.toStdString()); });
    connect(text1_, &QLineEdit::returnPressed, this, [this] { run(model_.Text1_KeyPress(kEnterKey)); });
    connect(command1_, &QPushButton::clicked, this, [this] { run(model_.Command1_Click()); });
    connect(command2_, &QPushButton::clicked, this, &ProjectFileWindow::reject);

    sync();
}

void ProjectFileWindow::run(bool hide) {
    if (hide) {
        QDialog::accept();
        return;
    }
    sync();
}

void ProjectFileWindow::reject() {
    model_.Command2_Click();
    QDialog::reject();
}

void ProjectFileWindow::showEvent(QShowEvent* event) {
    placement_.on_show(this);
    text1_->setFocus();
    ModelDialog::showEvent(event);
}

void ProjectFileWindow::sync_name() {
    const QString name = qs(model_.state().name);
    if (text1_->text() != name) {
        const QSignalBlocker block(text1_);
        text1_->setText(name);
    }
}

void ProjectFileWindow::sync() {
    sync_name();
    fill_drives();
    fill_folders();
    fill_files();
}

// Each list is rebuilt only when what it shows has changed: a list rebuilt
// under the mouse would lose the item a double click is landing on.
void ProjectFileWindow::fill_drives() {
    std::vector<std::string> drives = model_.drives();
    const std::string current = model_.drive();
    if (drives == shown_drives_ && current == shown_drive_) return;
    const QSignalBlocker block(drive1_);
    drive1_->clear();
    for (const auto& d : drives) {
        drive1_->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), shown_name(d), raw(d));
        if (d == current) drive1_->setCurrentIndex(drive1_->count() - 1);
    }
    shown_drives_ = std::move(drives);
    shown_drive_ = current;
}

void ProjectFileWindow::fill_folders() {
    std::vector<FolderEntry> folders = model_.folders();
    if (folders == shown_folders_) return;
    const QSignalBlocker block(dir1_);
    dir1_->clear();
    const QIcon open_icon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed_icon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QTreeWidgetItem* parent = nullptr;
    QTreeWidgetItem* current = nullptr;
    for (const FolderEntry& e : folders) {
        QTreeWidgetItem* item = nullptr;
        if (e.open) {
            item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(dir1_);
            parent = item;
        } else {
            item = new QTreeWidgetItem(current ? current : parent);
        }
        item->setText(0, shown_name(e.name));
        item->setData(0, kPathRole, raw(e.path));
        item->setIcon(0, e.open ? open_icon : closed_icon);
        if (e.current) current = item;
    }
    dir1_->expandAll();
    if (current) {
        dir1_->setCurrentItem(current);
        dir1_->scrollToItem(current, QAbstractItemView::PositionAtTop);
    }
    shown_folders_ = std::move(folders);
}

void ProjectFileWindow::fill_files() {
    std::vector<std::string> files = model_.files();
    if (files == shown_files_) return;
    const QSignalBlocker block(file1_);
    file1_->clear();
    for (const auto& f : files) {
        auto* item = new QListWidgetItem(shown_name(f), file1_);
        item->setData(kPathRole, raw(f));
    }
    shown_files_ = std::move(files);
}

Form2::Form2(MainForm& main, ModalOpener opener, QWidget* parent)
    : ProjectFileWindow(main, std::move(opener), parent, FileForm::Kind::Save) {
    command3_ = button(this, "Command3", QStringLiteral("Create folder"));
    buttons_->insertWidget(0, command3_);
    connect(command3_, &QPushButton::clicked, this, [this] {
        model_.Command3_Click();
        sync();
    });
}

}  // namespace enclavio
