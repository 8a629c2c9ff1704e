// The race window: five horses gallop from left to right, a round of their steps on every tick of
// one timer; the drawn winner's head start makes it finish first, and its last tick settles the race.
#include "race/race_window.h"

#include "game/session.h"
#include "platform/intervals.h"
#include "platform/maker.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "platform/twips.h"
#include "platform/widgets/svg_picture.h"
#include "platform/widgets/window_fit.h"
#include "race/commentary.h"
#include "race/gallop.h"
#include "race/race_rules.h"
#include "race/race_window_horse.h"
#include "race/race_window_results.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include <unordered_map>

using platform::twips;

namespace {

// The course, in twips.
constexpr int formWidth = 15000;
constexpr int formHeight = 12000;
constexpr int bannerHeight = 420;
constexpr int pictureWidth = 1650;
constexpr int pictureHeight = 1410;
constexpr int pictureStartLeft = 120;
constexpr int firstLaneTop = 4320;
constexpr int laneSpacing = 1440;
constexpr int finishX = 13320;
constexpr int finishTop = 4200;
constexpr int finishBottom = 11640;
constexpr int cardTop = 720;      // the name and progress of each lane, above the course
constexpr int cardRow = 660;
constexpr int silkLeft = 3360;
constexpr int nameLeft = 3840;
constexpr int nameWidth = 3480;
constexpr int barLeft = 7440;
constexpr int barWidth = 7080;

const QColor grass(7, 187, 7);
const QColor rail(44, 206, 44);

// The jockeys' silks, lane by lane; the horse pictures wear the same colours.
const QColor silks[race::laneCount] = {QColor(0xd6, 0x28, 0x28), QColor(0x1d, 0x4e, 0xd8), QColor(0xf5, 0xc5, 0x18),
                                       QColor(0x7b, 0x2c, 0xbf), QColor(0xf7, 0x7f, 0x00)};

constexpr int commentaryTop = 11700;  // the caller's line, under the course
// The progress at which a horse's nose reaches the finish line.
constexpr int lineProgress = finishX - race::pictureLeftOffset - 1590;

// A lane's progress: a plain bar in the lane's silks on a dark groove, drawn by hand (a styled
// progress bar costs more than the whole course), its text never shown and so never worked out.
class RaceProgressBar final : public QProgressBar {
public:
    RaceProgressBar(const QColor &colour, QWidget *parent) : QProgressBar(parent), colour_(colour) {}
    QString text() const override { return QString(); }
    // The lane's progress, taken whenever the bar would be drawn differently (a bar a few hundred
    // pixels long shows a step of 10 in 13000 only every third tick or so), and always at the ends.
    void showProgress(int progress)
    {
        if (progress == value())
            return;
        if (filled(progress) == filled(value()) && progress > minimum() && progress < maximum())
            return;
        // Drawn with the rest of the tick's changes, not at once on its own.
        setUpdatesEnabled(false);
        setValue(progress);
        setUpdatesEnabled(true);
    }

protected:
    bool event(QEvent *event) override
    {
        const bool handled = QProgressBar::event(event);
        // The bar fills every pixel it has, so nothing under it need be drawn first; the style's
        // polish takes that back from a progress bar, so it is said again after it.
        if (event->type() == QEvent::Polish)
            setAttribute(Qt::WA_OpaquePaintEvent);
        return handled;
    }
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(16, 60, 16));
        painter.fillRect(QRect(0, 0, filled(value()), height()), colour_);
    }

private:
    // The pixels of the bar a progress fills.
    int filled(int progress) const { return QStyle::sliderPositionFromValue(minimum(), maximum(), progress, width()); }
    QColor colour_;
};

// A swatch of a lane's silks beside its name.
class SilkSwatch final : public QWidget {
public:
    SilkSwatch(const QColor &colour, QWidget *parent) : QWidget(parent), colour_(colour) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(colour_);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
    }

private:
    QColor colour_;
};

