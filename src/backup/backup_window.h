#pragma once
#include <QDialog>

class QFileSystemModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

// "Back Up / Restore": copies the signed-in player's record into a folder the player chooses, or
// a backup from such a folder into the signed-in player's slot (after which the game ends).
class BackupWindow : public QDialog {
    Q_OBJECT
public:
    BackupWindow();
    ~BackupWindow() override;

    QLabel *Label1 = nullptr;          // "Select Where To Backup or Restore Your Files To/From:"
    QTreeView *Dir1 = nullptr;         // the file system's roots and folders
    QLabel *Label2 = nullptr;          // "Files Location:"
    QLineEdit *Text1 = nullptr;        // the chosen folder; a folder typed here and Enter moves Dir1 to it
    QPushButton *cmdbackup = nullptr;  // "Back Up Data"
    QPushButton *cmdrestore = nullptr; // "Restore Data"
    QPushButton *Command1 = nullptr;   // "&Close"

    // The folder a button uses now.
    QString folder() const { return folder_; }

public slots:
    void Dir1_Change();
    void Text1_Enter();
    void cmdbackup_Click();
    void cmdrestore_Click();
    void Command1_Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void centreFolder();
    void showFolder(const QString &path);
    // A folder typed but not yet confirmed with Enter counts: false (after telling the player)
    // when the field names no folder.
    bool followTypedFolder();
    // The signed-in player's slot (1..5) as the current slot, or 0 after telling the player.
    int slotToUse();

    QFileSystemModel *fileSystem_ = nullptr;
    QString folder_;
};
