#pragma once
#include "hall/hall_of_fame.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// The hall of fame: the five best cash amounts with their names. Opening it ranks the signed-in
// player's cash; it closes itself after ten seconds.
class HallOfFameWindow : public QDialog {
    Q_OBJECT
public:
    HallOfFameWindow();
    ~HallOfFameWindow() override;

    QLabel *Label1 = nullptr;            // "Hall Of Fame"
    QLabel *lblPosition[hall::positions] = {};  // "1".."5", objectNames lblPosition_0..4
    QLabel *lblScore[hall::positions] = {};     // lblScore_0..4
    QLabel *lblName[hall::positions] = {};      // lblName_0..4
    QLabel *lblSeconds = nullptr;        // "10 seconds" .. "0 seconds"
    QLabel *lblNote = nullptr;           // why no ranking was made, when one could not be
    QProgressBar *ProgressBar1 = nullptr;  // the seconds left, 0..10
    QPushButton *Command1 = nullptr;     // "&Close"
    QTimer *Timer1 = nullptr;            // the countdown, 999 ms

    // The table as shown.
    const hall::Table &table() const { return table_; }

public slots:
    void Form_Load();
    void Command1_Click();
    void Timer1_Timer();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void showTable();
    void enter(int index, platform::Money cash, const QString &playerName);
    hall::Table table_;
    bool prompting_ = false;  // the name prompt or its message is open
};