// The course: the grass, the rails between the lanes, the white finish line across them and the
// horses, drawn in one opaque piece. The horse pictures only hold the horses' places: a moved horse
// repaints the strip it left and the place it took, in this one widget, and nothing else.
class RaceCourse final : public QWidget {
public:
    RaceCourse(QWidget *parent, const std::array<QWidget *, 5> &horses, double scale)
        : QWidget(parent), horses_(horses), scale_(scale),
          finishLine_(twips(finishX, scale) - 1, twips(finishTop, scale), 3, twips(finishBottom, scale) - twips(finishTop, scale))
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    // Where a horse was and now is, in the window's coordinates.
    void horseMoved(const QRect &area) { update(area.translated(-pos())); }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.translate(-pos());  // the course is measured on the window
        // One rectangle of the region at a time: clipped to one rectangle the painter copies and fills
        // row by row, where a clip of several sends every pixel through its general path.
        for (const QRect &dirty : event->region()) {
            const QRect area = dirty.translated(pos());
            painter.setClipRect(area);
            // A horse clear of the finish line is copied whole, on its lane's ground (nothing drawn
            // under it, nothing blended); the rest of the area is drawn piece by piece.
            QRegion ground(area);
            std::array<bool, race::laneCount> onLine{};
            for (int i = 0; i < race::laneCount; ++i) {
                const QRect at = horses_[i]->geometry();
                if (!at.intersects(area))
                    continue;
                if ((onLine[i] = at.intersects(finishLine_)))
                    continue;
                painter.drawImage(at.topLeft(), onGround(i));
                ground -= at;
            }
            for (const QRect &rest : ground)
                paintGround(painter, rest);
            for (int i = 0; i < race::laneCount; ++i) {
                if (onLine[i])  // over the ground and the line just drawn
                    painter.drawPixmap(horses_[i]->pos(), picture(i).frame());
            }
        }
    }

private:
    race::HorsePicture &picture(int i) const { return *static_cast<race::HorsePicture *>(horses_[i]); }
    // The grass, the rails and the finish line in an area of the window.
    void paintGround(QPainter &painter, const QRect &area) const
    {
        painter.fillRect(area, grass);
        // Straight lines as thin rectangles: a fill of a few pixels, where a stroked line costs a path.
        for (int lane = 0; lane <= race::laneCount; ++lane) {
            const QRect line(area.left(), twips(firstLaneTop - 60 + lane * laneSpacing, scale_) - 1, area.width(), 2);
            if (line.intersects(area))
                painter.fillRect(line.intersected(area), rail);
        }
        if (finishLine_.intersects(area))
            painter.fillRect(finishLine_.intersected(area), Qt::white);
    }
    // Lane i's horse in its pose on its lane's ground away from the finish line (the rails run the
    // whole width, so the ground is the same wherever the horse stands), drawn once per frame.
    const QImage &onGround(int i)
    {
        const QPixmap &frame = picture(i).frame();
        auto found = grounded_[i].find(&frame);
        if (found == grounded_[i].end()) {
            QImage image(frame.size(), QImage::Format_RGB32);
            image.setDevicePixelRatio(frame.devicePixelRatio());
            const QRect at(QPoint(0, horses_[i]->y()), horses_[i]->size());
            QPainter painter(&image);
            painter.translate(-at.topLeft());
            paintGround(painter, at);
            painter.drawPixmap(at.topLeft(), frame);
            painter.end();
            found = grounded_[i].emplace(&frame, std::move(image)).first;
        }
        return found->second;
    }

    std::array<QWidget *, 5> horses_;
    double scale_;
    QRect finishLine_;  // on the window, worked out once: the window's scale never changes
    // Each lane's frames on its ground, by the frame they were drawn from.
    std::array<std::unordered_map<const QPixmap *, QImage>, race::laneCount> grounded_;
};

}  // namespace

