// The betting office's Betting tab and the wizard's steps: from the stake to "Start The Race",
// and the tipster.
#include "office/betting_office_window.h"

#include "app/window_registry.h"
#include "office/race_card.h"
#include "platform/conversions.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "platform/widgets/link_label.h"
#include "platform/widgets/panel_status_bar.h"
#include "platform/widgets/typed_combo.h"
#include "platform/widgets/placed.h"
#include "player/record_files.h"
#include "race/doping_offer_window.h"
#include "race/grand_national_window.h"
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

using platform::twips;
using platform::twipsRect;

namespace {

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *l = platform::placed(new QLabel(text, parent), name, geometry);
    l->setTextFormat(Qt::PlainText);  // horse names are shown as typed, never as markup
    return l;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                        const QString &icon = QString())
{
    auto *b = platform::placed(new QPushButton(text, parent), name, geometry);
    if (!icon.isEmpty())
        b->setIcon(QIcon(icon));
    return b;
}

const QString horsesHeader = QStringLiteral(" The Horses                     Odds /1     Jockey");

}  // namespace

void BettingOfficeWindow::buildBettingTab(QWidget *tab)
{
    auto *bookies = new QGroupBox(QStringLiteral("The Bookies"), tab);
    bookies->setObjectName(QStringLiteral("fraBookies"));
    bookies->setGeometry(twipsRect(45, 30, tabPageWidth - 90, tabPageHeight - 60));

    // The stake.
    Label27 = makeLabel(bookies, QStringLiteral("Label27"), QStringLiteral("Place Your Stake Here:"),
                        twipsRect(180, 390, 2200, 300));
    Text3 = new QComboBox(bookies);
    Text3->setObjectName(QStringLiteral("Text3"));
    platform::keepTypedText(Text3);
    Text3->setMaxVisibleItems(10);
    Text3->lineEdit()->setMaxLength(50);  // a stake is a few digits
    Text3->setAccessibleName(QStringLiteral("Place Your Stake Here"));
    Text3->setGeometry(twipsRect(2420, 350, 2300, 360));
    Label27->setBuddy(Text3);
    Command10 = makeButton(bookies, QStringLiteral("Command10"), QStringLiteral("Place Your &Stake"),
                           twipsRect(4870, 320, 2300, 420), QStringLiteral(":/office/coins.svg"));
    // The confirm step is a button the player never sees: Place Your Stake runs it.
    Command2 = makeButton(bookies, QStringLiteral("Command2"), QStringLiteral("&Confirm Cash Amount"), QRect());
    Command2->hide();

    // The race card.
    auto *horses = new QGroupBox(QStringLiteral("The Horses For The Next Race"), bookies);
    horses->setObjectName(QStringLiteral("fraHorses"));
    horses->setGeometry(twipsRect(180, 840, 6400, 2820));
    auto *header = makeLabel(horses, QStringLiteral("lblHorsesHeader"), horsesHeader, twipsRect(150, 290, 6150, 285));
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(std::max(7, font().pointSize() - 1));
    fixed.setBold(true);
    header->setFont(fixed);
    header->setMargin(0);
    header->setIndent(0);
    // The odds and jockey columns start under their words of the header.
    const QFontMetrics metrics(fixed);
    const int oddsX = 150 + platform::toTwips(metrics.horizontalAdvance(horsesHeader.left(horsesHeader.indexOf(QLatin1String("Odds")))));
    const int jockeyX = 150 + platform::toTwips(metrics.horizontalAdvance(horsesHeader.left(horsesHeader.indexOf(QLatin1String("Jockey")))));

    QRadioButton **options[] = {&Option1, &Option2, &Option3, &Option4, &Option5};
    QLabel **odds[] = {&Label4, &Label5, &Label6, &Label7, &Label8};
    for (int i = 0; i < 5; ++i) {
        const int y = 660 + i * 420;
        const int horse = i + 1;
        auto *option = new QRadioButton(player::defaultHorseNames[i], horses);
        option->setObjectName(QStringLiteral("Option%1").arg(horse));
        option->setGeometry(twipsRect(150, y, oddsX - 210, 330));
        option->setEnabled(false);
        *options[i] = option;
        connect(option, &QRadioButton::toggled, this, [this, horse](bool on) {
            if (on)
                horseChosen(horse);
        });
        *odds[i] = makeLabel(horses, QStringLiteral("Label%1").arg(4 + i), QString(), twipsRect(oddsX, y, jockeyX - oddsX - 60, 330));
        (*odds[i])->setFont(QFont((*odds[i])->font().family(), (*odds[i])->font().pointSize(), QFont::Bold));
        (*odds[i])->setIndent(twips(150));
        Label44[i] = makeLabel(horses, QStringLiteral("Label44_%1").arg(i), QString(), twipsRect(jockeyX, y, 6300 - jockeyX, 330));
    }

    // The bet's buttons, in the order the player uses them.
    Command9 = makeButton(bookies, QStringLiteral("Command9"), QStringLiteral("Scorhers &Hot Tip Is...."),
                          twipsRect(6750, 960, 3300, 450), QStringLiteral(":/office/tip.svg"));
    Command1 = makeButton(bookies, QStringLiteral("Command1"), QStringLiteral("Place &Bet On Selected Horse"),
                          twipsRect(6750, 1560, 3300, 450), QStringLiteral(":/office/ticket.svg"));
    Command3 = makeButton(bookies, QStringLiteral("Command3"), QStringLiteral("&Start The Race"),
                          twipsRect(6750, 2160, 3300, 450), QStringLiteral(":/office/flag.svg"));
    Command1->setEnabled(false);
    Command3->setEnabled(false);
    Label39 = new platform::LinkLabel(QStringLiteral("&Cancel Your Bet."), bookies);
    Label39->setObjectName(QStringLiteral("Label39"));
    Label39->setGeometry(twipsRect(6750, 2790, 3300, 330));
    Label39->setAlignment(Qt::AlignCenter);
    Label39->setBuddy(Label39);  // Alt+C reaches the link; Space or Enter then cancels
    Label39->setAccessibleName(QStringLiteral("Cancel Your Bet."));
    Label39->setAcceptDrops(true);
    Label39->installEventFilter(this);

    Label31 = makeLabel(bookies, QStringLiteral("Label31"),
                        QStringLiteral("Enter the amount of money that you wish to bet above (You cannot place more than 800 on "
                                       "any race). Then select the horse that you wish to win. Then select 'Bet On Selected "
                                       "Horse'. Once selected then go to 'Start Race' to start this race"),
                        twipsRect(180, 3800, tabPageWidth - 450, 1200));
    Label31->setWordWrap(true);
    Label31->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label31->setStyleSheet(QStringLiteral("color: #444444;"));

    connect(Text3, &QComboBox::activated, this, &BettingOfficeWindow::Text3_Click);
    connect(Text3, &QComboBox::editTextChanged, this, &BettingOfficeWindow::Text3_Change);
    connect(Command10, &QPushButton::clicked, this, &BettingOfficeWindow::Command10_Click);
    connect(Command2, &QPushButton::clicked, this, &BettingOfficeWindow::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &BettingOfficeWindow::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &BettingOfficeWindow::Command3_Click);
    connect(Command9, &QPushButton::clicked, this, &BettingOfficeWindow::Command9_Click);
    connect(Label39, &platform::LinkLabel::clicked, this, &BettingOfficeWindow::Label39_Click);
}

