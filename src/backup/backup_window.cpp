#include "backup/backup_window.h"

#include "app/window_registry.h"
#include "backup/backup_files.h"
#include "game/session.h"
#include "platform/dialogs.h"
#include "platform/program.h"
#include "platform/twips.h"
#include "platform/widgets/placed.h"
#include "platform/widgets/window_fit.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

using platform::twipsRect;

namespace {
QPushButton *button(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *b = platform::placed(new QPushButton(text, parent), name, geometry);
    b->setAutoDefault(false);  // Enter in the location field moves the folder list, nothing more
    return b;
}

QString stepProblem(const backup::Step &step)
{
    return (step.wroteFailed ? QStringLiteral("This file could not be written:\n")
                             : QStringLiteral("This file could not be read:\n")) +
           step.problem;
}
}  // namespace

BackupWindow::BackupWindow()
{
    // Built smaller as a whole where the screen is too small for it.
    const platform::TwipsScale scaled(platform::fitWindow(this, 7920, 5760));
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Back Up / Restore"));
    setWindowIcon(QIcon(QStringLiteral(":/office/restore.svg")));
    setModal(false);
    setFixedSize(platform::twipsSize(7920, 5760));

    auto *heading = platform::placed(new QLabel(QStringLiteral("Select Where To Backup or Restore Your Files To/From:"), this),
                                     QStringLiteral("Label1"), twipsRect(120, 120, 7680, 300));

    // The roots of the file system (drives, where there are such), then their folders.
    fileSystem_ = new QFileSystemModel(this);
    fileSystem_->setObjectName(QStringLiteral("fileSystem"));
    fileSystem_->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
    fileSystem_->setRootPath(QString());
    folderList = platform::placed(new QTreeView(this), QStringLiteral("Dir1"), twipsRect(120, 480, 5160, 3840));
    folderList->setModel(fileSystem_);
    for (int column = 1; column < fileSystem_->columnCount(); ++column)
        folderList->hideColumn(column);
    folderList->setHeaderHidden(true);
    folderList->setAccessibleName(heading->text());
    connect(folderList->selectionModel(), &QItemSelectionModel::currentChanged, this, &BackupWindow::onFolderChosen);
    // The list reads folders in the background: once the chosen one is read, it goes to the middle.
    connect(fileSystem_, &QFileSystemModel::directoryLoaded, this, [this](const QString &loaded) {
        if (folder_.startsWith(loaded))
            centreFolder();
    });

    auto *picture = platform::placed(new QLabel(this), QStringLiteral("Picture1"), twipsRect(5520, 480, 2280, 1500));
    picture->setPixmap(QIcon(QStringLiteral(":/office/restore.svg")).pixmap(picture->size()));
    picture->setAlignment(Qt::AlignCenter);
    QPushButton *backUpButton =
        button(this, QStringLiteral("cmdbackup"), QStringLiteral("Back Up Data"), twipsRect(5520, 2220, 2280, 450));
    QPushButton *restoreButton =
        button(this, QStringLiteral("cmdrestore"), QStringLiteral("Restore Data"), twipsRect(5520, 2790, 2280, 450));

    auto *locationCaption =
        platform::placed(new QLabel(QStringLiteral("Files Location:"), this), QStringLiteral("Label2"), twipsRect(120, 4530, 1500, 300));
    locationField = platform::placed(new QLineEdit(this), QStringLiteral("Text1"), twipsRect(1680, 4500, 6120, 360));
    locationField->setAccessibleName(QStringLiteral("Files Location"));
    locationCaption->setBuddy(locationField);
    QPushButton *closeButton = button(this, QStringLiteral("Command1"), QStringLiteral("&Close"), twipsRect(5520, 5100, 2280, 450));

    connect(locationField, &QLineEdit::returnPressed, this, &BackupWindow::followTypedFolder);
    connect(backUpButton, &QPushButton::clicked, this, &BackupWindow::onBackUpClicked);
    connect(restoreButton, &QPushButton::clicked, this, &BackupWindow::onRestoreClicked);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    setTabOrder(folderList, locationField);
    setTabOrder(locationField, backUpButton);
    setTabOrder(backUpButton, restoreButton);
    setTabOrder(restoreButton, closeButton);

    // The folder list starts where the program runs from.
    showFolder(QDir::currentPath());
}

BackupWindow::~BackupWindow() = default;

void BackupWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreFolder();
}