RaceWindow::RaceWindow() : session_(game::session()), race_(session_.race())
{
    scale_ = platform::fitWindow(this, formWidth, formHeight);
    const platform::TwipsScale scaled(scale_);
    setObjectName(QStringLiteral("Form4"));
    setModal(false);
    resize(twips(formWidth), twips(formHeight));
    // Smaller, and the horses near the finish would be cut off.
    setMinimumSize(twips(formWidth), twips(formHeight));
    setAutoFillBackground(true);
    QPalette grassPalette = palette();
    grassPalette.setColor(QPalette::Window, grass);
    setPalette(grassPalette);

    bannerStrip = new QWidget(this);
    bannerStrip->setObjectName(QStringLiteral("Picture6"));
    bannerStrip->setAutoFillBackground(true);
    QPalette bannerPalette = bannerStrip->palette();
    bannerPalette.setColor(QPalette::Window, QColor(16, 32, 16));
    bannerPalette.setColor(QPalette::WindowText, QColor(255, 236, 120));
    bannerStrip->setPalette(bannerPalette);
    bannerLabel = new QLabel(QString::fromLatin1(platform::makerWebAddress), bannerStrip);
    bannerLabel->setObjectName(QStringLiteral("Label6"));
    bannerLabel->setAlignment(Qt::AlignCenter);
    QFont bannerFont = bannerLabel->font();
    bannerFont.setBold(true);
    bannerLabel->setFont(bannerFont);
    layOutBanner();

    startButton = new QPushButton(QStringLiteral("Start The Race"), this);
    startButton->setObjectName(QStringLiteral("Command1"));
    startButton->setGeometry(platform::twipsRect(480, 1680, 2520, 720));
    QFont startFont = startButton->font();
    startFont.setBold(true);
    startButton->setFont(startFont);
    connect(startButton, &QPushButton::clicked, this, &RaceWindow::onStartClicked);
    // Two buttons the game's documents name, never shown.
    for (const char *name : {"Command2", "Command3"}) {
        auto *hidden = new QPushButton(this);
        hidden->setObjectName(QString::fromLatin1(name));
        hidden->hide();
    }
    dopingMarkField = new QLineEdit(this);
    dopingMarkField->setObjectName(QStringLiteral("Text1"));
    dopingMarkField->setAccessibleName(QStringLiteral("Doping mark"));
    dopingMarkField->hide();

    QFont nameFont = font();
    nameFont.setBold(true);
    for (int lane = 1; lane <= race::laneCount; ++lane) {
        const int i = lane - 1;
        const int rowTop = cardTop + i * cardRow;

        auto *swatch = new SilkSwatch(silks[i], this);
        swatch->setObjectName(QStringLiteral("silks%1").arg(lane));
        swatch->setGeometry(platform::twipsRect(silkLeft, rowTop + 30, 300, 300));

        QLabel *name = new QLabel(this);
        name->setObjectName(QStringLiteral("Label%1").arg(lane));
        name->setTextFormat(Qt::PlainText);  // a horse's name is shown as the player typed it
        name->setFont(nameFont);
        QPalette namePalette = name->palette();
        namePalette.setColor(QPalette::WindowText, Qt::white);
        name->setPalette(namePalette);
        name->setGeometry(platform::twipsRect(nameLeft, rowTop, nameWidth, 360));
        laneNames[i] = name;

        QProgressBar *bar = new RaceProgressBar(silks[i], this);
        bar->setObjectName(QStringLiteral("ProgressBar%1").arg(lane));
        bar->setRange(0, race::progressMaximum);
        bar->setValue(0);
        bar->setTextVisible(false);
        bar->setGeometry(platform::twipsRect(barLeft, rowTop + 30, barWidth, 300));
        laneBars[i] = bar;

        // The course draws the horse; its picture holds its place.
        auto *picture = new race::HorsePicture(lane, this);
        picture->setAttribute(Qt::WA_DontShowOnScreen);
        picture->setUpdatesEnabled(false);  // never drawn itself, so its pose changes cost nothing
        picture->setObjectName(QStringLiteral("Picture%1").arg(lane));
        picture->setGeometry(platform::twipsRect(pictureStartLeft, firstLaneTop + i * laneSpacing, pictureWidth,
                                                 pictureHeight));
        lanePictures[i] = picture;
    }
    course_ = new RaceCourse(this, lanePictures, scale_);
    course_->setObjectName(QStringLiteral("course"));
    course_->lower();
    raceTimer = new QTimer(this);
    raceTimer->setObjectName(QStringLiteral("raceTimer"));
    raceTimer->setTimerType(Qt::PreciseTimer);
    raceTimer->setInterval(platform::effectiveInterval(platform::horseTickMs));
    connect(raceTimer, &QTimer::timeout, this, &RaceWindow::onRaceTick);
    trotTimer = new QTimer(this);
    trotTimer->setObjectName(QStringLiteral("trotTimer"));
    trotTimer->setInterval(platform::trotTickMs);
    connect(trotTimer, &QTimer::timeout, this, &RaceWindow::onTrotTick);

    // The race caller, under the course; a screen reader reads the line as it changes.
    commentaryLabel = new race::CallerLine(this, nameFont, platform::twipsRect(240, commentaryTop, formWidth - 480, 300));
    resultsPanel = new race::ResultsPanel(this);
    connect(resultsPanel, &race::ResultsPanel::accepted, this, [this] {
        finished_ = true;
        close();
    });

    bannerTimer = new QTimer(this);
    bannerTimer->setObjectName(QStringLiteral("Timer1"));
    bannerTimer->setInterval(platform::effectiveInterval(platform::raceBannerMs));
    connect(bannerTimer, &QTimer::timeout, this, &RaceWindow::onBannerTick);
    bannerTimer->start();

    setWindowTitle(QStringLiteral("The Race - The Horse You Chose To Win Is '") + session_.bet().backed +
                   QStringLiteral("'"));
    for (int lane = 1; lane <= race::laneCount; ++lane)
        laneNames[lane - 1]->setText(race_ ? race_->name(lane) : QString());
    showRace();
    callTheRace();
    for (QWidget *picture : lanePictures)
        static_cast<race::HorsePicture *>(picture)->prepareFrames();
    connect(&session_, &game::Session::raceChanged, this, &RaceWindow::showRace);
    connect(&session_, &game::Session::raceCalledOff, this, &RaceWindow::finish);
    connect(&session_, &game::Session::raceSettled, this, &RaceWindow::finish);
}

