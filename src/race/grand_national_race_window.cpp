// The Grand National race: the loop of random moves runs to its end when Start is pressed, so
// the winner is known before a horse is seen to move; the recorded moves are then played back
// frame by frame, and the settlement pays the bet, the interest, the owner's prize and charge.
#include "race/grand_national_race_window.h"

#include "game/grand_national_betting.h"
#include "game/session.h"
#include "platform/intervals.h"
#include "platform/sound.h"
#include "platform/twips.h"
#include "platform/widgets/svg_picture.h"
#include "platform/widgets/window_fit.h"
#include "race/commentary.h"
#include "race/gallop.h"
#include "race/race_window_horse.h"
#include "race/race_window_results.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

using platform::twips;
using platform::twipsRect;

namespace {

// The course, in twips.
constexpr int formWidth = 12600;
constexpr int courseHeight = 8640;
constexpr int formHeight = 10080;
constexpr int pictureWidth = 1650;
constexpr int pictureHeight = 1410;
constexpr int laneTops[grand::laneCount] = {360, 2040, 3720, 5400, 7080};
// Where a horse's nose reaches the finish mark.
constexpr int noseAtMark = grand::finishMarkX - 1590;

const QColor stripColour(20, 58, 24);


}  // namespace

GrandNationalRaceWindow::GrandNationalRaceWindow() : entry_(game::session().grandNational())
{
    scale_ = platform::fitWindow(this, formWidth, formHeight);
    const platform::TwipsScale scaled(scale_);
    setObjectName(QStringLiteral("Frmgrandrace"));
    setModal(false);
    setFixedSize(platform::twipsSize(formWidth, formHeight));

    QFont bold = font();
    bold.setBold(true);
    QPalette white = palette();
    white.setColor(QPalette::WindowText, Qt::white);
    for (int i = 0; i < grand::laneCount; ++i) {
        auto *name = new QLabel(this);
        name->setObjectName(QStringLiteral("Label%1").arg(3 + i));
        name->setTextFormat(Qt::PlainText);
        name->setFont(bold);
        name->setPalette(white);
        name->setGeometry(twipsRect(240, laneTops[i] - 330, 6000, 300));
        laneNames[i] = name;
        auto *horse = new race::HorsePicture(i + 1, this);
        horse->setObjectName(QStringLiteral("Picture%1").arg(2 + i));
        horse->setGeometry(twipsRect(grand::startLeft, laneTops[i], pictureWidth, pictureHeight));
        lanePictures[i] = horse;
    }

    auto *welcome = new QLabel(QStringLiteral("Welcome To AINTREE For The GrandNational. Sponsered By Tamblor Networks"), this);
    welcome->setObjectName(QStringLiteral("Label2"));
    welcome->setFont(bold);
    welcome->setPalette(white);
    welcome->setGeometry(twipsRect(240, courseHeight + 150, 8280, 330));
    backedLabel = new QLabel(this);
    backedLabel->setObjectName(QStringLiteral("Label1"));
    backedLabel->setTextFormat(Qt::PlainText);
    backedLabel->setPalette(white);
    backedLabel->setGeometry(twipsRect(240, courseHeight + 570, 8280, 330));

    startButton = new QPushButton(QStringLiteral("Start"), this);
    startButton->setObjectName(QStringLiteral("Command1"));
    startButton->setGeometry(twipsRect(8760, courseHeight + 240, 1620, 600));
    startButton->setFont(bold);
    startButton->setAutoDefault(false);
    fastButton = new QPushButton(QStringLiteral("Fast"), this);
    fastButton->setObjectName(QStringLiteral("cmdFast"));
    fastButton->setGeometry(twipsRect(10560, courseHeight + 240, 1620, 600));
    fastButton->setCheckable(true);
    fastButton->setAutoDefault(false);
    fastButton->setToolTip(QStringLiteral("Four times as fast (or hold the Space bar)"));
    for (QPushButton *b : {startButton, fastButton})
        b->installEventFilter(this);  // Space while the race plays means "fast", never a click
    connect(startButton, &QPushButton::clicked, this, &GrandNationalRaceWindow::onStartClicked);

    playbackTimer = new QTimer(this);
    playbackTimer->setObjectName(QStringLiteral("tmrPlayback"));
    playbackTimer->setTimerType(Qt::PreciseTimer);
    playbackTimer->setInterval(platform::grandNationalFrameMs);
    connect(playbackTimer, &QTimer::timeout, this, &GrandNationalRaceWindow::onPlaybackTick);
    trotTimer = new QTimer(this);
    trotTimer->setObjectName(QStringLiteral("trotTimer"));
    trotTimer->setInterval(platform::trotTickMs);
    connect(trotTimer, &QTimer::timeout, this, &GrandNationalRaceWindow::onTrotTick);

    // The race caller, under the welcome; a screen reader reads the line as it changes.
    commentaryLabel = new race::CallerLine(this, bold, twipsRect(240, courseHeight + 990, formWidth - 480, 330));
    resultsPanel = new race::ResultsPanel(this);
    connect(resultsPanel, &race::ResultsPanel::accepted, this, [this] {
        finished_ = true;
        close();
    });
    left_.fill(grand::startLeft);

    if (entry_) {
        setWindowTitle(QStringLiteral("Welcome To The GrandNational Race. Your Horse Is: ") + entry_->ownedHorse());
        backedLabel->setText(QStringLiteral("The Horse You Have Bet On Is: ") + entry_->backed());
        for (int lane = 1; lane <= grand::laneCount; ++lane)
            laneNames[lane - 1]->setText(entry_->runner(lane));
    }
    callTheRace(false);
    for (QWidget *picture : lanePictures)
        static_cast<race::HorsePicture *>(picture)->prepareFrames();
    connect(&game::session(), &game::Session::grandNationalSettled, this, &GrandNationalRaceWindow::finish);
}

