#include "windows/form2.hpp"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace enclavio {

namespace {

constexpr int kPathRole = Qt::UserRole;

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
    : ModelDialog(main, std::move(opener), parent), model_(main, view_, kind) {
    const bool saving = kind == FileForm::Kind::Save;
    setObjectName(saving ? QStringLiteral("Form2") : QStringLiteral("Form5"));
    setWindowTitle(qs(saving ? kSaveCaption : kOpenCaption));

    label1_ = new QLabel(QStringLiteral("File name:"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    label1_->setBuddy(text1_);

    file1_ = new QListWidget(this);
    file1_->setObjectName(QStringLiteral("File1"));
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
    QPalette grey = label2_->palette();
    grey.setColor(QPalette::WindowText, qc(colours::grey));
    label2_->setPalette(grey);

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
        model_.Drive1_Change(drive1_->itemData(index).toString().toStdString());
        QMetaObject::invokeMethod(
            this, [this] { sync(); }, Qt::QueuedConnection);
    });
    connect(dir1_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        model_.Dir1_Change(item->data(0, kPathRole).toString().toStdString());
        QMetaObject::invokeMethod(
            this, [this] { sync(); }, Qt::QueuedConnection);
    });
    connect(file1_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        model_.File1_Click(item->text().toStdString());
        sync_name();
    });
    connect(file1_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { run(model_.File1_DblClick(item->text().toStdString())); });
    connect(text1_, &QLineEdit::textEdited, this, [this](const QString& t) { model_.Text1_Change(t.toStdString()); });
    connect(text1_, &QLineEdit::returnPressed, this, [this] { run(model_.Text1_KeyPress(13)); });
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
    if (!placed_) {
        adjustSize();
        place_window(this, 1.0 / 6.0, 0.5);
        placed_ = true;
    }
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

void ProjectFileWindow::fill_drives() {
    const QSignalBlocker block(drive1_);
    drive1_->clear();
    const std::string current = model_.drive();
    for (const auto& d : model_.drives()) {
        drive1_->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), qs(d), qs(d));
        if (d == current) drive1_->setCurrentIndex(drive1_->count() - 1);
    }
}

void ProjectFileWindow::fill_folders() {
    const QSignalBlocker block(dir1_);
    dir1_->clear();
    const QIcon open_icon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed_icon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QTreeWidgetItem* parent = nullptr;
    QTreeWidgetItem* current = nullptr;
    for (const FolderEntry& e : model_.folders()) {
        QTreeWidgetItem* item = nullptr;
        if (e.open) {
            item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(dir1_);
            parent = item;
        } else {
            item = new QTreeWidgetItem(current ? current : parent);
        }
        item->setText(0, qs(e.name));
        item->setData(0, kPathRole, qs(e.path));
        item->setIcon(0, e.open ? open_icon : closed_icon);
        if (e.current) current = item;
    }
    dir1_->expandAll();
    if (current) {
        dir1_->setCurrentItem(current);
        dir1_->scrollToItem(current, QAbstractItemView::PositionAtTop);
    }
}

void ProjectFileWindow::fill_files() {
    const QSignalBlocker block(file1_);
    file1_->clear();
    for (const auto& f : model_.files()) file1_->addItem(qs(f));
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
