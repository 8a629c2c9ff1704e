#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
class QTabWidget;
namespace platform {
class LinkLabel;
}

// The About window: the game's version, its maker and the maker's notices.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    AboutWindow();
    ~AboutWindow() override;

    QTabWidget *SSTab1 = nullptr;       // the single tab "About Paddox"
    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;           // "Version:  6.6.2"
    QLabel *Label2 = nullptr;           // "Release Date: October 2005"
    platform::LinkLabel *Label3 = nullptr;  // the maker's web address
    QLabel *Label4 = nullptr;           // the maker's credits and notices
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *lblCountry = nullptr;       // the country chosen on the first run
    QPushButton *Command1 = nullptr;    // "&Close"
    QPushButton *Command2 = nullptr;    // "more >"

public slots:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Label3_Click();
};