GrandNationalRaceWindow::~GrandNationalRaceWindow() { platform::sounds().stopLoop(); }

int GrandNationalRaceWindow::twipsAt(int n) const { return twips(n, scale_); }

void GrandNationalRaceWindow::finish()
{
    trotTimer->stop();
    // With results in the race window, its panel stays until its OK.
    if (resultsPanel->showHeldResults())
        return;
    finished_ = true;
    close();
}

bool GrandNationalRaceWindow::fast() const { return spaceHeld_ || fastButton->isChecked(); }

void GrandNationalRaceWindow::onStartClicked()
{
    if (started_)
        return;
    // The whole race is run here; the playback only shows it. Nothing staked: nothing to run.
    if (!game::session().runGrandNational()) {
        close();
        return;
    }
    started_ = true;
    startButton->setEnabled(false);
    frame_ = 0;
    fastButton->setFocus(Qt::OtherFocusReason);
    platform::sounds().play(platform::Sound::StartBell);
    platform::sounds().startLoop(platform::Sound::Hoofbeats, 0.3);
    hoofbeatVolume_ = 0.3;
    callTheRace(false);
    playbackTimer->start();
}

void GrandNationalRaceWindow::onPlaybackTick()
{
    if (!started_ || finished_ || !playbackTimer->isActive() || !entry_)
        return;
    constexpr double frames = double(platform::grandNationalPlaybackMs) / platform::grandNationalFrameMs;
    const bool wasOver = frame_ >= frames;
    frame_ = std::min(frames, frame_ + (fast() ? platform::spaceHeldSpeedUp : 1));
    showFrame();
    if (frame_ < frames) {
        if (++ticksSinceCall_ * platform::grandNationalFrameMs >= platform::raceCommentaryMs) {
            ticksSinceCall_ = 0;
            callTheRace(false);
        }
        return;
    }
    if (!wasOver) {
        // The last frame: the horses past the post are seen, and the result can be called.
        platform::sounds().stopLoop();
        platform::sounds().play(platform::Sound::Crowd);
        callTheRace(true);
        sinceFinish_.start();
        trotTimer->start();
    }
    // An ordinary race run meanwhile settles first: its settlement keeps its sums while its messages
    // show, and ours would be written over.
    if (game::session().ordinaryRaceRunning())
        return;
    playbackTimer->stop();
    resultsPanel->tell(game::session().settleGrandNational());
}

