#pragma once
#include <QDialog>
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

// The race window: five horses run from left to right, each on its own timer, and the session
// settles the race when the drawn winner finishes. It shows the session's race and drives its ticks.
class RaceWindow : public QDialog {
    Q_OBJECT
public:
    RaceWindow();
    ~RaceWindow() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void reject() override;
    // While Space is held every tick moves a horse four steps instead of one.
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void onStartClicked();
    void onBannerTick();
    void tick(int lane);
    void showLane(int lane);
    void showRace();
    void layOutBanner();
    // The race is over (settled, or called off before its start): the window may close.
    void finish();

    game::Session &session_;
    std::shared_ptr<game::OrdinaryRace> race_;

    QPushButton *startButton = nullptr;
    QLineEdit *dopingMarkField = nullptr;  // hidden: "1" drugs bought, "0" declined, empty when not offered
    std::array<QProgressBar *, 5> laneBars{};
    std::array<QWidget *, 5> lanePictures{};
    std::array<QLabel *, 5> laneNames{};
    std::array<QTimer *, 5> horseTimers{};
    QWidget *bannerStrip = nullptr;
    QLabel *bannerLabel = nullptr;
    QTimer *bannerTimer = nullptr;

    bool finished_ = false;
    bool spaceHeld_ = false;
};
