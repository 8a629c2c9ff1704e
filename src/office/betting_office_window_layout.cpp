// The betting office's layout: the menus, the toolbar, the account and game information, the tab
// panel with the Betting Info page, the status bar and the betting wizard band, and the tab order.
#include "office/betting_office_window.h"

#include "office/betting_office_window_controls.h"
#include "office/race_card.h"
#include "platform/dialogs.h"
#include "platform/intervals.h"
#include "platform/settings.h"
#include "platform/sound.h"
#include "platform/twips.h"
#include "platform/widgets/window_fit.h"
#include "platform/widgets/link_label.h"
#include "platform/widgets/panel_status_bar.h"
#include "player/record_files.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

using office::bolder;
using office::label;
using platform::called;
using platform::twips;
using platform::twipsRect;

namespace {

constexpr int tabTop = 1560;  // in twips

QFont smaller(QFont font)
{
    if (font.pointSize() > 1)
        font.setPointSize(font.pointSize() - 1);
    return font;
}

}  // namespace

void BettingOfficeWindow::buildMenus()
{
    auto makeAction = [this](const QString &name, const QString &text, const QKeySequence &key = {}) {
        auto *action = called(new QAction(text, this), name);
        if (!key.isEmpty())
            action->setShortcut(key);
        return action;
    };

    QMenu *actions = called(menuBar()->addMenu(QStringLiteral("&Paddox Actions")), QStringLiteral("mnuActions"));
    saveAction = makeAction(QStringLiteral("saveme"), QStringLiteral("&Save All Data"), QKeySequence(Qt::Key_F2));
    saveAction->setIcon(QIcon(QStringLiteral(":/office/save.svg")));
    resetAction = makeAction(QStringLiteral("rest"), QStringLiteral("&Reset All Data"), QKeySequence(Qt::CTRL | Qt::Key_R));
    resetAction->setIcon(QIcon(QStringLiteral(":/office/reset.svg")));
    logOffAction = makeAction(QStringLiteral("diffuser"), QStringLiteral("&Log Off..."), QKeySequence(Qt::CTRL | Qt::Key_L));
    logOffAction->setIcon(QIcon(QStringLiteral(":/office/log_off.svg")));
    exitAction = makeAction(QStringLiteral("exit"), QStringLiteral("&Exit"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    actions->addAction(saveAction);
    actions->addAction(resetAction);
    actions->addSeparator();
    actions->addAction(logOffAction);
    actions->addSeparator();
    actions->addAction(exitAction);
    connect(saveAction, &QAction::triggered, this, &BettingOfficeWindow::onSaveClicked);
    connect(resetAction, &QAction::triggered, this, &BettingOfficeWindow::onResetClicked);
    connect(logOffAction, &QAction::triggered, this, &BettingOfficeWindow::onLogOffClicked);
    connect(exitAction, &QAction::triggered, this, &BettingOfficeWindow::onExitClicked);

    QMenu *grand = called(menuBar()->addMenu(QStringLiteral("&Grand National")), QStringLiteral("mnuGrand"));
    QMenu *grandOptions = called(grand->addMenu(QStringLiteral("Grand National Options")), QStringLiteral("gn"));
    enterGrandNationalAction = makeAction(QStringLiteral("sendgn"), QStringLiteral("Send Your Horse To The Grand National"));
    requirementsAction = makeAction(QStringLiteral("reqgn"), QStringLiteral("What Are The Requirements For The Grand National"));
    grandOptions->addAction(enterGrandNationalAction);
    grandOptions->addAction(requirementsAction);
    connect(enterGrandNationalAction, &QAction::triggered, this, &BettingOfficeWindow::onEnterGrandNationalClicked);
    connect(requirementsAction, &QAction::triggered, this, &BettingOfficeWindow::onRequirementsClicked);

    // Two entries the game carries switched off: on the menu bar, greyed.
    QMenu *online = called(menuBar()->addMenu(QStringLiteral("&Paddox On-line")), QStringLiteral("hconnectMenu"));
    connectAction = makeAction(QStringLiteral("hconnect"), QStringLiteral("&Connect"));
    online->addAction(connectAction);
    online->menuAction()->setEnabled(false);
    QAction *multiUser = makeAction(QStringLiteral("cntrl"), QStringLiteral("&MultiUser"));
    menuBar()->addAction(multiUser);
    multiUser->setEnabled(false);

    QMenu *tools = called(menuBar()->addMenu(QStringLiteral("&Tools")), QStringLiteral("mnuTools"));
    showHallAction = makeAction(QStringLiteral("mnuShowhall"), QStringLiteral("&Show Hall Of Fame"));
    creditsAction = makeAction(QStringLiteral("mnuCredit"), QStringLiteral("Show &Credits"));
    backupAction = makeAction(QStringLiteral("backup"), QStringLiteral("&Back Up / Restore"), QKeySequence(Qt::Key_F9));
    backupAction->setIcon(QIcon(QStringLiteral(":/office/restore.svg")));
    updateAction = makeAction(QStringLiteral("update"), QStringLiteral("&Check For Updates"));
    optionsAction = makeAction(QStringLiteral("mnuoption"), QStringLiteral("&Options"), QKeySequence(Qt::CTRL | Qt::Key_O));
    optionsAction->setIcon(QIcon(QStringLiteral(":/office/rename.svg")));
    raceBookAction = makeAction(QStringLiteral("mnuBook"), QStringLiteral("Race &Book"), QKeySequence(Qt::CTRL | Qt::Key_B));
    raceBookAction->setIcon(QIcon(QStringLiteral(":/office/book.svg")));
    raceBookAction->setToolTip(QStringLiteral("Your Race Book"));
    tools->addAction(showHallAction);
    tools->addAction(creditsAction);
    tools->addAction(raceBookAction);
    tools->addSeparator();
    tools->addAction(backupAction);
    tools->addSeparator();
    tools->addAction(updateAction);
    tools->addSeparator();
    tools->addAction(optionsAction);
    // Two switches the player keeps between runs: the race's sounds, and its results at a glance.
    soundAction = makeAction(QStringLiteral("mnuSound"), QStringLiteral("&Sound"));
    soundAction->setCheckable(true);
    resultsAction = makeAction(QStringLiteral("mnuResults"), QStringLiteral("Results In The Race Window"));
    resultsAction->setCheckable(true);
    tools->addSeparator();
    tools->addAction(soundAction);
    tools->addAction(resultsAction);
    connect(tools, &QMenu::aboutToShow, this, [this] {
        soundAction->setChecked(platform::soundOn());
        resultsAction->setChecked(platform::resultsInRaceWindow());
    });
    soundAction->setChecked(platform::soundOn());
    resultsAction->setChecked(platform::resultsInRaceWindow());
    // A choice that cannot be stored still holds for this run; the player is told so.
    auto told = [](bool stored) {
        if (!stored)
            platform::say(QStringLiteral("Your choice could not be saved, so it holds only until you leave Paddox."),
                          platform::Icon::Warning);
    };
    connect(soundAction, &QAction::toggled, this, [told](bool on) { told(platform::setSoundOn(on)); });
    connect(resultsAction, &QAction::toggled, this,
            [told](bool on) { told(platform::setSwitch(platform::resultsInRaceWindowKey, on)); });
    connect(optionsAction, &QAction::triggered, this, &BettingOfficeWindow::onHorseOptionsClicked);
    connect(backupAction, &QAction::triggered, this, &BettingOfficeWindow::onBackupClicked);
    connect(raceBookAction, &QAction::triggered, this, &BettingOfficeWindow::onRaceBookClicked);

    QMenu *help = called(menuBar()->addMenu(QStringLiteral("&Help")), QStringLiteral("mnuHelpMenu"));
    aboutAction = makeAction(QStringLiteral("about"), QStringLiteral("&About"));
    whatsNewAction = makeAction(QStringLiteral("what"), QStringLiteral("&Whats New"));
    helpAction = makeAction(QStringLiteral("mnuHelp"), QStringLiteral("&Help"), QKeySequence(Qt::Key_F1));
    helpAction->setIcon(QIcon(QStringLiteral(":/office/help.svg")));
    help->addAction(aboutAction);
    help->addAction(whatsNewAction);
    help->addAction(helpAction);

    for (QAction *action : findChildren<QAction *>())
        action->setShortcutContext(Qt::WindowShortcut);
}

void BettingOfficeWindow::buildToolbar()
{
    toolbar = called(new QToolBar(QStringLiteral("Toolbar3"), this), QStringLiteral("Toolbar3"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar->setIconSize(QSize(24, 24));
    addToolBar(Qt::TopToolBarArea, toolbar);

    struct ToolbarButton {
        const char *caption, *key, *tip, *icon;
    };
    const ToolbarButton buttons[] = {
        {"Log Off", "Log_Off", "Log Off Current user", "log_off"},
        {"SAVE", "save", "Save Data For Current User", "save"},
        {"Back Up Retsore", "restore", "", "restore"},
        {"Rename Horses", "rename", "Rename Your Horses", "rename"},
        {"RESET", "reset", "Reset Your Data", "reset"},
        {"QUARN", "quarn", "Quarn On The Internet", "quarn"},
        {"HELP", "help", "Help", "help"},
    };
    for (const ToolbarButton &button : buttons) {
        const QString key = QString::fromLatin1(button.key);
        auto *action = called(new QAction(QIcon(QStringLiteral(":/office/%1.svg").arg(QLatin1String(button.icon))),
                                         QString::fromLatin1(button.caption), toolbar),
                             key);
        action->setData(key);
        action->setToolTip(QString::fromLatin1(button.tip));
        toolbar->addAction(action);
        QWidget *widget = toolbar->widgetForAction(action);
        widget->setObjectName(key);
        if (!*button.tip)
            widget->installEventFilter(this);  // this button has no tool tip
        connect(action, &QAction::triggered, this, [this, key] { onToolbarButton(key); });
    }
    // The race book's button is the menu's own action, with a caption under its icon.
    toolbar->addAction(raceBookAction);
    toolbar->widgetForAction(raceBookAction)->setObjectName(QStringLiteral("book"));
}

void BettingOfficeWindow::buildFrame()
{
    central_ = called(new QWidget(this), QStringLiteral("centralArea"));
    setCentralWidget(central_);

    // ---- Your Account Status ----
    auto *account = called(new QGroupBox(QStringLiteral("Your Account Status"), central_), QStringLiteral("fraAccount"));
    account->setGeometry(twipsRect(120, 60, 3400, 1400));
    cashCaption = label(account, QStringLiteral("Label1"), QStringLiteral("Cash "), twipsRect(180, 390, 1000, 300));
    debtCaption = label(account, QStringLiteral("Label2"), QStringLiteral("Debt "), twipsRect(180, 870, 1000, 300));
    cashField = called(new QLineEdit(account), QStringLiteral("Text1"));
    cashField->setGeometry(twipsRect(1200, 360, 2000, 360));
    debtField = called(new QLineEdit(account), QStringLiteral("Text2"));
    debtField->setGeometry(twipsRect(1200, 840, 2000, 360));
    for (QLineEdit *money : {cashField, debtField}) {
        // The bank keeps these: they change through bets, loans and shares only.
        money->setReadOnly(true);
        money->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        money->setFont(bolder(money->font()));
    }
    cashField->setAccessibleName(QStringLiteral("Cash"));
    debtField->setAccessibleName(QStringLiteral("Debt"));
    cashCaption->setBuddy(cashField);
    debtCaption->setBuddy(debtField);

    // ---- Game Information ----
    auto *info = called(new QGroupBox(QStringLiteral("Game Information"), central_), QStringLiteral("fraGameInfo"));
    info->setGeometry(twipsRect(3640, 60, 7040, 1400));
    welcomeLabel = label(info, QStringLiteral("Label24"), QStringLiteral("Welcome: "), twipsRect(180, 300, 3900, 285));
    welcomeLabel->setFont(bolder(welcomeLabel->font()));
    startedLabel = label(info, QStringLiteral("Label25"), QStringLiteral("Game Started At: "), twipsRect(4150, 300, 2740, 285));
    startedLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label(info, QStringLiteral("lblShareCaption"), QStringLiteral("Your Horse Share:"), twipsRect(180, 620, 1800, 285));
    infoShareLabel = label(info, QStringLiteral("Label57"), player::noShares, twipsRect(2050, 620, 4840, 285));
    tipLabel = label(info, QStringLiteral("Label56"), QString(), twipsRect(180, 930, 6710, 420));
    tipLabel->setStyleSheet(QStringLiteral("color: #7a1f00;"));
    tipLabel->setFont(bolder(tipLabel->font()));

    // ---- hidden fields ----
    slotLabel = label(central_, QStringLiteral("Label23"), QString(), QRect());
    playerNameField = called(new QLineEdit(central_), QStringLiteral("txtuser"));
    playerNameField->setAccessibleName(QStringLiteral("Player name"));
    currencyLabel = label(central_, QStringLiteral("curr"), office::defaultCurrencySign(), QRect());
    lastWinnerField = called(new QLineEdit(central_), QStringLiteral("Text11"));
    lastWinnerField->setAccessibleName(QStringLiteral("Last winner"));
    helpPageField = called(new QLineEdit(central_), QStringLiteral("Text13"));
    helpPageField->setAccessibleName(QStringLiteral("Help page"));
    for (QWidget *hidden : std::initializer_list<QWidget *>{slotLabel, playerNameField, currencyLabel, lastWinnerField, helpPageField})
        hidden->hide();

    // ---- the tab panel ----
    tabs = called(new QTabWidget(central_), QStringLiteral("SSTab1"));
    tabs->setGeometry(twipsRect(120, tabTop, mainWidth - 240, centralHeight - tabTop - 90));
    tabs->setIconSize(QSize(18, 18));
    struct TabSpec {
        const char *caption, *name, *icon;
    };
    const TabSpec pageSpecs[] = {{"Betting", "tabBetting", "tab_betting"},
                                 {"Loans", "tabLoans", "tab_loans"},
                                 {"Shares", "tabShares", "tab_shares"},
                                 {"Betting Info", "tabBettingInfo", "tab_info"}};
    QWidget *pages[4];
    for (int i = 0; i < 4; ++i) {
        pages[i] = called(new QWidget, QString::fromLatin1(pageSpecs[i].name));
        tabs->addTab(pages[i], QIcon(QStringLiteral(":/office/%1.svg").arg(QLatin1String(pageSpecs[i].icon))),
                     QString::fromLatin1(pageSpecs[i].caption));
    }
    buildBettingTab(pages[0]);
    // The country sits on the Loans page's bottom strip.
    label(pages[1], QStringLiteral("lblCountryCaption"), QStringLiteral("Your Country:"), twipsRect(120, 4900, 1300, 300));
    countryLabel = label(pages[1], QStringLiteral("Label26"), QString(), twipsRect(1500, 4900, 4500, 300));
    countryLabel->setFont(bolder(countryLabel->font()));
    buildLoansTab(pages[1]);
    buildSharesTab(pages[2]);
    buildBettingInfoTab(pages[3]);

    // ---- status bar and save progress ----
    statusBar_ = called(new platform::PanelStatusBar({0, 2, 5, 0}, this), QStringLiteral("StatusBar1"));
    setStatusBar(statusBar_);
    statusBar_->setPanelText(1, QStringLiteral("Paddox6.6"));
    statusBar_->setPanelText(4, QStringLiteral("For Help Press F1"));
    for (int panel : {2, 3}) {
        // Long guidance is cut at the panel's edge rather than widening the window.
        statusBar_->panel(panel)->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    saveProgress = called(new QProgressBar(statusBar_), QStringLiteral("progSave"));
    saveProgress->setRange(0, 30);
    saveProgress->setValue(0);
    saveProgress->setTextVisible(false);
    saveProgress->setFixedSize(110, 14);
    statusBar_->addWidget(saveProgress);
    saveProgress->hide();
    saveDisplayTimer = called(new QTimer(this), QStringLiteral("Timer2"));
    saveDisplayTimer->setInterval(platform::effectiveInterval(platform::saveDisplayTickMs));
    connect(saveDisplayTimer, &QTimer::timeout, this, &BettingOfficeWindow::onSaveDisplayTick);
}

void BettingOfficeWindow::buildBettingInfoTab(QWidget *tab)
{
    auto *frame = called(new QGroupBox(QStringLiteral("Information About This Race"), tab), QStringLiteral("fraRaceInfo"));
    frame->setGeometry(twipsRect(45, 30, tabPageWidth - 90, tabPageHeight - 60));
    struct Row {
        const char *captionName, *caption;
        QLabel **value;
        const char *valueName, *design;
    };
    const Row rows[] = {
        {"lblStakeCaption", "Amount You Are Betting", &stakeLabel, "Label10", "Nothing"},
        {"lblHorseCaption", "The Name Of The Horse Your Are Backing", &backedLabel, "Label14", "None Selected"},
        {"lblWinCaption", "Amount You Will Win, If You Win", &winningsLabel, "Label12", "Nothing"},
    };
    auto framed = [](QLabel *value) {
        value->setFont(bolder(value->font()));
        value->setFrameShape(QFrame::StyledPanel);
        value->setFrameShadow(QFrame::Sunken);
        value->setIndent(6);
    };
    int y = 480;
    for (const Row &row : rows) {
        label(frame, QString::fromLatin1(row.captionName), QString::fromLatin1(row.caption), twipsRect(300, y, 4400, 330));
        *row.value = label(frame, QString::fromLatin1(row.valueName), QString::fromLatin1(row.design),
                           twipsRect(4800, y, 4500, 330));
        framed(*row.value);
        y += 480;
    }
    // The share as well, read whenever this page is opened.
    label(frame, QStringLiteral("lblShareInfoCaption"), QStringLiteral("You Have Shares In"), twipsRect(300, y, 4400, 330));
    auto *shareInfo = label(frame, QStringLiteral("lblShareInfo"), QString(), twipsRect(4800, y, 4500, 330));
    framed(shareInfo);
    connect(tabs, &QTabWidget::currentChanged, shareInfo, [this, shareInfo, tab](int) {
        if (tabs->currentWidget() == tab)
            shareInfo->setText(shareLabel->text());
    });
    auto *about = label(frame, QStringLiteral("Label38"),
                        QStringLiteral("This will just show you the information about which horse you are betting on and "
                                       "how much you are risking on the race. It also tells you which horse you have "
                                       "shares in and how much money you will win if the horse you bet on wins"),
                        twipsRect(300, 2500, 9000, 900));
    about->setWordWrap(true);
    about->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *picture = label(frame, QStringLiteral("picInfo"), QString(), twipsRect(7800, 3400, 1500, 1500));
    picture->setPixmap(QIcon(QStringLiteral(":/office/rosette.svg")).pixmap(picture->size()));
    picture->setAlignment(Qt::AlignCenter);
}

void BettingOfficeWindow::buildWizard()
{
    auto *band = called(new QFrame(central_), QStringLiteral("wizardBand"));
    wizardBand = band;
    band->setGeometry(twipsRect(mainWidth, 0, wizardWidth, centralHeight));
    band->setFrameShape(QFrame::StyledPanel);
    band->setAutoFillBackground(true);
    QPalette pal = band->palette();
    pal.setColor(QPalette::Window, QColor(0xf4, 0xee, 0xdc));
    band->setPalette(pal);

    const int x = 150, w = wizardWidth - 300;
    auto *picture = label(band, QStringLiteral("picWizard"), QString(), twipsRect(2950, 100, 900, 900));
    picture->setPixmap(QIcon(QStringLiteral(":/office/wizard.svg")).pixmap(picture->size()));
    wizardTitle = label(band, QStringLiteral("Label40"), QStringLiteral("Paddox Wizard."), twipsRect(x, 150, 2800, 450));
    wizardTitle->setFont(bolder(wizardTitle->font(), 4));
    wizardTitle->setStyleSheet(QStringLiteral("color: #3b2a80;"));
    auto *subtitle = label(band, QStringLiteral("lblWizardSubtitle"), QStringLiteral("The step by step route to placing a bet"),
                           twipsRect(x, 620, 2750, 480));
    subtitle->setWordWrap(true);
    subtitle->setFont(smaller(subtitle->font()));

    wizardStepLabel = label(band, QStringLiteral("Label46"), QStringLiteral("STEP 1:"), twipsRect(x, 1140, w, 330));
    wizardStepLabel->setFont(bolder(wizardStepLabel->font(), 2));

    wizardStakePicker = office::stakePicker(band, QStringLiteral("wiz1"), QStringLiteral("Wizard stake"));
    wizardStakePicker->setGeometry(twipsRect(x, 1580, w, 360));
    selectStakeButton = office::button(band, QStringLiteral("Command12"), QStringLiteral("Select Current Stake"),
                                       twipsRect(x, 2060, w, 450));
    connect(selectStakeButton, &QPushButton::clicked, this, &BettingOfficeWindow::onSelectStakeClicked);

    for (int i = 0; i < 5; ++i) {
        auto *option = called(new QRadioButton(band), QStringLiteral("Option%1").arg(11 + i));
        option->setGeometry(twipsRect(x, 1560 + i * 360, w, 330));
        option->hide();
        option->setEnabled(false);
        wizardHorseOptions[i] = option;
        const int horse = i + 1;
        connect(option, &QRadioButton::toggled, this, [this, horse](bool on) {
            if (on)
                onWizardHorseChosen(horse);
        });
    }
    wizardBetLabel = label(band, QStringLiteral("Label47"), QStringLiteral("You Are Going To Place A Bet On: "),
                           twipsRect(x, 3450, w, 540));
    wizardBetLabel->setWordWrap(true);
    wizardWinningsCaption = label(band, QStringLiteral("Label49"), QStringLiteral("This is how much you will win"),
                                  twipsRect(x, 4030, w, 300));
    wizardWinningsLabel = label(band, QStringLiteral("Label48"), QStringLiteral("0.00"), twipsRect(x, 4330, w, 390));
    wizardWinningsLabel->setFont(bolder(wizardWinningsLabel->font(), 3));
    wizardWinningsLabel->setStyleSheet(QStringLiteral("color: #0b6b1d;"));
    selectHorseButton = office::button(band, QStringLiteral("Command19"), QStringLiteral("Select Your Horse"),
                                       twipsRect(x, 4830, w, 450));
    wizardTipButton = office::button(band, QStringLiteral("cmdst"), QStringLiteral("Horse Tip"), twipsRect(x, 5370, w, 450));
    wizardTipButton->setIcon(QIcon(QStringLiteral(":/office/tip.svg")));
    wizardStartButton = office::button(band, QStringLiteral("Command17"), QStringLiteral("Start The Race"),
                                       twipsRect(x, 1580, w, 450));
    wizardStartButton->setIcon(QIcon(QStringLiteral(":/office/flag.svg")));
    for (QWidget *later : std::initializer_list<QWidget *>{wizardBetLabel, wizardWinningsLabel, wizardWinningsCaption,
                                                           selectHorseButton, wizardTipButton, wizardStartButton})
        later->hide();
    connect(selectHorseButton, &QPushButton::clicked, this, &BettingOfficeWindow::onSelectHorseClicked);
    connect(wizardTipButton, &QPushButton::clicked, this, &BettingOfficeWindow::onWizardTipClicked);
    connect(wizardStartButton, &QPushButton::clicked, this, &BettingOfficeWindow::onWizardStartClicked);

    auto *rule = called(new QFrame(band), QStringLiteral("lineWizardFoot"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(twipsRect(x, 6330, w, 30));
    closeWizardButton = office::button(band, QStringLiteral("Command112"), QStringLiteral("Close Wizard"),
                                       twipsRect(x, 6480, 1900, 420));
    dontShowBox = called(new QCheckBox(QStringLiteral("Don't Show At Start Up"), band), QStringLiteral("Check1"));
    dontShowBox->setGeometry(twipsRect(x, 7020, w, 330));
    connect(closeWizardButton, &QPushButton::clicked, this, &BettingOfficeWindow::onCloseWizardClicked);
    connect(dontShowBox, &QCheckBox::toggled, this, &BettingOfficeWindow::onDontShowToggled);
}

void BettingOfficeWindow::setTabOrders()
{
    // The betting flow first: stake, Place Your Stake, the tip, the horse, Place Bet, Start, Cancel.
    QList<QWidget *> chain{tabs->tabBar(), stakeBox, placeStakeButton, tipButton};
    for (QRadioButton *option : horseOptions)
        chain << option;
    chain << placeBetButton << startRaceButton << cancelBetLink;
    chain << wizardStakePicker << selectStakeButton;
    for (QRadioButton *option : wizardHorseOptions)
        chain << option;
    chain << selectHorseButton << wizardTipButton << wizardStartButton << closeWizardButton << dontShowBox << cashField
          << debtField;
    for (int i = 0; i + 1 < chain.size(); ++i)
        setTabOrder(chain[i], chain[i + 1]);
}

void BettingOfficeWindow::fitWindow()
{
    const platform::TwipsScale scaled(platform::windowScale(this));
    const int width = twips(mainWidth + (wizardClosed_ ? 0 : wizardWidth));
    central_->setFixedSize(width, twips(centralHeight));
    const int height = menuBar()->sizeHint().height() + toolbar->sizeHint().height() + twips(centralHeight) +
                       statusBar_->sizeHint().height();
    setFixedSize(width, height);
}
