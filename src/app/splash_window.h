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

    QLabel *Picture1 = nullptr;  // the large picture; a click leaves the splash
    QLabel *Picture2 = nullptr;  // the small picture
    QLabel *Label3 = nullptr;    // "Paddox Version  6.6.2"
    QLabel *Label5 = nullptr;    // ">"
    QLabel *Label6 = nullptr;    // "  Professional"
    QTimer *Timer1 = nullptr;    // leaves the splash after 2000 ms

    // A first run is one without a country file: the country window comes first.
    static bool firstRun();

public slots:
    void Form_Load();
    void Timer1_Timer();
    void Picture1_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void leave();
    bool left_ = false;
};
