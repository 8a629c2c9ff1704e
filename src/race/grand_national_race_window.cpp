// The Grand National race: the loop of random moves runs to its end when Start is pressed, so
// the winner is known before a horse is seen to move; the recorded moves are then played back
// frame by frame, and the settlement pays the bet, the interest, the owner's prize and charge.
#include "race/grand_national_race_window.h"

#include "app/window_registry.h"
#include "book/race_book.h"
#include "office/betting_office_window.h"
#include "office/race_card.h"
#include "platform/control_array.h"
#include "platform/dialogs.h"
#include "platform/intervals.h"
#include "platform/twips.h"
#include "platform/widgets/svg_picture.h"
#include "race/grand_national_window.h"
#include "race/race_window.h"
#include "race/race_window_horse.h"
#include "race/settlement.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
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
constexpr int strideLength = 90;  // twips a horse covers in one stride of its picture

const QColor stripColour(20, 58, 24);


}  // namespace

GrandNationalRaceWindow::GrandNationalRaceWindow()
{
    setObjectName(QStringLiteral("Frmgrandrace"));
    setModal(false);
    setFixedSize(platform::twipsSize(formWidth, formHeight));

    QLabel **names[] = {&Label3, &Label4, &Label5, &Label6, &Label7};
    QWidget **pictures[] = {&Picture2, &Picture3, &Picture4, &Picture5, &Picture6};
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
        *names[i] = name;
        auto *horse = new race::HorsePicture(i + 1, this);
        horse->setObjectName(QStringLiteral("Picture%1").arg(2 + i));
        horse->setGeometry(twipsRect(grand::startLeft, laneTops[i], pictureWidth, pictureHeight));
        *pictures[i] = horse;
    }

    Label2 = new QLabel(QStringLiteral("Welcome To AINTREE For The GrandNational. Sponsered By Tamblor Networks"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(bold);
    Label2->setPalette(white);
    Label2->setGeometry(twipsRect(240, courseHeight + 150, 8280, 330));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setPalette(white);
    Label1->setGeometry(twipsRect(240, courseHeight + 570, 8280, 330));

    Command1 = new QPushButton(QStringLiteral("Start"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(8760, courseHeight + 240, 1620, 600));
    Command1->setFont(bold);
    Command1->setAutoDefault(false);
    cmdFast = new QPushButton(QStringLiteral("Fast"), this);
    cmdFast->setObjectName(QStringLiteral("cmdFast"));
    cmdFast->setGeometry(twipsRect(10560, courseHeight + 240, 1620, 600));
    cmdFast->setCheckable(true);
    cmdFast->setAutoDefault(false);
    cmdFast->setToolTip(QStringLiteral("Four times as fast (or hold the Space bar)"));
    for (QPushButton *b : {Command1, cmdFast})
        b->installEventFilter(this);  // Space while the race plays means "fast", never a click
    connect(Command1, &QPushButton::clicked, this, &GrandNationalRaceWindow::Command1_Click);

    tmrPlayback = new QTimer(this);
    tmrPlayback->setObjectName(QStringLiteral("tmrPlayback"));
    tmrPlayback->setTimerType(Qt::PreciseTimer);
    tmrPlayback->setInterval(platform::grandNationalFrameMs);
    connect(tmrPlayback, &QTimer::timeout, this, &GrandNationalRaceWindow::tmrPlayback_Timer);

    Form_Load();
}

GrandNationalRaceWindow::~GrandNationalRaceWindow() = default;

QWidget *GrandNationalRaceWindow::picture(int lane) const
{
    return platform::numbered(lane, {Picture2, Picture3, Picture4, Picture5, Picture6});
}

QLabel *GrandNationalRaceWindow::nameLabel(int lane) const
{
    return platform::numbered(lane, {Label3, Label4, Label5, Label6, Label7});
}

void GrandNationalRaceWindow::Form_Load()
{
    const GrandNationalWindow *betting = app::existingWindow<GrandNationalWindow>();
    if (!betting)
        return;
    setWindowTitle(QStringLiteral("Welcome To The GrandNational Race. Your Horse Is: ") + betting->Label9->text());
    Label1->setText(QStringLiteral("The Horse You Have Bet On Is: ") + betting->Label12->text());
    for (int lane = 1; lane <= grand::laneCount; ++lane)
        nameLabel(lane)->setText(betting->runner(lane)->text());
}

bool GrandNationalRaceWindow::fast() const { return spaceHeld_ || cmdFast->isChecked(); }

void GrandNationalRaceWindow::Command1_Click()
{
    GrandNationalWindow *betting = app::existingWindow<GrandNationalWindow>();
    if (started_)
        return;
    if (!betting || !betting->stakeConfirmed()) {
        close();  // nothing staked: nothing to run
        return;
    }
    started_ = true;
    Command1->setEnabled(false);
    betting->Command2->setEnabled(false);
    // The whole race is run here; the playback only shows it.
    race_ = grand::runRace();
    winningLane = static_cast<short>(race_.winner);
    frame_ = 0;
    cmdFast->setFocus(Qt::OtherFocusReason);
    tmrPlayback->start();
}

void GrandNationalRaceWindow::tmrPlayback_Timer()
{
    if (!started_ || finished_ || !tmrPlayback->isActive())
        return;
    constexpr double frames = double(platform::grandNationalPlaybackMs) / platform::grandNationalFrameMs;
    frame_ = std::min(frames, frame_ + (fast() ? platform::spaceHeldSpeedUp : 1));
    showFrame();
    if (frame_ >= frames) {
        // An ordinary race run meanwhile settles first: its settlement keeps its sums while its
        // messages show, and ours would be written over.
        const RaceWindow *ordinary = app::existingWindow<RaceWindow>();
        if (ordinary && ordinary->isVisible() && (ordinary->racing() || ordinary->winningHorse != 0))
            return;
        tmrPlayback->stop();
        settle();
    }
}

void GrandNationalRaceWindow::showFrame()
{
    constexpr double frames = double(platform::grandNationalPlaybackMs) / platform::grandNationalFrameMs;
    const double iteration = frame_ / frames * double(race_.iterations);
    // A horse well past the post pulls up at the edge of the course.
    const int rightmost = formWidth - pictureWidth - 60;
    for (int lane = 1; lane <= grand::laneCount; ++lane) {
        const double left = grand::leftAt(race_, lane, iteration);
        QWidget *horse = picture(lane);
        horse->move(twips(std::min(int(left), rightmost)), horse->y());
        static_cast<race::HorsePicture *>(horse)->setStride(int(left) / strideLength % 2);
    }
}

void GrandNationalRaceWindow::settle()
{
    GrandNationalWindow *betting = app::existingWindow<GrandNationalWindow>();
    BettingOfficeWindow *office = app::existingWindow<BettingOfficeWindow>();
    if (!betting || !office) {
        finished_ = true;
        close();
        return;
    }
    using platform::Money;
    using platform::say;
    const int winner = winningLane;
    const QString name = betting->runner(winner)->text();
    const QString sign = office->curr->text();
    bool held = false, heldTold = false;
    // Every change starts from the office's cash and debt as they stand, and both windows show the result.
    auto write = [&](QLineEdit *mine, QLineEdit *theirs, Money value) {
        mine->setText(platform::moneyText(value));
        theirs->setText(platform::moneyText(value));
        if (held && !heldTold) {
            heldTold = true;
            say(race::heldMessage(sign), platform::Icon::Warning);
        }
    };
    auto cash = [&] { return platform::moneyOrZero(office->Text1->text()); };
    // This race's row in the player's race book, filled in as the settlement goes.
    book::Row bookRow;
    bookRow.when = QDateTime::currentDateTime();
    bookRow.kind = book::grandNationalKind;
    bookRow.backed = betting->Label12->text();
    bookRow.stake = race::captionMoney(betting->Label10->text());
    bookRow.winner = name;
    for (int lane = 1; lane <= grand::laneCount; ++lane) {
        bookRow.horses[lane - 1] = betting->runner(lane)->text();
        bookRow.odds[lane - 1] = office::oddsValue(betting->oddsLabel(lane)->text());
    }

    say(QStringLiteral("The Winner Was ") + name + race::laneTag(winner));
    betting->Text4->setText(name);

    if (name == betting->Label12->text()) {
        say(QStringLiteral(" Your horse was the winner! You Have Won ") + sign + betting->Label11->text());
        bookRow.winnings = race::captionMoney(betting->Label11->text(), &held);
        write(betting->Text1, office->Text1, platform::heldAdd(cash(), bookRow.winnings, &held));
    } else {
        say(QStringLiteral(" Your Horse Lost"));  // the stake went at Confirm
    }

    const Money debt = platform::moneyOrZero(office->Text2->text());
    write(betting->Text2, office->Text2, platform::heldAdd(debt, race::debtInterest(debt, &held), &held));

    betting->show();
    betting->Command1->setEnabled(true);

    if (betting->Label9->text() == name) {
        say(QStringLiteral("The Horse You Own As Won The Race, You Get ") + sign + QStringLiteral("1,000,000"));
        bookRow.ownersPrize = grand::ownersPrize;
        write(betting->Text1, office->Text1, platform::heldAdd(cash(), grand::ownersPrize, &held));
    }

    if (const grand::Charge charge = grand::drawCharge(); charge.billed) {
        say(race::chargeLeadIn(charge.kind) + sign + platform::moneyText(charge.amount));
        bookRow.charge = charge.amount;
        write(betting->Text1, office->Text1, platform::heldSub(cash(), charge.amount, &held));
    }

    betting->Text3->setEnabled(true);
    const grand::Lanes odds = grand::drawNextOdds();
    for (int lane = 1; lane <= grand::laneCount; ++lane)
        betting->oddsLabel(lane)->setText(QString::number(odds[lane - 1]));

    office->show();
    write(office->Text1, betting->Text1, cash());
    bookRow.cash = cash();
    bookRow.debt = platform::moneyOrZero(office->Text2->text());
    if (const QString error = book::recordRace(office->Label23->text().toInt(), bookRow); !error.isEmpty())
        say(error, platform::Icon::Warning);
    betting->raceSettled();
    betting->hide();
    finished_ = true;
    close();
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
    const QRect course(0, 0, width(), twips(courseHeight));
    if (course_.isNull() || course_.devicePixelRatio() != devicePixelRatioF())
        course_ = platform::svgPixmap(QStringLiteral(":/race/grand_national_course.svg"), course.size(),
                                      devicePixelRatioF());
    painter.drawPixmap(0, 0, course_);
    painter.fillRect(QRect(0, course.bottom() + 1, width(), height() - course.height()), stripColour);
    // The finish: a white mark across every lane.
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::FlatCap));
    for (const int top : laneTops)
        painter.drawLine(twips(grand::finishMarkX), twips(top), twips(grand::finishMarkX), twips(top + pictureHeight));
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
