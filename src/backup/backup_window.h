#pragma once
#include <QDialog>

class QFileSystemModel;
class QLineEdit;
class QTreeView;

// "Back Up / Restore": copies the signed-in player's record into a folder the player chooses, or
// a backup from such a folder into the signed-in player's slot (after which the game ends).
class BackupWindow : public QDialog {
    Q_OBJECT
public:
    BackupWindow();
    ~BackupWindow() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void onFolderChosen();
    void onBackUpClicked();
    void onRestoreClicked();
    void centreFolder();
    void showFolder(const QString &path);
    // A folder typed but not yet confirmed with Enter counts: false (after telling the player)
    // when the field names no folder.
    bool followTypedFolder();
    // The signed-in player's slot (1..5) as the current slot, or 0 after telling the player.
    int slotToUse();

    QTreeView *folderList = nullptr;    // the file system's roots and folders
    QLineEdit *locationField = nullptr; // the chosen folder; a folder typed here and Enter moves the list to it
    QFileSystemModel *fileSystem_ = nullptr;
    QString folder_;                    // the folder a button uses now
};
