// The Grand National betting window: the stake is confirmed (and paid), a runner backed and
// selected, and "Start The Race" opens the race window, whose settlement hides this window again.
#include "race/grand_national_window.h"

#include "app/window_registry.h"
#include "office/betting_office_window.h"
#include "office/race_card.h"
#include "platform/control_array.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "platform/widgets/svg_picture.h"
#include "platform/widgets/placed.h"
#include "race/grand_national.h"
#include "race/grand_national_race_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTime>

using platform::twipsRect;

namespace {

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &geometry, bool bold = false)
{
    auto *l = platform::placed(new QLabel(text, parent), name, geometry);
    if (bold) {
        QFont font = l->font();
        font.setBold(true);
        l->setFont(font);
    }
    return l;
}

QGroupBox *frame(QWidget *parent, const QString &name, const QString &title, const QRect &geometry)
{
    return platform::placed(new QGroupBox(title, parent), name, geometry);
}

QPushButton *button(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *b = platform::placed(new QPushButton(text, parent), name, geometry);
    b->setAutoDefault(false);
    return b;
}

QLineEdit *moneyField(QWidget *parent, const QString &name, const QString &accessible, const QRect &geometry)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setGeometry(geometry);
    field->setReadOnly(true);  // the money moves only through the stake and the race
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setAccessibleName(accessible);
    return field;
}

const char *const helpText =
    "How the Grand National works\n\n"
    "1. Choose or type your stake in the stake box (at most 1000, and less than the cash you have) and "
    "press 'Confirm'. The stake is paid there and then.\n"
    "2. Click the runner you want to back. The amount you will win is its odds times your stake.\n"
    "3. Press 'Select Horse', then 'Start The Race' and 'Start' at Aintree. Hold the Space bar, or press "
    "'Fast', to see the race four times as fast.\n\n"
    "Your own horse always runs. If it wins you get the owner's prize of 1,000,000, whichever horse you "
    "backed. An owner may be billed for the horse's keep after the race. Your debt grows by 25.5 per "
    "cent with every Grand National.\n\n"
    "Leaving before your horse has run (closing this window, logging off or leaving Paddox) gives up "
    "your entry fee, and your stake if you have confirmed one. You are asked first.";

}  // namespace

