#pragma once
#include <QDialog>

class QGroupBox;
class QPushButton;
namespace platform {
class LinkLabel;
}

// The new-version notice: a newer Paddox waits on the maker's web site.
class UpdateNoticeWindow : public QDialog {
    Q_OBJECT
public:
    UpdateNoticeWindow();
    ~UpdateNoticeWindow() override;

    QGroupBox *Frame1 = nullptr;        // "PADDOX UPDATE MANAGER - "
    platform::LinkLabel *Label1 = nullptr;  // where the new version is
    QPushButton *Command1 = nullptr;    // "Download"
    QPushButton *Command2 = nullptr;    // "i'll download later"

public slots:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Label1_Click();
};
