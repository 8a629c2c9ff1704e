// The Grand National betting window: the stake is confirmed (and paid), a runner backed and
// selected, and "Start The Race" opens the race window, whose settlement hides this window again.
#include "race/grand_national_window.h"

#include "app/window_registry.h"
#include "game/grand_national_betting.h"
#include "game/session.h"
#include "office/race_card.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "platform/widgets/svg_picture.h"
#include "platform/widgets/placed.h"
#include "race/grand_national.h"
#include "race/grand_national_race_window.h"
#include "platform/widgets/window_fit.h"

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
    // Built smaller as a whole where the screen is too small for it.
    const platform::TwipsScale scaled(platform::fitWindow(this, 10200, 7920));
    setObjectName(QStringLiteral("FrmGrand"));
    setModal(false);
    setWindowTitle(QStringLiteral("iPaddoxV - GrandNational"));
    setFixedSize(platform::twipsSize(10200, 7920));

    // ---- the greeting and the account ----
    auto *trophy = label(this, QStringLiteral("Image1"), QString(), twipsRect(120, 120, 1080, 1080));
    trophy->setPixmap(platform::svgPixmap(QStringLiteral(":/race/grand_national_trophy.svg"), trophy->size(),
                                          devicePixelRatioF()));
    greetingLabel = label(this, QStringLiteral("Label1"), QString(), twipsRect(1320, 90, 5280, 660), true);
    greetingLabel->setTextFormat(Qt::PlainText);  // the player's name as typed
    greetingLabel->setWordWrap(true);
    QFont greeting = greetingLabel->font();
    greeting.setPointSizeF(greeting.pointSizeF() * 1.2);
    greetingLabel->setFont(greeting);
    startedLabel = label(this, QStringLiteral("Label2"), QString(), twipsRect(1320, 810, 5280, 300));
    auto *account = frame(this, QStringLiteral("fraAccount"), QStringLiteral("Your Account"),
                          twipsRect(6720, 60, 3360, 1200));
    cashCaption = label(account, QStringLiteral("Label3"), QStringLiteral("Cash "), twipsRect(150, 360, 900, 300));
    cashField = moneyField(account, QStringLiteral("Text1"), QStringLiteral("Cash"), twipsRect(1080, 330, 2100, 330));
    debtCaption = label(account, QStringLiteral("Label4"), QStringLiteral("Debt "), twipsRect(150, 780, 900, 300));
    debtField = moneyField(account, QStringLiteral("Text2"), QStringLiteral("Debt"), twipsRect(1080, 750, 2100, 330));
    cashCaption->setBuddy(cashField);
    debtCaption->setBuddy(debtField);

    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->setGeometry(twipsRect(120, 1380, 9960, 6420));
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tabRace"));
    tabs->addTab(page, QStringLiteral("The Grand National"));

    // ---- the stake ----
    auto *stakeFrame = frame(page, QStringLiteral("fraStake"), QStringLiteral("Your Stake"), twipsRect(120, 90, 4440, 1440));
    stakeBox = new QComboBox(stakeFrame);
    stakeBox->setObjectName(QStringLiteral("Text3"));
    stakeBox->setEditable(true);
    stakeBox->setInsertPolicy(QComboBox::NoInsert);
    stakeBox->setCompleter(nullptr);  // "80" stays 80: nothing completes what the player types
    stakeBox->setMaxVisibleItems(12);
    stakeBox->lineEdit()->setMaxLength(50);
    stakeBox->setAccessibleName(QStringLiteral("Your Stake"));
    stakeBox->setGeometry(twipsRect(180, 390, 2520, 360));
    confirmButton = button(stakeFrame, QStringLiteral("Command1"), QStringLiteral("Confirm"), twipsRect(2820, 360, 1440, 420));
    confirmButton->setDefault(true);  // Enter in the stake box confirms it
    label(stakeFrame, QStringLiteral("lblOwnedCaption"), QStringLiteral("Your Horse:"), twipsRect(180, 930, 1200, 300));
    ownedLabel = label(stakeFrame, QStringLiteral("Label9"), QString(), twipsRect(1380, 930, 2880, 300), true);
    ownedLabel->setTextFormat(Qt::PlainText);

    // ---- the bet ----
    auto *bet = frame(page, QStringLiteral("fraBet"), QStringLiteral("Your Bet"), twipsRect(120, 1650, 4440, 2520));
    label(bet, QStringLiteral("lblStakedCaption"), QStringLiteral("Amount Staked:"), twipsRect(180, 390, 2400, 300));
    stakeLabel = label(bet, QStringLiteral("Label10"), QStringLiteral("0"), twipsRect(2640, 390, 1620, 300), true);
    label(bet, QStringLiteral("lblWinCaption"), QStringLiteral("Amount To Be Won:"), twipsRect(180, 810, 2400, 300));
    winningsLabel = label(bet, QStringLiteral("Label11"), QStringLiteral("0"), twipsRect(2640, 810, 1620, 300), true);
    label(bet, QStringLiteral("lblHorseCaption"), QStringLiteral("Name Of The Horse You Are Betting On:"),
          twipsRect(180, 1230, 4080, 300));
    backedLabel = label(bet, QStringLiteral("Label12"), QStringLiteral("No Horse Selected"), twipsRect(180, 1590, 4080, 720), true);
    backedLabel->setTextFormat(Qt::PlainText);
    backedLabel->setWordWrap(true);
    backedLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (QLabel *amount : {stakeLabel, winningsLabel})
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto *last = frame(page, QStringLiteral("fraLastWinner"), QStringLiteral("The Last Grand National"),
                       twipsRect(120, 4290, 4440, 1140));
    auto *winnerCaption = label(last, QStringLiteral("lblWinnerCaption"), QStringLiteral("Winner:"), twipsRect(180, 480, 1020, 300));
    lastWinnerField = new QLineEdit(last);
    lastWinnerField->setObjectName(QStringLiteral("Text4"));
    lastWinnerField->setReadOnly(true);
    lastWinnerField->setAccessibleName(QStringLiteral("Last Winner"));
    lastWinnerField->setGeometry(twipsRect(1200, 450, 3060, 330));
    winnerCaption->setBuddy(lastWinnerField);

    // ---- the runners ----
    auto *field = frame(page, QStringLiteral("fraRunners"), QStringLiteral("The Runners"), twipsRect(4680, 90, 5040, 5340));
    label(field, QStringLiteral("lblRunnersHeader"), QStringLiteral("Horse"), twipsRect(180, 360, 2000, 300), true);
    label(field, QStringLiteral("Label13"), QStringLiteral("Odd/1"), twipsRect(3900, 360, 960, 300), true);
    for (int i = 0; i < grand::laneCount; ++i) {
        const int y = 780 + i * 480;
        auto *option = new QRadioButton(field);
        option->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        option->setGeometry(twipsRect(180, y, 3660, 360));
        option->setEnabled(false);
        connect(option, &QRadioButton::clicked, this, [this, lane = i + 1] { game::session().chooseGrandNationalRunner(lane); });
        runnerOptions[i] = option;
        oddsLabels[i] = label(field, QStringLiteral("Label%1").arg(14 + i), QString(), twipsRect(3900, y, 960, 360), true);
    }
    selectButton = button(field, QStringLiteral("Command3"), QStringLiteral("Select Horse"), twipsRect(180, 3360, 4680, 480));
    startButton = button(field, QStringLiteral("Command2"), QStringLiteral("Start The Race"), twipsRect(180, 3960, 4680, 600));
    startButton->setIcon(QIcon(QStringLiteral(":/office/flag.svg")));
    selectButton->setEnabled(false);
    startButton->setEnabled(false);

    // ---- help ----
    auto *helpPage = new QWidget;
    helpPage->setObjectName(QStringLiteral("tabHelp"));
    tabs->addTab(helpPage, QStringLiteral("Help"));
    auto *help = label(helpPage, QStringLiteral("lblHelp"), QString::fromUtf8(helpText), twipsRect(240, 180, 9360, 5400));
    help->setWordWrap(true);
    help->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(stakeBox, &QComboBox::editTextChanged, this, [] { game::session().grandNationalStakeTyped(); });
    connect(confirmButton, &QPushButton::clicked, this, &GrandNationalWindow::onConfirmClicked);
    connect(selectButton, &QPushButton::clicked, this, &GrandNationalWindow::onSelectClicked);
    connect(startButton, &QPushButton::clicked, this, &GrandNationalWindow::onStartClicked);

    connect(&game::session(), &game::Session::grandNationalClosed, this, [this] {
        // The entry is over (given up at log off or on leaving the game): nothing is left to ask.
        leaving_ = true;
        close();
    });
    load();
}