RaceWindow::~RaceWindow() { platform::sounds().stopLoop(); }

void RaceWindow::showRace()
{
    const game::RacePhase phase = session_.racePhase();
    // The race stops before anything of its settlement is shown: no other horse can finish now.
    if (phase == game::RacePhase::Settling || phase == game::RacePhase::None)
        raceTimer->stop();
    if (!race_)
        return;
    const std::optional<bool> drugged = race_->drugged();
    dopingMarkField->setText(!drugged ? QString() : *drugged ? QStringLiteral("1") : QStringLiteral("0"));
    for (int lane = 1; lane <= race::laneCount; ++lane)
        laneBars[lane - 1]->setValue(race_->progress(lane));
}

int RaceWindow::twipsAt(int n) const { return twips(n, scale_); }

void RaceWindow::layOutBanner()
{
    if (course_)
        course_->setGeometry(0, twipsAt(finishTop), width(), twipsAt(finishBottom) - twipsAt(finishTop));
    bannerStrip->setGeometry(0, 0, width(), twipsAt(bannerHeight));
    bannerLabel->setGeometry(bannerStrip->rect());
}

void RaceWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    layOutBanner();
}

void RaceWindow::onStartClicked()
{
    if (!race_ || race_->started())
        return;
    startButton->setEnabled(false);
    startButton->hide();
    session_.startRunning();
    platform::sounds().play(platform::Sound::StartBell);
    platform::sounds().startLoop(platform::Sound::Hoofbeats, 0.3);
    hoofbeatVolume_ = 0.3;
    ticksSinceCall_ = 0;
    callTheRace();
    raceTimer->start();
}

void RaceWindow::onRaceTick()
{
    if (!race_ || race_->winner() != 0)
        return;  // a tick that was already on its way when the race ended
    race_->setFast(spaceHeld_);
    // Every horse has the same step; the drawn winner's comes first in each round.
    const int winner = race_->drawnWinner();
    for (int place = 0; place < race::laneCount; ++place) {
        const int lane = (winner - 1 + place) % race::laneCount + 1;
        const bool finished = race_->tick(lane);
        showLane(lane);
        if (finished) {
            onFinished();
            return;
        }
    }
    // The hoofbeats grow louder as the leader nears the line.
    int leader = 0;
    for (int lane = 1; lane <= race::laneCount; ++lane)
        leader = std::max(leader, race_->progress(lane));
    const double volume = 0.3 + 0.7 * std::min(1.0, double(leader) / lineProgress);
    if (volume - hoofbeatVolume_ >= 0.02) {
        hoofbeatVolume_ = volume;
        platform::sounds().setLoopVolume(volume);
    }
    if (++ticksSinceCall_ * platform::effectiveInterval(platform::horseTickMs) >= platform::raceCommentaryMs) {
        ticksSinceCall_ = 0;
        callTheRace();
    }
}