GrandNationalWindow::GrandNationalWindow()
{
    setObjectName(QStringLiteral("FrmGrand"));
    setModal(false);
    setWindowTitle(QStringLiteral("iPaddoxV - GrandNational"));
    setFixedSize(platform::twipsSize(10200, 7920));

    // ---- the greeting and the account ----
    auto *trophy = label(this, QStringLiteral("Image1"), QString(), twipsRect(120, 120, 1080, 1080));
    trophy->setPixmap(platform::svgPixmap(QStringLiteral(":/race/grand_national_trophy.svg"), trophy->size(),
                                          devicePixelRatioF()));
    Label1 = label(this, QStringLiteral("Label1"), QString(), twipsRect(1320, 90, 5280, 660), true);
    Label1->setTextFormat(Qt::PlainText);  // the player's name as typed
    Label1->setWordWrap(true);
    QFont greeting = Label1->font();
    greeting.setPointSizeF(greeting.pointSizeF() * 1.2);
    Label1->setFont(greeting);
    Label2 = label(this, QStringLiteral("Label2"), QString(), twipsRect(1320, 810, 5280, 300));
    auto *account = frame(this, QStringLiteral("fraAccount"), QStringLiteral("Your Account"),
                          twipsRect(6720, 60, 3360, 1200));
    Label3 = label(account, QStringLiteral("Label3"), QStringLiteral("Cash "), twipsRect(150, 360, 900, 300));
    Text1 = moneyField(account, QStringLiteral("Text1"), QStringLiteral("Cash"), twipsRect(1080, 330, 2100, 330));
    Label4 = label(account, QStringLiteral("Label4"), QStringLiteral("Debt "), twipsRect(150, 780, 900, 300));
    Text2 = moneyField(account, QStringLiteral("Text2"), QStringLiteral("Debt"), twipsRect(1080, 750, 2100, 330));
    Label3->setBuddy(Text1);
    Label4->setBuddy(Text2);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(twipsRect(120, 1380, 9960, 6420));
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tabRace"));
    SSTab1->addTab(page, QStringLiteral("The Grand National"));

    // ---- the stake ----
    auto *stakeFrame = frame(page, QStringLiteral("fraStake"), QStringLiteral("Your Stake"), twipsRect(120, 90, 4440, 1440));
    Text3 = new QComboBox(stakeFrame);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setEditable(true);
    Text3->setInsertPolicy(QComboBox::NoInsert);
    Text3->setCompleter(nullptr);  // "80" stays 80: nothing completes what the player types
    Text3->setMaxVisibleItems(12);
    Text3->lineEdit()->setMaxLength(50);
    Text3->setAccessibleName(QStringLiteral("Your Stake"));
    Text3->setGeometry(twipsRect(180, 390, 2520, 360));
    Command1 = button(stakeFrame, QStringLiteral("Command1"), QStringLiteral("Confirm"), twipsRect(2820, 360, 1440, 420));
    Command1->setDefault(true);  // Enter in the stake box confirms it
    label(stakeFrame, QStringLiteral("lblOwnedCaption"), QStringLiteral("Your Horse:"), twipsRect(180, 930, 1200, 300));
    Label9 = label(stakeFrame, QStringLiteral("Label9"), QString(), twipsRect(1380, 930, 2880, 300), true);
    Label9->setTextFormat(Qt::PlainText);

    // ---- the bet ----
    auto *bet = frame(page, QStringLiteral("fraBet"), QStringLiteral("Your Bet"), twipsRect(120, 1650, 4440, 2520));
    label(bet, QStringLiteral("lblStakedCaption"), QStringLiteral("Amount Staked:"), twipsRect(180, 390, 2400, 300));
    Label10 = label(bet, QStringLiteral("Label10"), QStringLiteral("0"), twipsRect(2640, 390, 1620, 300), true);
    label(bet, QStringLiteral("lblWinCaption"), QStringLiteral("Amount To Be Won:"), twipsRect(180, 810, 2400, 300));
    Label11 = label(bet, QStringLiteral("Label11"), QStringLiteral("0"), twipsRect(2640, 810, 1620, 300), true);
    label(bet, QStringLiteral("lblHorseCaption"), QStringLiteral("Name Of The Horse You Are Betting On:"),
          twipsRect(180, 1230, 4080, 300));
    Label12 = label(bet, QStringLiteral("Label12"), QStringLiteral("No Horse Selected"), twipsRect(180, 1590, 4080, 720), true);
    Label12->setTextFormat(Qt::PlainText);
    Label12->setWordWrap(true);
    Label12->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (QLabel *amount : {Label10, Label11})
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto *last = frame(page, QStringLiteral("fraLastWinner"), QStringLiteral("The Last Grand National"),
                       twipsRect(120, 4290, 4440, 1140));
    auto *winnerCaption = label(last, QStringLiteral("lblWinnerCaption"), QStringLiteral("Winner:"), twipsRect(180, 480, 1020, 300));
    Text4 = new QLineEdit(last);
    Text4->setObjectName(QStringLiteral("Text4"));
    Text4->setReadOnly(true);
    Text4->setAccessibleName(QStringLiteral("Last Winner"));
    Text4->setGeometry(twipsRect(1200, 450, 3060, 330));
    winnerCaption->setBuddy(Text4);

    // ---- the runners ----
    auto *field = frame(page, QStringLiteral("fraRunners"), QStringLiteral("The Runners"), twipsRect(4680, 90, 5040, 5340));
    label(field, QStringLiteral("lblRunnersHeader"), QStringLiteral("Horse"), twipsRect(180, 360, 2000, 300), true);
    Label13 = label(field, QStringLiteral("Label13"), QStringLiteral("Odd/1"), twipsRect(3900, 360, 960, 300), true);
    QRadioButton **options[] = {&Option1, &Option2, &Option3, &Option4, &Option5};
    QLabel **odds[] = {&Label14, &Label15, &Label16, &Label17, &Label18};
    void (GrandNationalWindow::*clicks[])() = {&GrandNationalWindow::Option1_Click, &GrandNationalWindow::Option2_Click, &GrandNationalWindow::Option3_Click,
                                    &GrandNationalWindow::Option4_Click, &GrandNationalWindow::Option5_Click};
    for (int i = 0; i < grand::laneCount; ++i) {
        const int y = 780 + i * 480;
        auto *option = new QRadioButton(field);
        option->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        option->setGeometry(twipsRect(180, y, 3660, 360));
        option->setEnabled(false);
        connect(option, &QRadioButton::clicked, this, clicks[i]);
        *options[i] = option;
        *odds[i] = label(field, QStringLiteral("Label%1").arg(14 + i), QString(), twipsRect(3900, y, 960, 360), true);
    }
    Command3 = button(field, QStringLiteral("Command3"), QStringLiteral("Select Horse"), twipsRect(180, 3360, 4680, 480));
    Command2 = button(field, QStringLiteral("Command2"), QStringLiteral("Start The Race"), twipsRect(180, 3960, 4680, 600));
    Command2->setIcon(QIcon(QStringLiteral(":/office/flag.svg")));
    Command3->setEnabled(false);
    Command2->setEnabled(false);

    // ---- help ----
    auto *helpPage = new QWidget;
    helpPage->setObjectName(QStringLiteral("tabHelp"));
    SSTab1->addTab(helpPage, QStringLiteral("Help"));
    auto *help = label(helpPage, QStringLiteral("lblHelp"), QString::fromUtf8(helpText), twipsRect(240, 180, 9360, 5400));
    help->setWordWrap(true);
    help->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(Text3, &QComboBox::editTextChanged, this, &GrandNationalWindow::Text3_Change);
    connect(Command1, &QPushButton::clicked, this, &GrandNationalWindow::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &GrandNationalWindow::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &GrandNationalWindow::Command2_Click);

    // The entry belongs to the player who paid for it: it ends when he logs off or the office closes.
    if (BettingOfficeWindow *office = app::existingWindow<BettingOfficeWindow>()) {
        office->installEventFilter(this);
        connect(office, &QObject::destroyed, this, [this] {
            stakeConfirmed_ = feePaid_ = false;
            close();
        });
    }
    Form_Load();
}

