// The betting office's Betting tab and the wizard's steps: from the stake to "Start The Race",
// and the tipster.
#include "office/betting_office_window.h"

#include "app/window_registry.h"
#include "game/session.h"
#include "office/betting_office_window_controls.h"
#include "office/race_card.h"
#include "platform/twips.h"
#include "platform/widgets/link_label.h"
#include "platform/widgets/panel_status_bar.h"
#include "player/record_files.h"
#include "race/doping_offer_window.h"
#include "race/race_window.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

using game::BetPhase;
using office::button;
using office::label;
using platform::twips;
using platform::twipsRect;

namespace {

const QString horsesHeader = QStringLiteral(" The Horses                     Odds /1     Jockey");
const QString goingToBetOn = QStringLiteral("You Are Going To Place A Bet On: ");

// Sets a radio button without its signals, even to "none chosen".
void setChosen(QRadioButton *option, bool chosen)
{
    if (option->isChecked() == chosen)
        return;
    const QSignalBlocker quiet(option);
    option->setAutoExclusive(false);
    option->setChecked(chosen);
    option->setAutoExclusive(true);
}

}  // namespace

void BettingOfficeWindow::buildBettingTab(QWidget *tab)
{
    auto *bookies = platform::called(new QGroupBox(QStringLiteral("The Bookies"), tab), QStringLiteral("fraBookies"));
    bookies->setGeometry(twipsRect(45, 30, tabPageWidth - 90, tabPageHeight - 60));

    // The stake.
    auto *stakeCaption = label(bookies, QStringLiteral("Label27"), QStringLiteral("Place Your Stake Here:"),
                               twipsRect(180, 390, 2200, 300));
    stakeBox = office::stakePicker(bookies, QStringLiteral("Text3"), QStringLiteral("Place Your Stake Here"));
    stakeBox->setGeometry(twipsRect(2420, 350, 2300, 360));
    stakeCaption->setBuddy(stakeBox);
    placeStakeButton = button(bookies, QStringLiteral("Command10"), QStringLiteral("Place Your &Stake"),
                              twipsRect(4870, 320, 2300, 420), QStringLiteral(":/office/coins.svg"));
    // The confirm step is a button the player never sees: Place Your Stake runs it.
    confirmStakeButton = button(bookies, QStringLiteral("Command2"), QStringLiteral("&Confirm Cash Amount"), QRect());
    confirmStakeButton->hide();

    // The race card.
    auto *horses = platform::called(new QGroupBox(QStringLiteral("The Horses For The Next Race"), bookies),
                                 QStringLiteral("fraHorses"));
    horses->setGeometry(twipsRect(180, 840, 6400, 2820));
    auto *header = label(horses, QStringLiteral("lblHorsesHeader"), horsesHeader, twipsRect(150, 290, 6150, 285));
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(std::max(7, font().pointSize() - 1));
    fixed.setBold(true);
    header->setFont(fixed);
    header->setMargin(0);
    header->setIndent(0);
    // The odds and jockey columns start under their words of the header.
    const QFontMetrics metrics(fixed);
    auto columnAt = [&](const char *word) {
        return 150 + platform::toTwips(metrics.horizontalAdvance(horsesHeader.left(horsesHeader.indexOf(QLatin1String(word)))));
    };
    const int oddsX = columnAt("Odds"), jockeyX = columnAt("Jockey");
    for (int i = 0; i < 5; ++i) {
        const int y = 660 + i * 420;
        const int horse = i + 1;
        auto *option = platform::called(new QRadioButton(player::defaultHorseNames[i], horses), QStringLiteral("Option%1").arg(horse));
        option->setGeometry(twipsRect(150, y, oddsX - 210, 330));
        option->setEnabled(false);
        horseOptions[i] = option;
        connect(option, &QRadioButton::toggled, this, [this, horse](bool on) {
            if (on)
                onHorseChosen(horse);
        });
        oddsLabels[i] = label(horses, QStringLiteral("Label%1").arg(4 + i), QString(), twipsRect(oddsX, y, jockeyX - oddsX - 60, 330));
        oddsLabels[i]->setFont(QFont(oddsLabels[i]->font().family(), oddsLabels[i]->font().pointSize(), QFont::Bold));
        oddsLabels[i]->setIndent(twips(150));
        jockeyLabels[i] = label(horses, QStringLiteral("Label44_%1").arg(i), QString(), twipsRect(jockeyX, y, 6300 - jockeyX, 330));
    }

    // The bet's buttons, in the order the player uses them.
    tipButton = button(bookies, QStringLiteral("Command9"), QStringLiteral("Scorhers &Hot Tip Is...."),
                       twipsRect(6750, 960, 3300, 450), QStringLiteral(":/office/tip.svg"));
    placeBetButton = button(bookies, QStringLiteral("Command1"), QStringLiteral("Place &Bet On Selected Horse"),
                            twipsRect(6750, 1560, 3300, 450), QStringLiteral(":/office/ticket.svg"));
    startRaceButton = button(bookies, QStringLiteral("Command3"), QStringLiteral("&Start The Race"),
                             twipsRect(6750, 2160, 3300, 450), QStringLiteral(":/office/flag.svg"));
    placeBetButton->setEnabled(false);
    startRaceButton->setEnabled(false);
    cancelBetLink = platform::called(new platform::LinkLabel(QStringLiteral("&Cancel Your Bet."), bookies), QStringLiteral("Label39"));
    cancelBetLink->setGeometry(twipsRect(6750, 2790, 3300, 330));
    cancelBetLink->setAlignment(Qt::AlignCenter);
    cancelBetLink->setBuddy(cancelBetLink);  // Alt+C reaches the link; Space or Enter then cancels
    cancelBetLink->setAccessibleName(QStringLiteral("Cancel Your Bet."));
    cancelBetLink->setAcceptDrops(true);
    cancelBetLink->installEventFilter(this);

    auto *guide = label(bookies, QStringLiteral("Label31"),
                        QStringLiteral("Enter the amount of money that you wish to bet above (You cannot place more than 800 "
                                       "on any race). Then select the horse that you wish to win. Then select 'Bet On "
                                       "Selected Horse'. Once selected then go to 'Start Race' to start this race"),
                        twipsRect(180, 3800, tabPageWidth - 450, 1200));
    guide->setWordWrap(true);
    guide->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    guide->setStyleSheet(QStringLiteral("color: #444444;"));

    connect(stakeBox, &QComboBox::activated, this, &BettingOfficeWindow::onStakePicked);
    connect(stakeBox, &QComboBox::editTextChanged, this, &BettingOfficeWindow::onStakeTextChanged);
    connect(placeStakeButton, &QPushButton::clicked, this, &BettingOfficeWindow::onPlaceStakeClicked);
    connect(confirmStakeButton, &QPushButton::clicked, this, &BettingOfficeWindow::onConfirmStakeClicked);
    connect(placeBetButton, &QPushButton::clicked, this, &BettingOfficeWindow::onPlaceBetClicked);
    connect(startRaceButton, &QPushButton::clicked, this, &BettingOfficeWindow::onStartRaceClicked);
    connect(tipButton, &QPushButton::clicked, this, &BettingOfficeWindow::onTipClicked);
    connect(cancelBetLink, &platform::LinkLabel::clicked, this, &BettingOfficeWindow::onCancelBetClicked);
}