// ---- the stake ----

void BettingOfficeWindow::Text3_Click()
{
    StatusBar1->setPanelText(3, QStringLiteral("Enter The Amount You Wish To Place On This Race"));
}

void BettingOfficeWindow::Text3_Change()
{
    stakeCodes();
    Label10->setText(Text3->currentText());
}

void BettingOfficeWindow::Command10_Click()
{
    if (platform::say(office::placeStakeQuestion(curr->text(), Text3->currentText()), platform::Icon::None,
                      platform::Buttons::YesNo,
                      QStringLiteral("Paddox6 Is Asking You A Question?")) == platform::Answer::Yes)
        Command2_Click();
}

void BettingOfficeWindow::Command2_Click()
{
    const office::StakeCheck check = office::checkStake(Text3->currentText(), Text1->text());
    const QString message = office::stakeMessage(check, curr->text());
    switch (check.outcome) {
    case office::StakeOutcome::OverLimit: platform::say(message, platform::Icon::Critical); break;
    case office::StakeOutcome::NotEnoughCash:
        platform::say(message, platform::Icon::Warning);
        tellWhenStuck();
        break;
    case office::StakeOutcome::NoStake: platform::say(message, platform::Icon::Information); break;
    case office::StakeOutcome::Accepted: {
        platform::say(message, platform::Icon::Information);
        const bool fromWizard = wizardBand->isAncestorOf(QApplication::focusWidget());
        confirmedStake_ = check.stake;
        Command9->setEnabled(true);
        Command1->setEnabled(true);
        Command10->setEnabled(false);
        Command12->setEnabled(false);
        Command2->setEnabled(false);
        Text3->setEnabled(false);
        clearHorseChoice();
        for (int horse = 1; horse <= 5; ++horse)
            horseOption(horse)->setEnabled(true);
        // The stake as confirmed, in plain digits: what the race takes or multiplies.
        Label10->setText(QString::number(check.stake));
        wizardStep2();
        // A stake chosen in the wizard goes on to the wizard's horses.
        if (fromWizard)
            Option11->setFocus(Qt::OtherFocusReason);
        break;
    }
    }
    StatusBar1->setPanelText(3, QStringLiteral("Now Select The Horse You Wish To Bet On"));
}

