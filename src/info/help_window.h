#pragma once
#include <QDialog>

class QLabel;
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

    QLabel *Label1 = nullptr;           // "Paddox6 - Help."
    QPushButton *Command1 = nullptr;    // "<< &Back"
    QPushButton *Command2 = nullptr;    // "&Home"
    platform::WebView *WebBrowser1 = nullptr;  // the contents pane
    platform::WebView *WebBrowser2 = nullptr;  // the main pane

public slots:
    // Opening: the contents, and the page the betting office's help page selector names (the
    // main help page while the sign-in window is showing).
    void Form_Load();
    void Command1_Click();
    void Command2_Click();

protected:
    void resizeEvent(QResizeEvent *event) override;
};

namespace info {
// Opens the help window, or, when it is open, shows it the page now chosen.
void openHelpWindow();
}  // namespace info