// ---- what the bet shows ----

void BettingOfficeWindow::showBet()
{
    const game::Bet &bet = session_.bet();
    stakeLabel->setText(bet.stakeShown);
    backedLabel->setText(bet.backed);
    winningsLabel->setText(bet.winningsShown);
    const bool stakeEntry = bet.phase == BetPhase::Stake;
    for (QWidget *w : std::initializer_list<QWidget *>{stakeBox, placeStakeButton, confirmStakeButton})
        w->setEnabled(stakeEntry);
    placeBetButton->setEnabled(bet.phase == BetPhase::Horse && bet.horse != 0);
    startRaceButton->setEnabled(bet.phase == BetPhase::Placed);
    for (int i = 0; i < 5; ++i) {
        horseOptions[i]->setEnabled(bet.phase == BetPhase::Horse);
        setChosen(horseOptions[i], bet.horse == i + 1);
    }
    showWizard();
}

void BettingOfficeWindow::showWizard()
{
    const game::Bet &bet = session_.bet();
    const BetPhase phase = bet.phase;
    static const char *const steps[] = {"STEP 1:", "STEP 2:", "STEP 3:", "STEP 1:"};
    wizardStepLabel->setText(QString::fromLatin1(steps[int(phase)]));
    // Step 1: the stake picker.
    wizardStakePicker->setVisible(phase == BetPhase::Stake);
    wizardStakePicker->setEnabled(phase == BetPhase::Stake);
    selectStakeButton->setVisible(phase == BetPhase::Stake);
    selectStakeButton->setEnabled(phase == BetPhase::Stake);
    // Step 2: the horses, what the bet would win, the tip.
    const bool choosing = phase == BetPhase::Horse;
    if (!choosing)
        wizardTipUsed_ = false;
    for (int i = 0; i < 5; ++i) {
        wizardHorseOptions[i]->setVisible(choosing);
        wizardHorseOptions[i]->setEnabled(choosing);
        setChosen(wizardHorseOptions[i], bet.horse == i + 1);
    }
    wizardBetLabel->setText(goingToBetOn + (bet.horse ? bet.backed : QString()));
    wizardWinningsLabel->setText(bet.horse ? bet.winningsShown : QStringLiteral("0.00"));
    for (QWidget *w : std::initializer_list<QWidget *>{wizardBetLabel, wizardWinningsLabel, wizardWinningsCaption, selectHorseButton})
        w->setVisible(choosing);
    selectHorseButton->setEnabled(choosing && bet.horse != 0);
    wizardTipButton->setVisible(choosing && !wizardTipUsed_);
    // Step 3: the start.
    wizardStartButton->setVisible(phase == BetPhase::Placed);
    wizardStartButton->setEnabled(phase == BetPhase::Placed);
}

// ---- the stake ----

void BettingOfficeWindow::onStakePicked()
{
    session_.setGuidance(QStringLiteral("Enter The Amount You Wish To Place On This Race"));
}