void GrandNationalRaceWindow::onTrotTick()
{
    const int ms = int(sinceFinish_.elapsed());
    for (int lane = 1; lane <= grand::laneCount; ++lane)
        static_cast<race::HorsePicture *>(lanePictures[lane - 1])
            ->setPose(race::horsePose({lane, true, left_[lane - 1] - grand::startLeft, true, ms}));
}

void GrandNationalRaceWindow::callTheRace(bool finished)
{
    race::RaceView view;
    QList<double> positions;
    for (int lane = 1; lane <= grand::laneCount; ++lane) {
        view.names << (entry_ ? entry_->runner(lane) : QString());
        positions << left_[lane - 1];
    }
    view.positions = positions;
    view.previous = lastCalled_;
    view.start = grand::startLeft;
    view.finish = noseAtMark;
    view.started = started_;
    // The winner is known from the start, but called only once the playback has shown it.
    view.winner = finished && entry_ ? entry_->race().winner : 0;
    if (started_)
        lastCalled_ = positions;
    commentaryLabel->call(race::commentary(view));
}

void GrandNationalRaceWindow::showFrame()
{
    constexpr double frames = double(platform::grandNationalPlaybackMs) / platform::grandNationalFrameMs;
    const grand::Race &race = entry_->race();
    const double iteration = frame_ / frames * double(race.iterations);
    // A horse well past the post pulls up at the edge of the course.
    const int rightmost = formWidth - pictureWidth - 60;
    double leader = 0;
    for (int lane = 1; lane <= grand::laneCount; ++lane) {
        const double left = grand::leftAt(race, lane, iteration);
        left_[lane - 1] = left;
        leader = std::max(leader, left);
        double &passed = pastPostAt_[lane - 1];
        if (passed == 0 && left > grand::finishTest)
            passed = frame_;
        auto *horse = static_cast<race::HorsePicture *>(lanePictures[lane - 1]);
        horse->move(twipsAt(std::min(int(left), rightmost)), horse->y());
        const int msPast = passed > 0 ? int((frame_ - passed) * platform::grandNationalFrameMs) : 0;
        horse->setPose(race::horsePose({lane, true, left - grand::startLeft, passed > 0, msPast}));
    }
    // The hoofbeats grow louder as the leader nears the line.
    const double volume = 0.3 + 0.7 * std::min(1.0, (leader - grand::startLeft) / (noseAtMark - grand::startLeft));
    if (volume - hoofbeatVolume_ >= 0.02) {
        hoofbeatVolume_ = volume;
        platform::sounds().setLoopVolume(volume);
    }
}

void GrandNationalRaceWindow::closeEvent(QCloseEvent *event)
{
    if (running())
        event->ignore();  // the horses are running, or the race is being settled
    else
        event->accept();
}

void GrandNationalRaceWindow::reject() { close(); }

void GrandNationalRaceWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect course(0, 0, width(), twipsAt(courseHeight));
    if (course_.isNull() || course_.devicePixelRatio() != devicePixelRatioF())
        course_ = platform::svgPixmap(QStringLiteral(":/race/grand_national_course.svg"), course.size(),
                                      devicePixelRatioF());
    painter.drawPixmap(0, 0, course_);
    painter.fillRect(QRect(0, course.bottom() + 1, width(), height() - course.height()), stripColour);
    // The finish: a white mark across every lane.
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::FlatCap));
    for (const int top : laneTops)
        painter.drawLine(twipsAt(grand::finishMarkX), twipsAt(top), twipsAt(grand::finishMarkX), twipsAt(top + pictureHeight));
}

bool GrandNationalRaceWindow::spaceKey(QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Space || !running())
        return false;
    if (!key->isAutoRepeat())
        spaceHeld_ = event->type() == QEvent::KeyPress;
    return true;
}

void GrandNationalRaceWindow::keyPressEvent(QKeyEvent *event)
{
    if (!spaceKey(event))
        QDialog::keyPressEvent(event);
}

void GrandNationalRaceWindow::keyReleaseEvent(QKeyEvent *event)
{
    if (!spaceKey(event))
        QDialog::keyReleaseEvent(event);
}

bool GrandNationalRaceWindow::eventFilter(QObject *watched, QEvent *event)
{
    return spaceKey(event) || QDialog::eventFilter(watched, event);
}