// ---- the horse ----

void BettingOfficeWindow::clearHorseChoice()
{
    for (int horse = 1; horse <= 5; ++horse) {
        for (QRadioButton *option : {horseOption(horse), wizardOption(horse)}) {
            const QSignalBlocker quiet(option);
            option->setAutoExclusive(false);
            option->setChecked(false);
            option->setAutoExclusive(true);
        }
    }
}

void BettingOfficeWindow::horseChosen(int horse)
{
    QRadioButton *option = horseOption(horse);
    if (!option)
        return;
    const QString name = option->text();
    const QString winnings = office::promisedWinnings(office::oddsValue(oddsLabel(horse)->text()), confirmedStake_);
    const QString going = QStringLiteral("You Are Going To Place A Bet On: ") + name;
    StatusBar1->setPanelText(3, going);
    Label47->setText(going);
    Label48->setText(winnings);
    Label12->setText(winnings);
    Label14->setText(name);
    Command1->setEnabled(true);
    // The wizard shows the same choice.
    if (QRadioButton *copy = wizardOption(horse); !copy->isChecked()) {
        const QSignalBlocker quiet(copy);
        copy->setChecked(true);
    }
    if (!Command19->isHidden())
        Command19->setEnabled(true);
}

void BettingOfficeWindow::Command1_Click()
{
    platform::say(office::betAnnouncement(curr->text(), Label10->text(), Label14->text(), Label12->text()),
                  platform::Icon::Information);
    QWidget *const focused = QApplication::focusWidget();
    const bool fromBettingTab = focused == Command1 || isHorseOption(focused);
    Command3->setEnabled(true);
    Command1->setEnabled(false);
    for (int horse = 1; horse <= 5; ++horse)
        horseOption(horse)->setEnabled(false);
    StatusBar1->setPanelText(3, QStringLiteral("Now Select 'Start Race' - good luck "));
    wizardStep3();  // the wizard keeps up with a bet placed on the Betting tab
    // The next key press starts the race, never cancels the bet just placed.
    if (fromBettingTab)
        Command3->setFocus(Qt::OtherFocusReason);
}

