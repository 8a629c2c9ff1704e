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

    // Opening: the credits, or the page target address.
    void load();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void onCloseClicked();
    void onGoClicked();
    void onAddressEdited(const QString &text);
    void onPageLoaded();
    void onProgress(int progress);
    // The credits page's "Dont Show Credits Again", stored on the way out.
    void storeCreditsChoice();

    QPushButton *backButton = nullptr;     // "<"
    QPushButton *closeButton = nullptr;    // "X"
    QLineEdit *addressField = nullptr;     // "http://"
    QPushButton *goButton = nullptr;       // "GO"
    QCheckBox *skipCreditsBox = nullptr;   // "Dont Show Credits Again"
    QProgressBar *progressBar = nullptr;
    QStatusBar *statusBar = nullptr;
    platform::WebView *view = nullptr;
    bool addressMode_ = false;  // a web address is shown, not the credits
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