void RaceWindow::onFinished()
{
    raceTimer->stop();
    platform::sounds().stopLoop();
    platform::sounds().play(platform::Sound::Crowd);
    callTheRace();
    // Past the line the horses ease to a trot while the race is settled.
    sinceFinish_.start();
    onTrotTick();
    trotTimer->start();
    resultsPanel->tell(session_.settleRace());
}

void RaceWindow::onTrotTick()
{
    const int ms = int(sinceFinish_.elapsed());
    for (int lane = 1; lane <= race::laneCount; ++lane) {
        auto *horse = static_cast<race::HorsePicture *>(lanePictures[lane - 1]);
        const race::Pose before = horse->pose();
        horse->setPose(race::horsePose({lane, true, double(race_->progress(lane)), true, ms}));
        if (horse->pose() != before)
            static_cast<RaceCourse *>(course_)->horseMoved(horse->geometry());
    }
}

void RaceWindow::showLane(int lane)
{
    const int progress = race_->progress(lane);
    if (race_->winner() != 0) {
        laneBars[lane - 1]->setValue(progress);
        return;  // the winner's last tick moves its bar, not its picture
    }
    static_cast<RaceProgressBar *>(laneBars[lane - 1])->showProgress(progress);
    // Only what moved is drawn again: the picture, and its stride with it, when it moves a pixel.
    auto *horse = static_cast<race::HorsePicture *>(lanePictures[lane - 1]);
    const int left = twipsAt(race::pictureLeftTwips(progress));
    if (left == horse->x())
        return;
    const QRect before = horse->geometry();
    horse->move(left, horse->y());
    horse->setPose(race::horsePose({lane, true, double(progress), false, 0}));
    static_cast<RaceCourse *>(course_)->horseMoved(before.united(horse->geometry()));
}

void RaceWindow::callTheRace()
{
    race::RaceView view;
    QList<double> positions;
    for (int lane = 1; lane <= race::laneCount; ++lane) {
        view.names << (race_ ? race_->name(lane) : QString());
        positions << (race_ ? race_->progress(lane) : 0);
    }
    view.positions = positions;
    view.previous = lastCalled_;
    view.finish = lineProgress;
    view.started = race_ && race_->started();
    view.winner = race_ ? race_->winner() : 0;
    if (view.started)
        lastCalled_ = positions;
    commentaryLabel->call(race::commentary(view));
}

void RaceWindow::onBannerTick()
{
    const int k = platform::drawBelow(6) + 1;
    bannerLabel->setText(race::bannerText(k, bannerLabel->text()));
}

void RaceWindow::finish()
{
    if (finished_)
        return;
    trotTimer->stop();
    // With results in the race window, its panel stays until its OK.
    if (resultsPanel->showHeldResults())
        return;
    finished_ = true;
    close();
}

void RaceWindow::closeEvent(QCloseEvent *event)
{
    if (finished_) {
        event->accept();
        return;
    }
    if (race_ && race_->started()) {
        // The horses are running, the race is being settled, or its results wait for their OK: the
        // settlement, or the OK, closes the window.
        event->ignore();
        return;
    }
    // Closed before the start: the bet is called off and the office goes back to stake entry.
    finished_ = true;
    session_.cancelBet();
    event->accept();
}

void RaceWindow::reject() { close(); }

void RaceWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Space)
        return QDialog::keyPressEvent(event);
    spaceHeld_ = true;
}

void RaceWindow::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Space)
        return QDialog::keyReleaseEvent(event);
    if (!event->isAutoRepeat())
        spaceHeld_ = false;
}