void BettingOfficeWindow::Command3_Click()
{
    // The start buttons go away: the keyboard waits on the tabs, never on "Close Wizard" or the
    // cancel link, until the race is over.
    if (QWidget *focused = QApplication::focusWidget(); focused == Command3 || focused == Command17)
        SSTab1->tabBar()->setFocus(Qt::OtherFocusReason);
    Command3->setEnabled(false);
    // The wizard waits at step 1; the race end brings back its stake picker.
    wizardStep1();
    if (Label16->text() != player::noShares) {
        app::window<DopingOfferWindow>()->show();
    } else {
        app::window<RaceWindow>()->show();
    }
}

bool BettingOfficeWindow::raceUnderWay() const
{
    const RaceWindow *race = app::existingWindow<RaceWindow>();
    return app::existingWindow<DopingOfferWindow>() != nullptr || (race && race->isVisible()) || GrandNationalWindow::holdsOfficeMoney();
}

void BettingOfficeWindow::Label39_Click()
{
    // While the doping offer is answered, or the horses run, the bet stays as it is: the race end
    // settles it.
    if (app::existingWindow<DopingOfferWindow>())
        return;
    RaceWindow *race = app::existingWindow<RaceWindow>();
    if (race && race->racing())
        return;
    const bool fromLink = QApplication::focusWidget() == Label39;
    returnToStakeEntry();
    if (fromLink)
        focusStakeField();
    // A race not started yet is called off with its bet.
    if (race && race->isVisible())
        race->close();
}

void BettingOfficeWindow::tellWhenStuck()
{
    const bool stuck = platform::moneyOrZero(Text1->text()) <= 0 && !Command6->isEnabled();
    if (!stuck) {
        stuckTold_ = false;
        return;
    }
    if (stuckTold_)
        return;
    stuckTold_ = true;
    QString ways = QStringLiteral("You have no cash to bet with, and you have already used this race's loan, so you "
                                  "cannot place a bet now.\n\nYou can go on ");
    if (Label16->text() != player::noShares)
        ways += QStringLiteral("by selling your horse share on the Shares tab, or ");
    ways += QStringLiteral("by starting again with Reset All Data on the Paddox Actions menu (cash and debt back to ") +
            curr->text() + QStringLiteral("500).");
    platform::say(ways, platform::Icon::Information);
}

void BettingOfficeWindow::returnToStakeEntry()
{
    StatusBar1->setPanelText(3, QStringLiteral("Enter The Amount You Wish To Place On This Race"));
    Text3->setEnabled(true);
    Command10->setEnabled(true);
    Command2->setEnabled(true);
    Command1->setEnabled(false);
    Command3->setEnabled(false);
    for (int horse = 1; horse <= 5; ++horse) {
        horseOption(horse)->setEnabled(false);
        wizardOption(horse)->setEnabled(false);
    }
    wizardStep1();
    wiz1->show();
    wiz1->setEnabled(true);
    Command12->show();
    Command12->setEnabled(true);
}

bool BettingOfficeWindow::isHorseOption(const QWidget *widget) const
{
    for (int horse = 1; horse <= 5; ++horse) {
        if (widget && widget == horseOption(horse))
            return true;
    }
    return false;
}

void BettingOfficeWindow::focusStakeField()
{
    Text3->setFocus(Qt::OtherFocusReason);
    Text3->lineEdit()->selectAll();  // typing replaces what the field holds
}

// ---- the tip ----

void BettingOfficeWindow::drawTip()
{
    tipHorse_ = office::drawTipHorse();
    renderTip();
    Command9->setEnabled(false);
}

void BettingOfficeWindow::renderTip()
{
    QRadioButton *option = horseOption(tipHorse_);
    if (!option)
        return;
    const QString tip = office::tipText(option->text());
    // The tip stays on one line: a long name in wide letters takes narrower, then smaller print,
    // down to a smallest readable size. A name too long even for that is cut short with "…" and
    // shown whole in the tool tip.
    const int room = Label56->contentsRect().width();
    QFont print = Label56->font();
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
    Label56->setFont(print);
    const int nameRoom = room - QFontMetrics(print).horizontalAdvance(office::tipText(QString()));
    Label56->setText(fits ? tip : office::tipText(QFontMetrics(print).elidedText(option->text(), Qt::ElideRight, nameRoom)));
    Label56->setToolTip(fits ? QString() : tip);
}

