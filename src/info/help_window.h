#pragma once
#include <QDialog>

class QPushButton;
namespace platform {
class WebView;
}

// The help window: the contents of the game's help beside the page chosen.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    HelpWindow();
    ~HelpWindow() override;

    // Opening: the contents, and the page the betting office's help page selector names (the
    // main help page while the sign-in window is showing).
    void load();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QPushButton *backButton = nullptr;    // "<< &Back"
    QPushButton *homeButton = nullptr;    // "&Home"
    platform::WebView *contentsView = nullptr;
    platform::WebView *pageView = nullptr;
};

namespace info {
// Opens the help window, or, when it is open, shows it the page now chosen.
void openHelpWindow();
}  // namespace info
