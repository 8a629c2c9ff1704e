#pragma once
#include <QDialog>

class QLabel;
class QTimer;

// The splash: the game's picture and version for two seconds, then the way in
// (the country choice on a first run, otherwise the sign-in window).
class SplashWindow : public QDialog {
    Q_OBJECT
public:
    SplashWindow();
    ~SplashWindow() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Opens the way in and closes the splash, once (its timer and a click may both come).
    void leave();

    QLabel *picture = nullptr;     // the large picture; a click leaves the splash
    QTimer *leaveTimer = nullptr;  // leaves the splash after 2000 ms
    bool left_ = false;
};