void BettingOfficeWindow::Command9_Click() { drawTip(); }

// ---- the wizard ----

void BettingOfficeWindow::wizardStep1()
{
    for (int horse = 1; horse <= 5; ++horse)
        wizardOption(horse)->hide();
    for (QWidget *step : std::initializer_list<QWidget *>{Label47, Label48, Label49, Command19, cmdst, Command17})
        step->hide();
    Label46->setText(QStringLiteral("STEP 1:"));
}

void BettingOfficeWindow::Command12_Click()
{
    const QString stake = wiz1->currentText();
    const office::WizardStake outcome = office::checkWizardStake(stake);
    if (outcome != office::WizardStake::Accepted) {
        platform::say(office::wizardStakeMessage(outcome), platform::Icon::None);
        return;
    }
    Text3->setEditText(stake);
    Command10_Click();
}

void BettingOfficeWindow::wizardStep2()
{
    Command1->setEnabled(false);
    for (int horse = 1; horse <= 5; ++horse) {
        QRadioButton *copy = wizardOption(horse);
        copy->setText(horseOption(horse)->text());
        copy->setEnabled(true);
        copy->show();
    }
    Command12->hide();
    wiz1->hide();
    Label46->setText(QStringLiteral("STEP 2:"));
    // Nothing is chosen yet in this bet.
    Label47->setText(QStringLiteral("You Are Going To Place A Bet On: "));
    Label48->setText(QStringLiteral("0.00"));
    Label47->show();
    Label48->show();
    Label49->show();
    Command19->show();
    Command19->setEnabled(false);
    cmdst->show();
}

void BettingOfficeWindow::wizardHorseChosen(int horse)
{
    QRadioButton *option = horseOption(horse);
    if (!option)
        return;
    if (option->isChecked())
        horseChosen(horse);
    else
        option->setChecked(true);  // runs horseChosen
    Command19->setEnabled(true);
}

void BettingOfficeWindow::cmdst_Click()
{
    drawTip();
    cmdst->hide();
}

void BettingOfficeWindow::Command19_Click()
{
    const bool fromWizard = wizardBand->isAncestorOf(QApplication::focusWidget());
    Command1_Click();
    wizardStep3();
    if (fromWizard)
        Command17->setFocus(Qt::OtherFocusReason);
}

void BettingOfficeWindow::wizardStep3()
{
    Command19->hide();
    for (int horse = 1; horse <= 5; ++horse)
        wizardOption(horse)->hide();
    Label46->setText(QStringLiteral("STEP 3:"));
    Label47->hide();
    Label48->hide();
    Label49->hide();
    Command17->show();
    Command17->setEnabled(true);
    cmdst->hide();
}

void BettingOfficeWindow::Command17_Click()
{
    Command3_Click();
    Command17->hide();
    Label46->setText(QStringLiteral("STEP 1:"));
}

// ---- renamed horses ----

void BettingOfficeWindow::horseNamesChanged(const QStringList &oldNames)
{
    followHorseNames();
    QStringList newNames;
    for (int horse = 1; horse <= 5; ++horse) {
        const QString now = horseOption(horse)->text();
        newNames << now;
        const QString before = oldNames.value(horse - 1);
        // The horse backed in this bet keeps its bet under its new name.
        if (horseOption(horse)->isChecked() && Label14->text() == before) {
            Label14->setText(now);
            if (Label47->text() == QStringLiteral("You Are Going To Place A Bet On: ") + before)
                Label47->setText(QStringLiteral("You Are Going To Place A Bet On: ") + now);
        }
        if (QRadioButton *sale = saleOption(horse); sale && sale->text() == before)
            sale->setText(now);
    }
    if (GrandNationalWindow *grandNational = app::existingWindow<GrandNationalWindow>())
        grandNational->horsesRenamed(oldNames, newNames);
    renderTip();
}
