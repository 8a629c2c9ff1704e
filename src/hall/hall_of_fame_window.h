#pragma once
#include "hall/hall_of_fame.h"

#include <QDialog>
#include <array>

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

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void load();
    void onCountdownTick();
    void showTable();
    void enter(int index, platform::Money cash, const QString &playerName);

    std::array<QLabel *, hall::positions> scoreLabels{};
    std::array<QLabel *, hall::positions> nameLabels{};
    QLabel *secondsLabel = nullptr;     // "10 seconds" .. "0 seconds"
    QLabel *noteLabel = nullptr;        // why no ranking was made, when one could not be
    QProgressBar *countdownBar = nullptr;  // the seconds left, 0..10
    QPushButton *closeButton = nullptr;
    QTimer *countdownTimer = nullptr;   // 999 ms
    hall::Table table_;
    bool prompting_ = false;  // the name prompt or its message is open
};