GrandNationalWindow::~GrandNationalWindow() = default;

QRadioButton *GrandNationalWindow::runner(int lane) const
{
    return platform::numbered(lane, {Option1, Option2, Option3, Option4, Option5});
}

QLabel *GrandNationalWindow::oddsLabel(int lane) const
{
    return platform::numbered(lane, {Label14, Label15, Label16, Label17, Label18});
}

void GrandNationalWindow::Form_Load()
{
    const BettingOfficeWindow *office = app::existingWindow<BettingOfficeWindow>();
    const QString sign = office ? office->curr->text() : office::defaultCurrencySign();
    {
        const QSignalBlocker quiet(Text3);
        Text3->addItems(grand::stakeList());
        Text3->setCurrentIndex(-1);
        Text3->setEditText(grand::stakePrompt());
    }
    Label3->setText(QStringLiteral("Cash ") + sign);
    Label4->setText(QStringLiteral("Debt ") + sign);
    Label1->setText(QStringLiteral("Welcome To The GrandNational: ") + (office ? office->txtuser->text() : QString()));
    Label2->setText(QStringLiteral("Game Started At: ") +
                    QLocale::system().toString(QTime::currentTime(), QLocale::ShortFormat));
    if (office) {
        Text2->setText(platform::moneyText(platform::moneyOrZero(office->Text2->text())));
        Label9->setText(office->Label16->text());
    }
    const grand::Lanes odds = grand::drawFirstOdds();
    for (int lane = 1; lane <= grand::laneCount; ++lane)
        oddsLabel(lane)->setText(QString::number(odds[lane - 1]));
    ownedLane_ = grand::drawOwnedLane();
    const auto names = grand::runners(ownedLane_, Label9->text());
    for (int lane = 1; lane <= grand::laneCount; ++lane) {
        runner(lane)->setText(names[lane - 1]);
        runner(lane)->setToolTip(names[lane - 1]);
    }
}

void GrandNationalWindow::takeOfficeDebtAndHorse()
{
    const BettingOfficeWindow *office = app::existingWindow<BettingOfficeWindow>();
    if (!office)
        return;
    Text2->setText(platform::moneyText(platform::moneyOrZero(office->Text2->text())));
    Label9->setText(office->Label16->text());
    runner(ownedLane_)->setText(Label9->text());
    runner(ownedLane_)->setToolTip(Label9->text());
}

void GrandNationalWindow::horsesRenamed(const QStringList &before, const QStringList &after)
{
    const qsizetype horse = before.indexOf(Label9->text());
    if (horse < 0 || horse >= after.size())
        return;
    Label9->setText(after[horse]);
    runner(ownedLane_)->setText(after[horse]);
    runner(ownedLane_)->setToolTip(after[horse]);
}

void GrandNationalWindow::Text3_Change() { Command1->setEnabled(true); }