void BackupWindow::centreFolder()
{
    // Queued: the list lays out its rows first.
    QMetaObject::invokeMethod(
        folderList, [this] { folderList->scrollTo(folderList->currentIndex(), QAbstractItemView::PositionAtCenter); },
        Qt::QueuedConnection);
}

void BackupWindow::showFolder(const QString &path)
{
    const QModelIndex index = fileSystem_->index(path);
    if (index.isValid()) {
        folderList->setCurrentIndex(index);
        folderList->scrollTo(index, QAbstractItemView::PositionAtCenter);
        folderList->expand(index);
    } else {
        folderList->clearSelection();  // a folder the list does not show (a hidden one)
    }
    folder_ = path;
    locationField->setText(QDir::toNativeSeparators(path));
}

void BackupWindow::onFolderChosen()
{
    const QModelIndex index = folderList->currentIndex();
    if (!index.isValid())
        return;
    folder_ = fileSystem_->filePath(index);
    locationField->setText(QDir::toNativeSeparators(folder_));
}

bool BackupWindow::followTypedFolder()
{
    const QString typed = locationField->text();
    if (typed == QDir::toNativeSeparators(folder_))
        return true;
    const QFileInfo info(QDir::fromNativeSeparators(typed));
    if (typed.trimmed().isEmpty() || !info.isDir()) {
        platform::say(QStringLiteral("\"%1\" is not a folder.\n\nType the path of a folder, or choose one in the "
                                     "list. The folder list stays at:\n%2")
                          .arg(typed.left(200), QDir::toNativeSeparators(folder_)),
                      platform::Icon::Warning);
        locationField->setFocus();
        locationField->selectAll();
        return false;
    }
    showFolder(QDir::cleanPath(info.absoluteFilePath()));
    return true;
}

int BackupWindow::slotToUse()
{
    const game::Session &session = game::session();
    if (session.record().signedIn())
        player::setCurrentSlot(static_cast<short>(session.record().slot));
    const int slot = player::currentSlot();
    if (session.officeOpen() && slot >= 1 && slot <= player::slotCount)
        return slot;
    platform::say(QStringLiteral("No player is signed in, so there is nothing to back up or restore."),
                  platform::Icon::Information);
    return 0;
}

void BackupWindow::onBackUpClicked()
{
    if (!followTypedFolder())
        return;
    const int slot = slotToUse();
    if (!slot)
        return;
    backup::Step step = backup::beginBackup(folder_, slot);
    if (!step.ok) {
        platform::say(QStringLiteral("The backup has stopped. ") + stepProblem(step) +
                          QStringLiteral("\n\nNothing has been backed up."),
                      platform::Icon::Critical);
        return;
    }
    platform::say(QStringLiteral("Backing Up data for: ") + step.name);
    step = backup::finishBackup(folder_, slot, game::session().record().playingFields());
    if (!step.ok) {
        platform::say(QStringLiteral("The backup has stopped. ") + stepProblem(step) +
                          QStringLiteral("\n\nThe backup in this folder is not complete; your game is unchanged."),
                      platform::Icon::Critical);
        return;
    }
    platform::say(QStringLiteral("Back Up Completed Successfully"));
}

void BackupWindow::onRestoreClicked()
{
    if (!followTypedFolder())
        return;
    const int slot = slotToUse();
    if (!slot)
        return;
    // The whole backup is checked first: a bad one restores nothing.
    backup::Step step = backup::readBackup(folder_);
    if (!step.ok && !step.missing) {
        platform::say(QStringLiteral("This backup cannot be restored because of this file:\n") + step.problem +
                          QStringLiteral("\n\nNothing has been restored; your game is unchanged."),
                      platform::Icon::Critical);
        return;
    }
    if (step.ok) {
        platform::say(QStringLiteral("Now restoring user %1 Data, to the current user").arg(step.name),
                      platform::Icon::Information);
        step = backup::writeRestore(step, slot);
    }
    if (!step.ok) {
        platform::say(QStringLiteral("Backed Up Data Not Found"), platform::Icon::Critical);
        if (step.wroteFailed)
            platform::say(stepProblem(step), platform::Icon::Critical);
        return;
    }
    platform::say(QStringLiteral("All Data Restored Successfully, paddox must now restart!"),
                  platform::Icon::Information);
    // At once: no window saves its older values over the restored files.
    platform::endProgram();
}