void BettingOfficeWindow::onStakeTextChanged(const QString &text) { tell(session_.stakeTextChanged(text)); }

void BettingOfficeWindow::onPlaceStakeClicked()
{
    // A stake chosen in the wizard goes on to the wizard's horses.
    const bool fromWizard = wizardBand->isAncestorOf(QApplication::focusWidget());
    tell(session_.placeStake(stakeBox->currentText()));
    if (fromWizard && session_.bet().phase == BetPhase::Horse)
        wizardHorseOptions[0]->setFocus(Qt::OtherFocusReason);
}

void BettingOfficeWindow::onConfirmStakeClicked() { tell(session_.confirmStake(stakeBox->currentText())); }

void BettingOfficeWindow::focusStakeField()
{
    stakeBox->setFocus(Qt::OtherFocusReason);
    stakeBox->lineEdit()->selectAll();  // typing replaces what the field holds
}

// ---- the horse, the bet, the start ----

void BettingOfficeWindow::onHorseChosen(int horse) { session_.chooseHorse(horse); }

void BettingOfficeWindow::onPlaceBetClicked()
{
    QWidget *const focused = QApplication::focusWidget();
    const bool fromBettingTab =
        focused == placeBetButton || std::find(horseOptions.begin(), horseOptions.end(), focused) != horseOptions.end();
    tell(session_.placeBet());
    // The next key press starts the race, never cancels the bet just placed.
    if (fromBettingTab && session_.bet().phase == BetPhase::Placed)
        startRaceButton->setFocus(Qt::OtherFocusReason);
}

void BettingOfficeWindow::onStartRaceClicked()
{
    // The start buttons go away: the keyboard waits on the tabs, never on "Close Wizard" or the
    // cancel link, until the race is over.
    if (QWidget *focused = QApplication::focusWidget(); focused == startRaceButton || focused == wizardStartButton)
        tabs->tabBar()->setFocus(Qt::OtherFocusReason);
    session_.startRace();
}

void BettingOfficeWindow::onRaceOpened(bool dopingOffer)
{
    if (dopingOffer)
        app::window<DopingOfferWindow>()->show();
    else
        app::window<RaceWindow>()->show();
}

void BettingOfficeWindow::onCancelBetClicked()
{
    const bool fromLink = QApplication::focusWidget() == cancelBetLink;
    const game::RacePhase before = session_.racePhase();
    session_.cancelBet();
    if (fromLink && before != game::RacePhase::DopingOffer && before != game::RacePhase::Running &&
        before != game::RacePhase::Settling)
        focusStakeField();
}

// ---- the tip ----

void BettingOfficeWindow::onTipClicked() { session_.drawTip(); }

void BettingOfficeWindow::renderTip()
{
    const QString horse = session_.record().horse(session_.card().tipHorse);
    if (horse.isEmpty())
        return;
    const QString tip = office::tipText(horse);
    // The tip stays on one line: a long name in wide letters takes narrower, then smaller print,
    // down to a smallest readable size. A name too long even for that is cut short with "…" and
    // shown whole in the tool tip.
    const int room = tipLabel->contentsRect().width();
    QFont print = tipLabel->font();
    bool fits = QFontMetrics(print).horizontalAdvance(tip) <= room;
    if (const qreal usual = font().pointSizeF(); usual > 0) {
        fits = false;
        for (qreal size = usual; !fits && size >= std::min(usual, 7.0); size -= 0.5) {
            for (const int stretch : {QFont::Unstretched, QFont::SemiCondensed, QFont::Condensed}) {
                print.setPointSizeF(size);
                print.setStretch(stretch);
                if ((fits = QFontMetrics(print).horizontalAdvance(tip) <= room))
                    break;
            }
        }
    }
    tipLabel->setFont(print);
    const int nameRoom = room - QFontMetrics(print).horizontalAdvance(office::tipText(QString()));
    tipLabel->setText(fits ? tip : office::tipText(QFontMetrics(print).elidedText(horse, Qt::ElideRight, nameRoom)));
    tipLabel->setToolTip(fits ? QString() : tip);
}

// ---- the wizard ----

void BettingOfficeWindow::onSelectStakeClicked()
{
    const QString stake = wizardStakePicker->currentText();
    bool accepted = false;
    tell(session_.checkWizardStake(stake, &accepted));
    if (!accepted)
        return;
    stakeBox->setEditText(stake);
    onPlaceStakeClicked();
}

void BettingOfficeWindow::onWizardHorseChosen(int horse) { session_.chooseHorse(horse); }

void BettingOfficeWindow::onWizardTipClicked()
{
    session_.drawTip();
    wizardTipUsed_ = true;
    showWizard();
}

void BettingOfficeWindow::onSelectHorseClicked()
{
    const bool fromWizard = wizardBand->isAncestorOf(QApplication::focusWidget());
    onPlaceBetClicked();
    if (fromWizard && session_.bet().phase == BetPhase::Placed)
        wizardStartButton->setFocus(Qt::OtherFocusReason);
}

void BettingOfficeWindow::onWizardStartClicked() { onStartRaceClicked(); }