void GrandNationalWindow::Command1_Click()
{
    BettingOfficeWindow *office = app::existingWindow<BettingOfficeWindow>();
    if (stakeConfirmed_ || !office)
        return;
    // While an ordinary race is settled its cash is not to be touched.
    if (office->refusedDuringRace(QStringLiteral("place a bet")))
        return;
    // Only the player's own horse runs: a share sold since the entry leaves nothing to race.
    if (office->Label16->text() != Label9->text()) {
        platform::say(grand::horseGoneMessage(Label9->text()), platform::Icon::Warning);
        return;
    }
    // The cash and debt as the office holds them now: whatever happened there since the entry
    // counts, and nothing of it is written over later.
    Text1->setText(platform::moneyText(platform::moneyOrZero(office->Text1->text())));
    Text2->setText(platform::moneyText(platform::moneyOrZero(office->Text2->text())));
    const platform::Money cash = platform::moneyOrZero(Text1->text());
    const grand::StakeCheck check = grand::checkStake(Text3->currentText(), cash);
    platform::say(grand::stakeMessage(check, office->curr->text()));
    if (check.outcome != grand::StakeOutcome::Accepted)
        return;
    Command2->setEnabled(false);
    Text3->setEnabled(false);
    Command1->setEnabled(false);
    for (int lane = 1; lane <= grand::laneCount; ++lane)
        runner(lane)->setEnabled(true);
    stake_ = check.stake;
    Label10->setText(platform::moneyText(check.stake));
    // The stake is paid now: 1 <= stake < cash, so this cannot leave the range.
    const QString left = platform::moneyText(cash - check.stake);
    Text1->setText(left);
    office->Text1->setText(left);
    stakeConfirmed_ = true;
    Option1->setFocus(Qt::OtherFocusReason);
}

void GrandNationalWindow::Option1_Click() { runnerClicked(1); }
void GrandNationalWindow::Option2_Click() { runnerClicked(2); }
void GrandNationalWindow::Option3_Click() { runnerClicked(3); }
void GrandNationalWindow::Option4_Click() { runnerClicked(4); }
void GrandNationalWindow::Option5_Click() { runnerClicked(5); }

void GrandNationalWindow::runnerClicked(int lane)
{
    const int odds = office::oddsValue(oddsLabel(lane)->text());
    // The winnings of the stake taken: 1000.5 typed is 1000 paid, and 1000 is what wins.
    Label11->setText(office::promisedWinnings(odds, stake_));
    Label12->setText(runner(lane)->text());
    Command3->setEnabled(true);
}

void GrandNationalWindow::Command3_Click()
{
    for (int lane = 1; lane <= grand::laneCount; ++lane)
        runner(lane)->setEnabled(false);
    Command3->setEnabled(false);
    Command2->setEnabled(true);
    Command2->setFocus(Qt::OtherFocusReason);
}

void GrandNationalWindow::Command2_Click()
{
    GrandNationalRaceWindow *race = app::window<GrandNationalRaceWindow>();
    race->show();
    race->raise();
    race->activateWindow();
}

void GrandNationalWindow::raceSettled()
{
    stakeConfirmed_ = feePaid_ = false;
    // Nothing more to race until a new stake is confirmed.
    Command2->setEnabled(false);
}

bool GrandNationalWindow::holdsOfficeMoney()
{
    const GrandNationalWindow *betting = app::existingWindow<GrandNationalWindow>();
    const GrandNationalRaceWindow *race = app::existingWindow<GrandNationalRaceWindow>();
    return (betting && betting->stakeConfirmed_) || (race && race->running());
}

void GrandNationalWindow::closeEvent(QCloseEvent *event)
{
    GrandNationalRaceWindow *race = app::existingWindow<GrandNationalRaceWindow>();
    if (race && race->running()) {
        event->ignore();
        platform::say(QStringLiteral("The Grand National is being run. Please wait until it is over."));
        return;
    }
    // The fee (and a stake) are paid and the horse has not run: leaving gives them up.
    if (feePaid_ || stakeConfirmed_) {
        const BettingOfficeWindow *office = app::existingWindow<BettingOfficeWindow>();
        const QString sign = office ? office->curr->text() : office::defaultCurrencySign();
        if (platform::say(grand::leaveQuestion(sign, stakeConfirmed_ ? stake_ : 0), platform::Icon::Question,
                          platform::Buttons::YesNo) != platform::Answer::Yes) {
            event->ignore();
            return;
        }
    }
    stakeConfirmed_ = feePaid_ = false;
    if (race)
        race->close();  // not started: it has nothing left to run
    event->accept();
}

void GrandNationalWindow::reject() { close(); }

bool GrandNationalWindow::leaveEntry()
{
    GrandNationalWindow *betting = app::existingWindow<GrandNationalWindow>();
    return !betting || betting->close();
}

bool GrandNationalWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The office hidden by a log off (never by a minimise): this player's entry is over.
    if (event->type() == QEvent::Hide && !event->spontaneous() && watched->isWidgetType() &&
        !static_cast<QWidget *>(watched)->isVisible())
        close();
    return QDialog::eventFilter(watched, event);
}
