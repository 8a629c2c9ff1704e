#pragma once
#include <QDialog>

class QCheckBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStatusBar;
namespace platform {
class WebView;
}

// The page window: the credits page, or a web address handed to it; after the betting office
// has gone it is the last window, and it ends the game.
class PageWindow : public QDialog {
    Q_OBJECT
public:
    PageWindow();
    ~PageWindow() override;

    QPushButton *Command1 = nullptr;     // "<"
    QPushButton *Command2 = nullptr;     // "X"
    QLineEdit *Text1 = nullptr;          // the address field, "http://"
    QPushButton *Command3 = nullptr;     // "GO"
    QCheckBox *Check1 = nullptr;         // "Dont Show Credits Again"
    QProgressBar *ProgressBar1 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    platform::WebView *Webcred = nullptr;

    // True while the window shows a web address (the address mode), false for the credits.
    bool addressMode() const { return addressMode_; }

public slots:
    // Opening: the credits, or the page target address.
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Text1_Change(const QString &text);
    void Webcred_DocumentComplete();
    void Webcred_StatusTextChange(const QString &text);
    void Webcred_ProgressChange(int progress);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The credits page's "Dont Show Credits Again", stored on the way out.
    void storeCreditsChoice();
    bool addressMode_ = false;
};

namespace info {
// True once the betting office has been closed for good (its close box), or when there is none.
bool mainWindowGone();
// The betting office is closing for good (or has been opened afresh: false).
void setMainWindowGone(bool gone);
// Opens the page window for the page target address (the credits page when it is empty). A
// page window already open starts over with the new page.
void openPageWindow();
}  // namespace info
