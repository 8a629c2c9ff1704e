#pragma once
#include <QDialog>
#include <QElapsedTimer>
#include <QList>
#include <QPixmap>
#include <array>
#include <memory>

class QLabel;
class QPushButton;
class QTimer;
namespace game {
class GrandNationalBetting;
}
namespace race {
class CallerLine;
class ResultsPanel;
}

// The Grand National at Aintree: "Start" runs the whole race at once, plays it back
// (about 15 seconds, four times as fast while Space is held or "Fast" is down) and settles it.
class GrandNationalRaceWindow : public QDialog {
    Q_OBJECT
public:
    GrandNationalRaceWindow();
    ~GrandNationalRaceWindow() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onStartClicked();
    void onPlaybackTick();
    void onTrotTick();
    void showFrame();
    void callTheRace(bool finished);
    void finish();
    int twipsAt(int n) const;
    // The playback shows four frames at a time.
    bool fast() const;
    // Started and not settled to the end yet: the window stays until the settlement closes it.
    bool running() const { return started_ && !finished_; }
    bool spaceKey(QEvent *event);

    std::shared_ptr<game::GrandNationalBetting> entry_;
    QLabel *backedLabel = nullptr;
    std::array<QLabel *, 5> laneNames{};
    std::array<QWidget *, 5> lanePictures{};
    QPushButton *startButton = nullptr;
    QPushButton *fastButton = nullptr;
    QTimer *playbackTimer = nullptr;
    QTimer *trotTimer = nullptr;  // past the line, the horses ease to a trot
    race::CallerLine *commentaryLabel = nullptr;
    race::ResultsPanel *resultsPanel = nullptr;
    double scale_ = 1;  // the window's factor on this screen
    double frame_ = 0;
    std::array<double, 5> left_{};       // where each horse is shown
    std::array<double, 5> pastPostAt_{}; // the frame each horse crossed the line (0: not yet)
    QList<double> lastCalled_;
    int ticksSinceCall_ = 0;
    double hoofbeatVolume_ = -1;
    QElapsedTimer sinceFinish_;
    bool started_ = false;
    bool finished_ = false;
    bool spaceHeld_ = false;
    QPixmap course_;
};
