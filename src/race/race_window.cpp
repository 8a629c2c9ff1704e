// The race window: five horses run from left to right, each on its own timer;
// the drawn winner's head start makes it finish first, and its last tick settles the race.
#include "race/race_window.h"

#include "app/window_registry.h"
#include "book/race_book.h"
#include "office/betting_office_window.h"
#include "office/race_card.h"
#include "platform/control_array.h"
#include "platform/dialogs.h"
#include "platform/intervals.h"
#include "platform/maker.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "platform/widgets/svg_picture.h"
#include "player/record_files.h"
#include "race/race_rules.h"
#include "race/settlement.h"
#include "race/race_window_horse.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

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

// Two strides of a galloping horse; the picture changes stride as the horse covers ground.
constexpr int strideLength = 60;


// A lane's progress. Its text is never shown, so it is never worked out: a tick
// only moves the bar.
class RaceProgressBar final : public QProgressBar {
public:
    using QProgressBar::QProgressBar;
    QString text() const override { return QString(); }
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

}  // namespace

RaceWindow::RaceWindow()
{
    setObjectName(QStringLiteral("Form4"));
    setModal(false);
    resize(twips(formWidth), twips(formHeight));
    // Smaller, and the horses near the finish would be cut off.
    setMinimumSize(twips(formWidth), twips(formHeight));

    Picture6 = new QWidget(this);
    Picture6->setObjectName(QStringLiteral("Picture6"));
    Picture6->setAutoFillBackground(true);
    QPalette bannerPalette = Picture6->palette();
    bannerPalette.setColor(QPalette::Window, QColor(16, 32, 16));
    bannerPalette.setColor(QPalette::WindowText, QColor(255, 236, 120));
    Picture6->setPalette(bannerPalette);
    Picture6->setGeometry(0, 0, width(), twips(bannerHeight));
    Label6 = new QLabel(QString::fromLatin1(platform::makerWebAddress), Picture6);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setAlignment(Qt::AlignCenter);
    QFont bannerFont = Label6->font();
    bannerFont.setBold(true);
    Label6->setFont(bannerFont);
    Label6->setGeometry(Picture6->rect());

    Command1 = new QPushButton(QStringLiteral("Start The Race"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(platform::twipsRect(480, 1680, 2520, 720));
    QFont startFont = Command1->font();
    startFont.setBold(true);
    Command1->setFont(startFont);
    connect(Command1, &QPushButton::clicked, this, &RaceWindow::Command1_Click);

    Command2 = new QPushButton(this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->hide();
    Command3 = new QPushButton(this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->hide();
    connect(Command3, &QPushButton::clicked, this, &RaceWindow::Command3_Click);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("Doping mark"));
    Text1->hide();

    QProgressBar **bars[] = {&ProgressBar1, &ProgressBar2, &ProgressBar3, &ProgressBar4, &ProgressBar5};
    QWidget **pictures[] = {&Picture1, &Picture2, &Picture3, &Picture4, &Picture5};
    QLabel **names[] = {&Label1, &Label2, &Label3, &Label4, &Label5};
    QTimer **timers[] = {&horse1t, &horse2t, &horse3t, &horse4t, &horse5t};
    void (RaceWindow::*ticks[])() = {&RaceWindow::horse1t_Timer, &RaceWindow::horse2t_Timer, &RaceWindow::horse3t_Timer,
                                &RaceWindow::horse4t_Timer, &RaceWindow::horse5t_Timer};
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
        *names[i] = name;

        QProgressBar *bar = new RaceProgressBar(this);
        bar->setObjectName(QStringLiteral("ProgressBar%1").arg(lane));
        bar->setRange(0, race::progressMaximum);
        bar->setValue(0);
        bar->setTextVisible(false);
        QPalette barPalette = bar->palette();
        barPalette.setColor(QPalette::Highlight, silks[i]);
        bar->setPalette(barPalette);
        bar->setGeometry(platform::twipsRect(barLeft, rowTop + 30, barWidth, 300));
        *bars[i] = bar;

        auto *picture = new race::HorsePicture(lane, this);
        picture->setObjectName(QStringLiteral("Picture%1").arg(lane));
        picture->setGeometry(platform::twipsRect(pictureStartLeft, firstLaneTop + i * laneSpacing, pictureWidth,
                                                 pictureHeight));
        *pictures[i] = picture;

        QTimer *timer = new QTimer(this);
        timer->setObjectName(QStringLiteral("horse%1t").arg(lane));
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(platform::effectiveInterval(platform::horseTickMs));
        connect(timer, &QTimer::timeout, this, ticks[i]);
        *timers[i] = timer;
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(platform::effectiveInterval(platform::raceBannerMs));
    connect(Timer1, &QTimer::timeout, this, &RaceWindow::Timer1_Timer);
    Timer1->start();

    Form_Load();
}

RaceWindow::~RaceWindow() = default;

QProgressBar *RaceWindow::progressBar(int lane) const
{
    return platform::numbered(lane, {ProgressBar1, ProgressBar2, ProgressBar3, ProgressBar4, ProgressBar5});
}

QWidget *RaceWindow::picture(int lane) const
{
    return platform::numbered(lane, {Picture1, Picture2, Picture3, Picture4, Picture5});
}

QLabel *RaceWindow::nameLabel(int lane) const
{
    return platform::numbered(lane, {Label1, Label2, Label3, Label4, Label5});
}

QTimer *RaceWindow::horseTimer(int lane) const
{
    return platform::numbered(lane, {horse1t, horse2t, horse3t, horse4t, horse5t});
}

void RaceWindow::Form_Load()
{
    Command1->setVisible(true);
    setAutoFillBackground(true);
    QPalette grassPalette = palette();
    grassPalette.setColor(QPalette::Window, grass);
    setPalette(grassPalette);

    BettingOfficeWindow *office = app::existingWindow<BettingOfficeWindow>();
    const QString backed = office && office->Label14 ? office->Label14->text() : QString();
    setWindowTitle(QStringLiteral("The Race - The Horse You Chose To Win Is '") + backed + QStringLiteral("'"));
    for (int lane = 1; lane <= race::laneCount; ++lane) {
        QRadioButton *option = office ? office->horseOption(lane) : nullptr;
        nameLabel(lane)->setText(option ? option->text() : QString());
    }
    Form_Resize();
}

void RaceWindow::Form_Resize()
{
    if (Picture6) {
        Picture6->setGeometry(0, 0, width(), twips(bannerHeight));
        Label6->setGeometry(Picture6->rect());
    }
}

void RaceWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

void RaceWindow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    // The rails between the lanes, then the white finish line across all of them.
    painter.setPen(QPen(rail, 2));
    for (int lane = 0; lane <= race::laneCount; ++lane) {
        const int y = twips(firstLaneTop - 60 + lane * laneSpacing);
        painter.drawLine(0, y, width(), y);
    }
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(twips(finishX), twips(finishTop), twips(finishX), twips(finishBottom));
}

void RaceWindow::Command1_Click()
{
    if (started_)
        return;
    started_ = true;
    Command1->setEnabled(false);
    Command1->hide();

    drawnWinner_ = platform::draw(race::laneCount);
    for (int place = 0; place < race::laneCount; ++place) {
        const int lane = (drawnWinner_ - 1 + place) % race::laneCount + 1;
        horseTimer(lane)->start();
    }
    for (int lane = 1; lane <= race::laneCount; ++lane) {
        QProgressBar *bar = progressBar(lane);
        bar->setValue(bar->value() + race::headStart(lane, drawnWinner_));
    }
}

void RaceWindow::horse1t_Timer() { tick(1); }
void RaceWindow::horse2t_Timer() { tick(2); }
void RaceWindow::horse3t_Timer() { tick(3); }
void RaceWindow::horse4t_Timer() { tick(4); }
void RaceWindow::horse5t_Timer() { tick(5); }

void RaceWindow::tick(int lane)
{
    if (winningHorse != 0)
        return;  // a tick that was already on its way when the race ended
    QProgressBar *bar = progressBar(lane);
    int progress = bar->value();
    if (lane == drawnWinner_)
        stepsThisRound_ = spaceHeld_ ? platform::spaceHeldSpeedUp : 1;
    for (int step = 0; step < stepsThisRound_; ++step) {
        if (race::tickFinishes(lane, progress)) {
            bar->setValue(progress);
            winningHorse = static_cast<short>(lane);
            Command3_Click();
            return;
        }
    }
    bar->setValue(progress);
    placePicture(lane, progress);
}

void RaceWindow::placePicture(int lane, int progress)
{
    QWidget *horse = picture(lane);
    horse->move(twips(race::pictureLeftTwips(progress)), horse->y());
    static_cast<race::HorsePicture *>(horse)->setStride((progress / strideLength) % 2);
}

void RaceWindow::Timer1_Timer()
{
    const int k = platform::drawBelow(6) + 1;
    Label6->setText(race::bannerText(k, Label6->text()));
}

void RaceWindow::Command3_Click()
{
    if (settled_ || winningHorse < 1 || winningHorse > race::laneCount)
        return;
    settled_ = true;
    // 1. Stop the race before anything is shown: no other horse can finish now.
    for (int lane = 1; lane <= race::laneCount; ++lane)
        horseTimer(lane)->stop();

    BettingOfficeWindow *office = app::existingWindow<BettingOfficeWindow>();
    if (!office) {
        finished_ = true;
        close();
        return;
    }
    using platform::Icon;
    using platform::say;
    const int winner = winningHorse;
    const QString winnerName = office->horseOption(winner)->text();
    const QString sign = office->curr->text();
    race::Purse purse;
    purse.cash = platform::moneyOrZero(office->Text1->text());
    purse.debt = platform::moneyOrZero(office->Text2->text());
    bool heldTold = false;
    // This race's row in the player's race book, filled in as the settlement goes.
    book::Row bookRow;
    bookRow.when = QDateTime::currentDateTime();
    bookRow.backed = office->Label14->text();
    bookRow.stake = race::captionMoney(office->Label10->text());
    bookRow.winner = winnerName;
    bookRow.drug = Text1->text() == QLatin1String("1");
    for (int horse = 1; horse <= race::laneCount; ++horse) {
        bookRow.horses[horse - 1] = office->horseOption(horse)->text();
        bookRow.odds[horse - 1] = office::oddsValue(office->oddsLabel(horse)->text());
    }
    auto writeMoney = [&] {
        office->Text1->setText(platform::moneyText(purse.cash));
        office->Text2->setText(platform::moneyText(purse.debt));
        if (purse.held && !heldTold) {
            heldTold = true;
            say(race::heldMessage(sign), Icon::Warning);
        }
    };

    // 2. The winner.
    say(QStringLiteral("The Winner Was ") + winnerName + race::laneTag(winner), Icon::Information);
    office->Text11->setText(winnerName);

    // 3. The bet: the stake is taken on a loss; a win pays the promised winnings and keeps the stake.
    if (winnerName != office->Label14->text()) {
        purse.take(race::captionMoney(office->Label10->text(), &purse.held));
        writeMoney();
        say(QStringLiteral(" Your Horse Lost"), Icon::Critical);
    } else {
        say(QStringLiteral(" Your horse was the winner! You Have Won ") + sign + office->Label12->text(),
            Icon::Information);
        bookRow.winnings = race::captionMoney(office->Label12->text(), &purse.held);
        purse.pay(bookRow.winnings);
        writeMoney();
    }

    // 4. Interest on the debt.
    purse.addInterest();
    writeMoney();

    // 5. Back to the betting office.
    office->show();
    office->Command2->setEnabled(true);
    office->wiz1->setVisible(true);
    office->Command12->setVisible(true);
    office->Command12->setEnabled(true);

    // 6. and 7. The owner's prize and the owner's charges.
    const QString share = office->Label16->text();
    if (share != player::noShares) {
        if (share == winnerName) {
            say(QStringLiteral("The Horse You Own As Won The Race, You Get ") + sign + QStringLiteral("10,000 "),
                Icon::Information);
            bookRow.ownersPrize = race::ownersPrize;
            purse.pay(race::ownersPrize);
            writeMoney();
        }
        if (platform::draw(race::chargeChance) == race::chargeDrawn) {
            const int kind = platform::draw(race::chargeKinds);
            const int charge = platform::draw(race::chargeMaximum);
            say(race::chargeLeadIn(kind) + sign + QString::number(charge), Icon::Critical);
            bookRow.charge = charge;
            purse.take(charge);
            writeMoney();
        }
    }

    // 8. The stake box, 9. the next race's odds.
    office->Text3->setEnabled(true);
    const std::array<int, 5> odds = race::drawNextOdds();
    for (int horse = 1; horse <= race::laneCount; ++horse)
        office->oddsLabel(horse)->setText(QString::number(odds[horse - 1]));

    // 10. The drug test of a drugged horse.
    if (Text1->text() == QLatin1String("1") && platform::draw(race::drugTestChance) == race::drugTestDrawn) {
        const race::Money fine = race::drawFine();
        say(QStringLiteral("Your horse as been tested for drugs, your horse was proven positive"), Icon::Critical);
        say(QStringLiteral("you have been fined ") + sign + platform::moneyText(fine) +
                QStringLiteral(" & your horse as been destroyed"),
            Icon::Critical);
        bookRow.fine = fine;
        purse.take(fine);
        writeMoney();
        office->setShare(player::noShares);
        office->Command8->hide();
    }

    // 11. Stake entry again, and borrowing.
    office->Command2->setEnabled(true);
    office->Command6->setEnabled(true);
    office->Command10->setEnabled(true);

    // 12. Save, 13. and this race is over.
    office->paddoxsavenoname();
    bookRow.cash = purse.cash;
    bookRow.debt = purse.debt;
    if (const QString error = book::recordRace(office->Label23->text().toInt(), bookRow); !error.isEmpty())
        say(error, Icon::Warning);
    finished_ = true;
    close();
}

void RaceWindow::closeEvent(QCloseEvent *event)
{
    if (finished_) {
        event->accept();
        return;
    }
    if (started_ || settled_) {
        // The horses are running, or the race is being settled: the settlement closes the window.
        event->ignore();
        return;
    }
    // Closed before the start: the bet is called off and the office goes back to stake entry.
    started_ = true;
    settled_ = true;
    finished_ = true;
    if (BettingOfficeWindow *office = app::existingWindow<BettingOfficeWindow>())
        office->Label39_Click();
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