GrandNationalWindow::~GrandNationalWindow() = default;

void GrandNationalWindow::load()
{
    const game::Session &session = game::session();
    {
        const QSignalBlocker quiet(stakeBox);
        stakeBox->addItems(grand::stakeList());
        stakeBox->setCurrentIndex(-1);
        stakeBox->setEditText(grand::stakePrompt());
    }
    cashCaption->setText(QStringLiteral("Cash ") + session.sign());
    debtCaption->setText(QStringLiteral("Debt ") + session.sign());
    startedLabel->setText(QStringLiteral("Game Started At: ") +
                          QLocale::system().toString(QTime::currentTime(), QLocale::ShortFormat));
    entry_ = session.grandNational();
    if (!entry_)
        return;
    greetingLabel->setText(QStringLiteral("Welcome To The GrandNational: ") + entry_->playerName());
    connect(entry_.get(), &game::GrandNationalBetting::changed, this, &GrandNationalWindow::showEntry);
    showEntry();
}

void GrandNationalWindow::showEntry()
{
    if (!entry_)
        return;
    const game::GrandNationalBetting &entry = *entry_;
    cashField->setText(platform::moneyText(entry.cash()));
    debtField->setText(platform::moneyText(entry.debt()));
    ownedLabel->setText(entry.ownedHorse());
    for (int lane = 1; lane <= grand::laneCount; ++lane) {
        QRadioButton *runner = runnerOptions[lane - 1];
        runner->setText(entry.runner(lane));
        runner->setToolTip(entry.runner(lane));
        runner->setEnabled(entry.runnersOpen());
        oddsLabels[lane - 1]->setText(QString::number(entry.odds()[lane - 1]));
    }
    stakeLabel->setText(entry.stakeShown());
    winningsLabel->setText(entry.winningsShown());
    backedLabel->setText(entry.backed());
    lastWinnerField->setText(entry.lastWinner());
    confirmButton->setEnabled(entry.confirmOffered());
    stakeBox->setEnabled(entry.stakeBoxOpen());
    selectButton->setEnabled(entry.selectOffered());
    startButton->setEnabled(entry.startOffered());
    // The race is settled: the window waits, hidden, for the next entry.
    if (!entry.shown())
        hide();
}

void GrandNationalWindow::onConfirmClicked()
{
    game::tell(game::session().confirmGrandNationalStake(stakeBox->currentText()));
    if (entry_ && entry_->stakeConfirmed())
        runnerOptions[0]->setFocus(Qt::OtherFocusReason);
}

void GrandNationalWindow::onSelectClicked()
{
    game::session().selectGrandNationalRunner();
    startButton->setFocus(Qt::OtherFocusReason);
}

void GrandNationalWindow::onStartClicked()
{
    GrandNationalRaceWindow *race = app::window<GrandNationalRaceWindow>();
    race->show();
    race->raise();
    race->activateWindow();
}

void GrandNationalWindow::closeEvent(QCloseEvent *event)
{
    bool left = leaving_;
    if (!left)
        game::tell(game::session().leaveGrandNational([&left] { left = true; }));
    if (!left) {
        event->ignore();
        return;
    }
    leaving_ = true;
    // A race not started has nothing left to run.
    if (GrandNationalRaceWindow *race = app::existingWindow<GrandNationalRaceWindow>())
        race->close();
    event->accept();
}

void GrandNationalWindow::reject() { close(); }
