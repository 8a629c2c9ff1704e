#pragma once
#include "race/grand_national.h"

#include <QDialog>
#include <QPixmap>

class QLabel;
class QPushButton;
class QTimer;

// The Grand National at Aintree: "Start" runs the whole race at once, plays it back
// (about 15 seconds, four times as fast while Space is held or "Fast" is down) and settles it.
class GrandNationalRaceWindow : public QDialog {
    Q_OBJECT
public:
    GrandNationalRaceWindow();
    ~GrandNationalRaceWindow() override;

    QLabel *Label1 = nullptr;        // "The Horse You Have Bet On Is: " + name
    QLabel *Label2 = nullptr;        // the welcome
    QLabel *Label3 = nullptr;        // the names of lanes 1..5
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QWidget *Picture2 = nullptr;     // the horses of lanes 1..5
    QWidget *Picture3 = nullptr;
    QWidget *Picture4 = nullptr;
    QWidget *Picture5 = nullptr;
    QWidget *Picture6 = nullptr;
    QPushButton *Command1 = nullptr; // "Start"
    QPushButton *cmdFast = nullptr;  // "Fast"
    QTimer *tmrPlayback = nullptr;   // a frame of the playback

    // 0 until the race is run, then the winning lane.
    short winningLane = 0;

    QWidget *picture(int lane) const;
    QLabel *nameLabel(int lane) const;
    // The race as run when Start was pressed (empty before).
    const grand::Race &race() const { return race_; }
    // Started and not settled to the end yet: the window stays until the settlement closes it.
    bool running() const { return started_ && !finished_; }
    // The playback shows four frames at a time.
    bool fast() const;

public slots:
    void Form_Load();
    void Command1_Click();
    void tmrPlayback_Timer();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showFrame();
    void settle();
    bool spaceKey(QEvent *event);

    grand::Race race_;
    double frame_ = 0;
    bool started_ = false;
    bool finished_ = false;
    bool spaceHeld_ = false;
    QPixmap course_;
};
