#pragma once
#include <QDialog>
#include <QElapsedTimer>
#include <QList>
#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
namespace game {
class OrdinaryRace;
class Session;
}
namespace race {
class CallerLine;
class ResultsPanel;
}

// The race window: the five horses gallop from left to right, a round of their steps every tick of
// one timer, with the race caller's line under the course and the sounds of the race; the session
// settles the race when the drawn winner finishes. It shows the session's race and drives its ticks.
class RaceWindow : public QDialog {
    Q_OBJECT
public:
    RaceWindow();
    ~RaceWindow() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void reject() override;
    // While Space is held every tick moves a horse four steps instead of one.
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void onStartClicked();
    void onRaceTick();
    void onFinished();
    void onTrotTick();
    void onBannerTick();
    void showLane(int lane);
    void showRace();
    void callTheRace();
    void layOutBanner();
    // The race is over (settled, or called off before its start): the window may close.
    void finish();
    int twipsAt(int n) const;

    game::Session &session_;
    std::shared_ptr<game::OrdinaryRace> race_;
    double scale_ = 1;  // the window's factor on this screen

    QPushButton *startButton = nullptr;
    QLineEdit *dopingMarkField = nullptr;  // hidden: "1" drugs bought, "0" declined, empty when not offered
    std::array<QProgressBar *, 5> laneBars{};
    std::array<QWidget *, 5> lanePictures{};
    std::array<QLabel *, 5> laneNames{};
    QTimer *raceTimer = nullptr;    // a round of the five horses' steps, every 16 ms
    QTimer *trotTimer = nullptr;    // past the line, the horses ease to a trot
    QWidget *course_ = nullptr;  // the grass, the rails, the finish line and the horses
    QWidget *bannerStrip = nullptr;
    QLabel *bannerLabel = nullptr;
    QTimer *bannerTimer = nullptr;
    race::CallerLine *commentaryLabel = nullptr;
    race::ResultsPanel *resultsPanel = nullptr;

    QList<double> lastCalled_;  // the positions the caller last spoke of
    int ticksSinceCall_ = 0;
    double hoofbeatVolume_ = -1;
    QElapsedTimer sinceFinish_;
    bool finished_ = false;
    bool spaceHeld_ = false;
};
