// The betting office: building the window, its load, the menus and toolbar, saving,
// reset, log off, exit and the betting wizard band's own controls.
#include "office/betting_office_window.h"

#include "app/window_registry.h"
#include "backup/backup_window.h"
#include "book/race_book_window.h"
#include "office/loans.h"
#include "office/office_files.h"
#include "office/race_card.h"
#include "platform/control_array.h"
#include "platform/dialogs.h"
#include "platform/intervals.h"
#include "platform/program.h"
#include "platform/twips.h"
#include "platform/widgets/link_label.h"
#include "platform/widgets/panel_status_bar.h"
#include "platform/widgets/typed_combo.h"
#include "platform/widgets/placed.h"
#include "player/horse_options_window.h"
#include "player/record_files.h"
#include "player/record_safety.h"
#include "player/sign_in_window.h"
#include "race/grand_national_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

using platform::twips;
using platform::twipsRect;

namespace {

// The betting office's fixed layout, in twips.
constexpr int mainWidth = 10800;     // everything left of the wizard band
constexpr int centralHeight = 7700;  // between the toolbar and the status bar
constexpr int tabTop = 1560;

const QString noShares = player::noShares;

template <class W>
W *named(W *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *l = platform::placed(new QLabel(text, parent), name, geometry);
    l->setTextFormat(Qt::PlainText);  // names from files and players are shown as typed, never as markup
    return l;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    return platform::placed(new QPushButton(text, parent), name, geometry);
}

QFont bolder(QFont font, int pointDelta = 0)
{
    font.setBold(true);
    if (pointDelta && font.pointSize() > 0)
        font.setPointSize(font.pointSize() + pointDelta);
    return font;
}

QFont smaller(QFont font)
{
    if (font.pointSize() > 1)
        font.setPointSize(font.pointSize() - 1);
    return font;
}

QComboBox *stakePicker(QWidget *parent, const QString &name, const QString &accessibleName)
{
    auto *picker = named(new QComboBox(parent), name);
    platform::keepTypedText(picker);
    picker->setMaxVisibleItems(10);
    // A stake is a few digits; the limit keeps a pasted page of text out of the messages.
    picker->lineEdit()->setMaxLength(50);
    picker->setAccessibleName(accessibleName);
    return picker;
}

}  // namespace

BettingOfficeWindow::BettingOfficeWindow()
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("paddox6.6 beta "));
    setWindowIcon(QIcon(QStringLiteral(":/app/paddox.svg")));

    buildMenus();
    buildToolbar();
    buildFrame();
    buildWizard();
    setTabOrders();
    buildInfo();
    Form_Load();
}

BettingOfficeWindow::~BettingOfficeWindow() = default;

// ---- building the window ----

void BettingOfficeWindow::buildMenus()
{
    auto makeAction = [this](const QString &name, const QString &text, const QKeySequence &key = {}) {
        auto *action = named(new QAction(text, this), name);
        if (!key.isEmpty())
            action->setShortcut(key);
        return action;
    };

    QMenu *actions = named(menuBar()->addMenu(QStringLiteral("&Paddox Actions")), QStringLiteral("mnuActions"));
    saveme = makeAction(QStringLiteral("saveme"), QStringLiteral("&Save All Data"), QKeySequence(Qt::Key_F2));
    saveme->setIcon(QIcon(QStringLiteral(":/office/save.svg")));
    rest = makeAction(QStringLiteral("rest"), QStringLiteral("&Reset All Data"), QKeySequence(Qt::CTRL | Qt::Key_R));
    rest->setIcon(QIcon(QStringLiteral(":/office/reset.svg")));
    diffuser = makeAction(QStringLiteral("diffuser"), QStringLiteral("&Log Off..."), QKeySequence(Qt::CTRL | Qt::Key_L));
    diffuser->setIcon(QIcon(QStringLiteral(":/office/log_off.svg")));
    exit = makeAction(QStringLiteral("exit"), QStringLiteral("&Exit"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    actions->addAction(saveme);
    actions->addAction(rest);
    actions->addSeparator();
    actions->addAction(diffuser);
    actions->addSeparator();
    actions->addAction(exit);
    connect(saveme, &QAction::triggered, this, &BettingOfficeWindow::saveme_Click);
    connect(rest, &QAction::triggered, this, &BettingOfficeWindow::rest_Click);
    connect(diffuser, &QAction::triggered, this, &BettingOfficeWindow::diffuser_Click);
    connect(exit, &QAction::triggered, this, &BettingOfficeWindow::exit_Click);

    QMenu *grand = named(menuBar()->addMenu(QStringLiteral("&Grand National")), QStringLiteral("mnuGrand"));
    gn = named(grand->addMenu(QStringLiteral("Grand National Options")), QStringLiteral("gn"));
    sendgn = makeAction(QStringLiteral("sendgn"), QStringLiteral("Send Your Horse To The Grand National"));
    reqgn = makeAction(QStringLiteral("reqgn"), QStringLiteral("What Are The Requirements For The Grand National"));
    gn->addAction(sendgn);
    gn->addAction(reqgn);
    connect(sendgn, &QAction::triggered, this, &BettingOfficeWindow::sendgn_Click);
    connect(reqgn, &QAction::triggered, this, &BettingOfficeWindow::reqgn_Click);

    // Two entries the game carries switched off: on the menu bar, greyed.
    hconnectMenu = named(menuBar()->addMenu(QStringLiteral("&Paddox On-line")), QStringLiteral("hconnectMenu"));
    hconnect = makeAction(QStringLiteral("hconnect"), QStringLiteral("&Connect"));
    hconnectMenu->addAction(hconnect);
    hconnect->setEnabled(false);
    hconnectMenu->menuAction()->setEnabled(false);
    cntrl = makeAction(QStringLiteral("cntrl"), QStringLiteral("&MultiUser"));
    menuBar()->addAction(cntrl);
    cntrl->setEnabled(false);

    QMenu *tools = named(menuBar()->addMenu(QStringLiteral("&Tools")), QStringLiteral("mnuTools"));
    mnuShowhall = makeAction(QStringLiteral("mnuShowhall"), QStringLiteral("&Show Hall Of Fame"));
    mnuCredit = makeAction(QStringLiteral("mnuCredit"), QStringLiteral("Show &Credits"));
    backup = makeAction(QStringLiteral("backup"), QStringLiteral("&Back Up / Restore"), QKeySequence(Qt::Key_F9));
    backup->setIcon(QIcon(QStringLiteral(":/office/restore.svg")));
    update = makeAction(QStringLiteral("update"), QStringLiteral("&Check For Updates"));
    mnuoption = makeAction(QStringLiteral("mnuoption"), QStringLiteral("&Options"), QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuoption->setIcon(QIcon(QStringLiteral(":/office/rename.svg")));
    mnuBook = makeAction(QStringLiteral("mnuBook"), QStringLiteral("Race &Book"), QKeySequence(Qt::CTRL | Qt::Key_B));
    mnuBook->setIcon(QIcon(QStringLiteral(":/office/book.svg")));
    mnuBook->setToolTip(QStringLiteral("Your Race Book"));
    tools->addAction(mnuShowhall);
    tools->addAction(mnuCredit);
    tools->addAction(mnuBook);
    tools->addSeparator();
    tools->addAction(backup);
    tools->addSeparator();
    tools->addAction(update);
    tools->addSeparator();
    tools->addAction(mnuoption);
    connect(mnuoption, &QAction::triggered, this, &BettingOfficeWindow::mnuoption_Click);
    connect(backup, &QAction::triggered, this, &BettingOfficeWindow::backup_Click);
    connect(mnuBook, &QAction::triggered, this, &BettingOfficeWindow::mnuBook_Click);

    QMenu *help = named(menuBar()->addMenu(QStringLiteral("&Help")), QStringLiteral("mnuHelpMenu"));
    about = makeAction(QStringLiteral("about"), QStringLiteral("&About"));
    what = makeAction(QStringLiteral("what"), QStringLiteral("&Whats New"));
    mnuHelp = makeAction(QStringLiteral("mnuHelp"), QStringLiteral("&Help"), QKeySequence(Qt::Key_F1));
    mnuHelp->setIcon(QIcon(QStringLiteral(":/office/help.svg")));
    help->addAction(about);
    help->addAction(what);
    help->addAction(mnuHelp);

    for (QAction *action : findChildren<QAction *>())
        action->setShortcutContext(Qt::WindowShortcut);
}

void BettingOfficeWindow::buildToolbar()
{
    Toolbar3 = named(new QToolBar(QStringLiteral("Toolbar3"), this), QStringLiteral("Toolbar3"));
    Toolbar3->setMovable(false);
    Toolbar3->setFloatable(false);
    Toolbar3->setContextMenuPolicy(Qt::PreventContextMenu);
    Toolbar3->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Toolbar3->setIconSize(QSize(24, 24));
    addToolBar(Qt::TopToolBarArea, Toolbar3);

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
        auto *action = named(new QAction(QIcon(QStringLiteral(":/office/%1.svg").arg(QLatin1String(button.icon))),
                                         QString::fromLatin1(button.caption), Toolbar3),
                             key);
        action->setData(key);
        action->setToolTip(QString::fromLatin1(button.tip));
        Toolbar3->addAction(action);
        QWidget *widget = Toolbar3->widgetForAction(action);
        widget->setObjectName(key);
        if (!*button.tip)
            widget->installEventFilter(this);  // this button has no tool tip
        connect(action, &QAction::triggered, this, [this, key] { Toolbar3_ButtonClick(key); });
    }
    // The race book's button is the menu's own action, with a caption under its icon.
    Toolbar3->addAction(mnuBook);
    Toolbar3->widgetForAction(mnuBook)->setObjectName(QStringLiteral("book"));
}

void BettingOfficeWindow::buildFrame()
{
    central_ = named(new QWidget(this), QStringLiteral("centralArea"));
    setCentralWidget(central_);

    // ---- Your Account Status ----
    auto *account = named(new QGroupBox(QStringLiteral("Your Account Status"), central_), QStringLiteral("fraAccount"));
    account->setGeometry(twipsRect(120, 60, 3400, 1400));
    Label1 = label(account, QStringLiteral("Label1"), QStringLiteral("Cash "), twipsRect(180, 390, 1000, 300));
    Label2 = label(account, QStringLiteral("Label2"), QStringLiteral("Debt "), twipsRect(180, 870, 1000, 300));
    Text1 = named(new QLineEdit(account), QStringLiteral("Text1"));
    Text1->setGeometry(twipsRect(1200, 360, 2000, 360));
    Text2 = named(new QLineEdit(account), QStringLiteral("Text2"));
    Text2->setGeometry(twipsRect(1200, 840, 2000, 360));
    for (QLineEdit *money : {Text1, Text2}) {
        // The bank keeps these: they change through bets, loans and shares only.
        money->setReadOnly(true);
        money->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        money->setFont(bolder(money->font()));
    }
    Text1->setAccessibleName(QStringLiteral("Cash"));
    Text2->setAccessibleName(QStringLiteral("Debt"));
    Label1->setBuddy(Text1);
    Label2->setBuddy(Text2);

    // ---- Game Information ----
    auto *info = named(new QGroupBox(QStringLiteral("Game Information"), central_), QStringLiteral("fraGameInfo"));
    info->setGeometry(twipsRect(3640, 60, 7040, 1400));
    Label24 = label(info, QStringLiteral("Label24"), QStringLiteral("Welcome: "), twipsRect(180, 300, 3900, 285));
    Label24->setFont(bolder(Label24->font()));
    Label25 = label(info, QStringLiteral("Label25"), QStringLiteral("Game Started At: "), twipsRect(4150, 300, 2740, 285));
    Label25->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label(info, QStringLiteral("lblShareCaption"), QStringLiteral("Your Horse Share:"), twipsRect(180, 620, 1800, 285));
    Label57 = label(info, QStringLiteral("Label57"), noShares, twipsRect(2050, 620, 4840, 285));
    Label56 = label(info, QStringLiteral("Label56"), QString(), twipsRect(180, 930, 6710, 420));
    Label56->setStyleSheet(QStringLiteral("color: #7a1f00;"));
    Label56->setFont(bolder(Label56->font()));

    // ---- hidden fields ----
    Label23 = label(central_, QStringLiteral("Label23"), QString(), QRect());
    txtuser = named(new QLineEdit(central_), QStringLiteral("txtuser"));
    txtuser->setAccessibleName(QStringLiteral("Player name"));
    curr = label(central_, QStringLiteral("curr"), office::defaultCurrencySign(), QRect());
    Text11 = named(new QLineEdit(central_), QStringLiteral("Text11"));
    Text11->setAccessibleName(QStringLiteral("Last winner"));
    Text13 = named(new QLineEdit(central_), QStringLiteral("Text13"));
    Text13->setAccessibleName(QStringLiteral("Help page"));
    for (QWidget *hidden : std::initializer_list<QWidget *>{Label23, txtuser, curr, Text11, Text13})
        hidden->hide();

    // ---- the tab panel ----
    SSTab1 = named(new QTabWidget(central_), QStringLiteral("SSTab1"));
    SSTab1->setGeometry(twipsRect(120, tabTop, mainWidth - 240, centralHeight - tabTop - 90));
    SSTab1->setIconSize(QSize(18, 18));
    struct TabSpec {
        const char *caption, *name, *icon;
    };
    const TabSpec tabs[] = {{"Betting", "tabBetting", "tab_betting"},
                            {"Loans", "tabLoans", "tab_loans"},
                            {"Shares", "tabShares", "tab_shares"},
                            {"Betting Info", "tabBettingInfo", "tab_info"}};
    QWidget *pages[4];
    for (int i = 0; i < 4; ++i) {
        pages[i] = named(new QWidget, QString::fromLatin1(tabs[i].name));
        SSTab1->addTab(pages[i], QIcon(QStringLiteral(":/office/%1.svg").arg(QLatin1String(tabs[i].icon))),
                       QString::fromLatin1(tabs[i].caption));
    }
    buildBettingTab(pages[0]);

    // The country sits on the Loans page, the horse cost caption on the Shares page; the loans and
    // shares controls are laid out around them.
    label(pages[1], QStringLiteral("lblCountryCaption"), QStringLiteral("Your Country:"), twipsRect(120, 4900, 1300, 300));
    Label26 = label(pages[1], QStringLiteral("Label26"), QString(), twipsRect(1500, 4900, 4500, 300));
    Label26->setFont(bolder(Label26->font()));
    buildLoansTab(pages[1]);
    if (Text10)
        Text10->installEventFilter(this);

    Label17_0 = label(pages[2], QStringLiteral("Label17_0"), QStringLiteral("Horse Price"), twipsRect(120, 4900, 1600, 300));
    Label17_0->hide();  // shown with the price it labels
    // The share: part of the player's record, shown on the Shares page in the share frame.
    QLabel *share = Label16 = label(pages[2], QStringLiteral("Label16"), noShares, twipsRect(5700, 780, 3780, 330));
    share->setFont(bolder(share->font()));
    buildSharesTab(pages[2]);
    if (Label16 != share) {
        delete share;
    } else if (auto *frame = pages[2]->findChild<QGroupBox *>(QStringLiteral("Frame_shares"))) {
        Label16->setParent(frame);
        Label16->setGeometry(twipsRect(180, 690, 3780, 330));
        Label16->show();
    }

    buildBettingInfoTab(pages[3]);

    // ---- status bar and save progress ----
    StatusBar1 = named(new platform::PanelStatusBar({0, 2, 5, 0}, this), QStringLiteral("StatusBar1"));
    setStatusBar(StatusBar1);
    StatusBar1->setPanelText(1, QStringLiteral("Paddox6.6"));
    StatusBar1->setPanelText(4, QStringLiteral("For Help Press F1"));
    for (int panel : {2, 3}) {
        // Long guidance is cut at the panel's edge rather than widening the window.
        StatusBar1->panel(panel)->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    progSave = named(new QProgressBar(StatusBar1), QStringLiteral("progSave"));
    progSave->setRange(0, 30);
    progSave->setValue(0);
    progSave->setTextVisible(false);
    progSave->setFixedSize(110, 14);
    StatusBar1->addWidget(progSave);
    progSave->hide();
    Timer2 = named(new QTimer(this), QStringLiteral("Timer2"));
    Timer2->setInterval(platform::effectiveInterval(platform::saveDisplayTickMs));
    connect(Timer2, &QTimer::timeout, this, &BettingOfficeWindow::Timer2_Timer);
}

void BettingOfficeWindow::buildBettingInfoTab(QWidget *tab)
{
    auto *frame = named(new QGroupBox(QStringLiteral("Information About This Race"), tab), QStringLiteral("fraRaceInfo"));
    frame->setGeometry(twipsRect(45, 30, tabPageWidth - 90, tabPageHeight - 60));
    struct Row {
        const char *captionName, *caption;
        QLabel **value;
        const char *valueName, *design;
    };
    const Row rows[] = {
        {"lblStakeCaption", "Amount You Are Betting", &Label10, "Label10", "Nothing"},
        {"lblHorseCaption", "The Name Of The Horse Your Are Backing", &Label14, "Label14", "None Selected"},
        {"lblWinCaption", "Amount You Will Win, If You Win", &Label12, "Label12", "Nothing"},
    };
    int y = 480;
    for (const Row &row : rows) {
        label(frame, QString::fromLatin1(row.captionName), QString::fromLatin1(row.caption), twipsRect(300, y, 4400, 330));
        *row.value = label(frame, QString::fromLatin1(row.valueName), QString::fromLatin1(row.design),
                           twipsRect(4800, y, 4500, 330));
        (*row.value)->setFont(bolder((*row.value)->font()));
        (*row.value)->setFrameShape(QFrame::StyledPanel);
        (*row.value)->setFrameShadow(QFrame::Sunken);
        (*row.value)->setIndent(6);
        y += 480;
    }
    // The share as well, read from the Shares tab whenever this page is opened.
    label(frame, QStringLiteral("lblShareInfoCaption"), QStringLiteral("You Have Shares In"), twipsRect(300, y, 4400, 330));
    auto *shareInfo = label(frame, QStringLiteral("lblShareInfo"), QString(), twipsRect(4800, y, 4500, 330));
    shareInfo->setFont(bolder(shareInfo->font()));
    shareInfo->setFrameShape(QFrame::StyledPanel);
    shareInfo->setFrameShadow(QFrame::Sunken);
    shareInfo->setIndent(6);
    connect(SSTab1, &QTabWidget::currentChanged, shareInfo, [this, shareInfo, tab](int) {
        if (SSTab1->currentWidget() == tab && Label16)
            shareInfo->setText(Label16->text());
    });
    Label38 = label(frame,
                    QStringLiteral("Label38"),
                    QStringLiteral("This will just show you the information about which horse you are betting on and how "
                                   "much you are risking on the race. It also tells you which horse you have shares in "
                                   "and how much money you will win if the horse you bet on wins"),
                    twipsRect(300, 2500, 9000, 900));
    Label38->setWordWrap(true);
    Label38->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *picture = label(frame, QStringLiteral("picInfo"), QString(), twipsRect(7800, 3400, 1500, 1500));
    picture->setPixmap(QIcon(QStringLiteral(":/office/rosette.svg")).pixmap(picture->size()));
    picture->setAlignment(Qt::AlignCenter);
}

void BettingOfficeWindow::buildWizard()
{
    auto *band = named(new QFrame(central_), QStringLiteral("wizardBand"));
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
    Label40 = label(band, QStringLiteral("Label40"), QStringLiteral("Paddox Wizard."), twipsRect(x, 150, 2800, 450));
    Label40->setFont(bolder(Label40->font(), 4));
    Label40->setStyleSheet(QStringLiteral("color: #3b2a80;"));
    auto *subtitle = label(band, QStringLiteral("lblWizardSubtitle"), QStringLiteral("The step by step route to placing a bet"),
                           twipsRect(x, 620, 2750, 480));
    subtitle->setWordWrap(true);
    subtitle->setFont(smaller(subtitle->font()));

    Label46 = label(band, QStringLiteral("Label46"), QStringLiteral("STEP 1:"), twipsRect(x, 1140, w, 330));
    Label46->setFont(bolder(Label46->font(), 2));

    wiz1 = stakePicker(band, QStringLiteral("wiz1"), QStringLiteral("Wizard stake"));
    wiz1->setGeometry(twipsRect(x, 1580, w, 360));
    Command12 = button(band, QStringLiteral("Command12"), QStringLiteral("Select Current Stake"), twipsRect(x, 2060, w, 450));
    connect(Command12, &QPushButton::clicked, this, &BettingOfficeWindow::Command12_Click);

    QRadioButton **wizardHorses[] = {&Option11, &Option12, &Option13, &Option14, &Option15};
    for (int i = 0; i < 5; ++i) {
        auto *option = named(new QRadioButton(band), QStringLiteral("Option%1").arg(11 + i));
        option->setGeometry(twipsRect(x, 1560 + i * 360, w, 330));
        option->hide();
        option->setEnabled(false);
        *wizardHorses[i] = option;
        const int horse = i + 1;
        connect(option, &QRadioButton::toggled, this, [this, horse](bool on) {
            if (on)
                wizardHorseChosen(horse);
        });
    }
    Label47 = label(band, QStringLiteral("Label47"), QStringLiteral("You Are Going To Place A Bet On: "), twipsRect(x, 3450, w, 540));
    Label47->setWordWrap(true);
    Label49 = label(band, QStringLiteral("Label49"), QStringLiteral("This is how much you will win"), twipsRect(x, 4030, w, 300));
    Label48 = label(band, QStringLiteral("Label48"), QStringLiteral("0.00"), twipsRect(x, 4330, w, 390));
    Label48->setFont(bolder(Label48->font(), 3));
    Label48->setStyleSheet(QStringLiteral("color: #0b6b1d;"));
    Command19 = button(band, QStringLiteral("Command19"), QStringLiteral("Select Your Horse"), twipsRect(x, 4830, w, 450));
    cmdst = button(band, QStringLiteral("cmdst"), QStringLiteral("Horse Tip"), twipsRect(x, 5370, w, 450));
    cmdst->setIcon(QIcon(QStringLiteral(":/office/tip.svg")));
    Command17 = button(band, QStringLiteral("Command17"), QStringLiteral("Start The Race"), twipsRect(x, 1580, w, 450));
    Command17->setIcon(QIcon(QStringLiteral(":/office/flag.svg")));
    for (QWidget *later : std::initializer_list<QWidget *>{Label47, Label48, Label49, Command19, cmdst, Command17})
        later->hide();
    connect(Command19, &QPushButton::clicked, this, &BettingOfficeWindow::Command19_Click);
    connect(cmdst, &QPushButton::clicked, this, &BettingOfficeWindow::cmdst_Click);
    connect(Command17, &QPushButton::clicked, this, &BettingOfficeWindow::Command17_Click);

    auto *rule = named(new QFrame(band), QStringLiteral("lineWizardFoot"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(twipsRect(x, 6330, w, 30));
    Command112 = button(band, QStringLiteral("Command112"), QStringLiteral("Close Wizard"), twipsRect(x, 6480, 1900, 420));
    Check1 = named(new QCheckBox(QStringLiteral("Don't Show At Start Up"), band), QStringLiteral("Check1"));
    Check1->setGeometry(twipsRect(x, 7020, w, 330));
    connect(Command112, &QPushButton::clicked, this, &BettingOfficeWindow::Command112_Click);
    connect(Check1, &QCheckBox::toggled, this, &BettingOfficeWindow::Check1_Click);
}

void BettingOfficeWindow::setTabOrders()
{
    // The betting flow first: stake, Place Your Stake, the tip, the horse, Place Bet, Start, Cancel.
    QList<QWidget *> chain{SSTab1->tabBar(), Text3, Command10, Command9};
    for (int horse = 1; horse <= 5; ++horse)
        chain << horseOption(horse);
    chain << Command1 << Command3 << Label39;
    chain << wiz1 << Command12;
    for (int horse = 1; horse <= 5; ++horse)
        chain << wizardOption(horse);
    chain << Command19 << cmdst << Command17 << Command112 << Check1 << Text1 << Text2;
    for (int i = 0; i + 1 < chain.size(); ++i)
        setTabOrder(chain[i], chain[i + 1]);
}

// ---- control arrays ----

QRadioButton *BettingOfficeWindow::horseOption(int horse) const
{
    return platform::numbered(horse, {Option1, Option2, Option3, Option4, Option5});
}

QRadioButton *BettingOfficeWindow::saleOption(int horse) const
{
    return platform::numbered(horse, {Option6, Option7, Option8, Option9, Option10});
}

QRadioButton *BettingOfficeWindow::wizardOption(int horse) const
{
    return platform::numbered(horse, {Option11, Option12, Option13, Option14, Option15});
}

QLabel *BettingOfficeWindow::oddsLabel(int horse) const
{
    return platform::numbered(horse, {Label4, Label5, Label6, Label7, Label8});
}

QLineEdit *BettingOfficeWindow::sharePriceField(int horse) const
{
    return platform::numbered(horse, {Text5, Text6, Text7, Text8, Text9});
}

QLabel *BettingOfficeWindow::sharePriceLabel(int horse) const
{
    return platform::numbered(horse, {Label51, Label52, Label53, Label54, Label55});
}

// ---- load ----

void BettingOfficeWindow::Form_Load()
{
    // 1. The wizard flag: a 1, or no file at all (a fresh installation), is taken once and written
    //    back as 0. The band keeps its title at every load, whatever the flag says.
    if (office::readWizardFlag())
        office::writeWizardFlag(false);
    Label40->show();

    // 2. The option file chooses how the tabs are drawn.
    tabPresentation_ = office::readTabPresentation();
    SSTab1->setTabShape(tabPresentation_ == 0 ? QTabWidget::Triangular : QTabWidget::Rounded);

    // 3. The stake lists.
    for (QComboBox *picker : {Text3, wiz1}) {
        const QSignalBlocker quiet(picker);
        picker->clear();
        picker->addItems(office::stakeList());
        picker->setCurrentIndex(-1);
        picker->setEditText(office::stakePromptText());
    }

    // 4. The start time, in the system's long time format (without a time zone).
    QString timeFormat = QLocale::system().timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t'));
    Label25->setText(QStringLiteral("Game Started At: ") +
                     QLocale::system().toString(QTime::currentTime(), timeFormat.trimmed()));

    // 5. The country and its currency sign.
    const office::CountryRead country = office::readCountry();
    Label26->setText(country.readable ? country.country : QString());
    applyCountry(country.country, country.readable);

    // 6. The signed-in player's record from the sign-in window.
    const SignInWindow *signIn = app::existingWindow<SignInWindow>();
    if (signIn) {
        Text1->setText(signIn->txtcash->text());
        Text2->setText(signIn->Txtdebt->text());
        for (int horse = 1; horse <= 5; ++horse)
            horseOption(horse)->setText(signIn->horseField(horse)->text());
    }

    followHorseNames();

    // 7. The tip.
    drawTip();

    // 8. The jockeys.
    const auto jockeys = office::dealJockeys(office::drawJockeyRotation());
    for (int i = 0; i < 5; ++i)
        Label44[i]->setText(jockeys[i]);

    // 9. The greeting in the status bar.
    StatusBar1->setPanelText(3, QStringLiteral("Welcome To Paddox6.6 "));

    // 10. The share ("0", and nothing at all, mean no share).
    const QString share = signIn ? signIn->txtshare->text() : QString();
    setShare(share.isEmpty() || share == QLatin1String("0") ? noShares : share);

    // 11. The odds of the first race.
    const auto odds = office::drawOdds();
    for (int horse = 1; horse <= 5; ++horse)
        oddsLabel(horse)->setText(QString::number(odds[horse - 1]));

    // The window loads at its designed size, wizard band included.
    wizardClosed_ = false;
    wizardBand->show();
    fitWindow();
    // The keyboard starts where a bet starts.
    focusStakeField();
}

void BettingOfficeWindow::applyCountry(const QString &country, bool known)
{
    const std::optional<QString> sign = known ? office::currencySignFor(country) : std::nullopt;
    curr->setText(sign.value_or(office::defaultCurrencySign()));
    Label1->setText(QStringLiteral("Cash ") + curr->text());
    Label2->setText(QStringLiteral("Debt ") + curr->text());
    Label17_0->setText(QStringLiteral("Horse Cost ") + curr->text());
}

void BettingOfficeWindow::fitWindow()
{
    const int width = twips(mainWidth + (wizardClosed_ ? 0 : wizardWidth));
    central_->setFixedSize(width, twips(centralHeight));
    const int height = menuBar()->sizeHint().height() + Toolbar3->sizeHint().height() + twips(centralHeight) +
                       StatusBar1->sizeHint().height();
    setFixedSize(width, height);
}

void BettingOfficeWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!signInShow_)
        return;
    // The sign-in window fills in the record after the load has run (and, after a log off, without
    // one), then shows this window: what the load makes of the record follows it. A share file
    // holding "0" or nothing means no share.
    signInShow_ = false;
    const QString share = Label16->text();
    setShare(share.isEmpty() || share == QLatin1String("0") ? noShares : share);
    followHorseNames();
    renderTip();
}

void BettingOfficeWindow::followHorseNames()
{
    for (int horse = 1; horse <= 5; ++horse) {
        const QString name = horseOption(horse)->text();
        wizardOption(horse)->setText(name);
        // A long name may be cut at the column's edge: the whole name is a hover away.
        horseOption(horse)->setToolTip(name);
        wizardOption(horse)->setToolTip(name);
    }
}

// ---- saving ----

int BettingOfficeWindow::signedInSlot() const
{
    const QString digit = Label23->text();
    for (int slot = 1; slot <= player::slotCount; ++slot) {
        if (digit == QString::number(slot))
            return slot;
    }
    return 0;
}

player::PlayingFields BettingOfficeWindow::playingFields() const
{
    player::PlayingFields fields;
    fields.cash = Text1->text();
    fields.debt = Text2->text();
    fields.share = Label16->text();
    for (int horse = 1; horse <= 5; ++horse)
        fields.horses[horse - 1] = horseOption(horse)->text();
    return fields;
}

void BettingOfficeWindow::paddoxsave() { saveWithDisplay(); }

bool BettingOfficeWindow::saveWithDisplay()
{
    progSave->setValue(0);
    Timer2->start();
    if (const int slot = signedInSlot())
        player::setCurrentSlot(static_cast<short>(slot));
    StatusBar1->setPanelText(2, QStringLiteral("Saving:"));

    const int slot = player::currentSlot();
    QString problem;
    if (slot < 1 || slot > player::slotCount)
        problem = QStringLiteral("No player is signed in, so there is nothing to save.");
    else if (const player::FileProblem failed = player::saveRecord(slot, playingFields()); !failed.ok())
        problem = player::saveProblemText(failed);
    if (problem.isEmpty()) {
        unsaved_ = false;
        return true;
    }
    // Nothing claims success: the display stops (a note of an earlier failed silent save stays),
    // and the player is told here.
    Timer2->stop();
    progSave->hide();
    progSave->setValue(0);
    StatusBar1->setPanelText(2, unsaved_ ? player::notSavedNote() : QString());
    unsaved_ = unsaved_ || (slot >= 1 && slot <= player::slotCount);
    platform::say(problem, platform::Icon::Critical);
    return false;
}

void BettingOfficeWindow::paddoxsavenoname()
{
    const int slot = signedInSlot();
    if (!slot)
        return;
    const player::FileProblem failed = player::saveRecord(slot, playingFields());
    if (failed.ok()) {
        if (unsaved_ && !Timer2->isActive())
            StatusBar1->setPanelText(2, QString());
        unsaved_ = false;
        return;
    }
    // Told once; the status bar keeps saying it until a save gets through.
    StatusBar1->setPanelText(2, player::notSavedNote());
    if (!unsaved_) {
        unsaved_ = true;
        platform::say(player::saveProblemText(failed), platform::Icon::Critical);
    }
}

bool BettingOfficeWindow::mayLeave()
{
    return !unsaved_ || platform::say(player::leaveUnsavedQuestion(), platform::Icon::Warning,
                                      platform::Buttons::YesNo) == platform::Answer::Yes;
}

void BettingOfficeWindow::Timer2_Timer()
{
    progSave->show();
    progSave->setValue(progSave->value() + 1);
    if (progSave->value() <= 29) {
        StatusBar1->setPanelText(2, QStringLiteral("Saving Data"));
    } else {
        StatusBar1->setPanelText(2, QStringLiteral("Saved Success"));
        Timer2->stop();
        progSave->hide();
        StatusBar1->setPanelText(2, unsaved_ ? player::notSavedNote() : QString());
    }
}

// ---- the player's operations ----

void BettingOfficeWindow::saveme_Click() { paddoxsave(); }

void BettingOfficeWindow::rest_Click()
{
    if (refusedDuringRace(QStringLiteral("reset your data")))
        return;
    const QString title = QStringLiteral("Reset All Your Data?");
    if (platform::say(QStringLiteral("Are You Sure You Want To Reset Your Cash & Debt Back To 500?"),
                      platform::Icon::None, platform::Buttons::YesNoCancel, title) != platform::Answer::Yes)
        return;
    Text1->setText(player::defaultMoney);
    Text2->setText(player::defaultMoney);
    platform::say(QStringLiteral("Cash & Debt Are Now Reset To £500"), platform::Icon::None,
                  platform::Buttons::Ok, title);
    paddoxsave();
}

void BettingOfficeWindow::diffuser_Click()
{
    // The race end pays or takes this player's bet and saves his record: he stays until then.
    if (refusedDuringRace(QStringLiteral("log off")))
        return;
    if (platform::say(QStringLiteral("Are You Sure You Wish To Log Off?"), platform::Icon::None,
                      platform::Buttons::YesNoCancel, QStringLiteral("QUESTION")) != platform::Answer::Yes)
        return;
    if (!GrandNationalWindow::leaveEntry())
        return;  // a Grand National entry whose horse has not run: the player stays
    if (!saveWithDisplay())
        return;  // the player stays signed in: his game is not stored yet
    clearPlayerState();
    closeHorseOptions();   // its names are this player's: never applied to the next one
    if (BackupWindow *backupWindow = app::existingWindow<BackupWindow>())
        backupWindow->close();  // it backs up and restores the signed-in slot: never the next player's
    if (RaceBookWindow *raceBook = app::existingWindow<RaceBookWindow>())
        raceBook->close();  // the book is this player's too
    signInShow_ = true;
    app::window<SignInWindow>()->show();
    hide();
}

void BettingOfficeWindow::clearPlayerState()
{
    // The bet: back to stake entry with nothing staked or chosen.
    returnToStakeEntry();
    clearHorseChoice();
    for (QComboBox *picker : {Text3, wiz1}) {
        const QSignalBlocker quiet(picker);
        picker->setCurrentIndex(-1);
        picker->setEditText(office::stakePromptText());
    }
    Label10->setText(QStringLiteral("Nothing"));
    Label14->setText(QStringLiteral("None Selected"));
    Label12->setText(QStringLiteral("Nothing"));
    Label47->setText(QStringLiteral("You Are Going To Place A Bet On: "));
    Label48->setText(QStringLiteral("0.00"));
    confirmedStake_ = 0;
    // The sale list, its prices and the choice in it belong to this player's visit to the auction.
    for (int horse = 1; horse <= 5; ++horse) {
        QRadioButton *sale = saleOption(horse);
        const QSignalBlocker quiet(sale);
        sale->setAutoExclusive(false);
        sale->setChecked(false);
        sale->setAutoExclusive(true);
        sale->setText(QString());
        sale->hide();
        sharePriceField(horse)->clear();
        sharePriceLabel(horse)->clear();
        sharePriceLabel(horse)->hide();
    }
    Label17_0->hide();
    horsecost_1->setText(QStringLiteral("0"));
    horsecost_1->hide();
    Command5->hide();
    Command8->hide();  // the auction belongs to whoever holds a share
    // The bank: the next player may borrow, and the amount field starts empty of this one's figures.
    Command6->setEnabled(true);
    Text10->setText(office::loanFieldText);
    stuckTold_ = false;
    StatusBar1->setPanelText(3, QStringLiteral("Welcome To Paddox6.6 "));
}

bool BettingOfficeWindow::refusedDuringRace(const QString &what)
{
    if (!raceUnderWay())
        return false;
    platform::say(QStringLiteral("Please wait until the race is over before you %1.").arg(what),
                  platform::Icon::Information);
    return true;
}

void BettingOfficeWindow::setShare(const QString &share)
{
    Label16->setText(share);
    Label57->setText(share);
}

void BettingOfficeWindow::exit_Click()
{
    // Leaving now would save the record before the stake is taken and the interest added.
    if (refusedDuringRace(QStringLiteral("leave Paddox")) || !GrandNationalWindow::leaveEntry())
        return;
    paddoxsavenoname();
    if (!mayLeave())
        return;
    platform::endProgram();
}

void BettingOfficeWindow::closeEvent(QCloseEvent *event)
{
    if (refusedDuringRace(QStringLiteral("leave Paddox")) || !GrandNationalWindow::leaveEntry()) {
        event->ignore();
        return;
    }
    paddoxsavenoname();
    if (!mayLeave()) {
        event->ignore();
        return;
    }
    closeHorseOptions();
    event->accept();
    leaveThroughHall();
}

void BettingOfficeWindow::closeHorseOptions()
{
    if (HorseOptionsWindow *options = app::existingWindow<HorseOptionsWindow>())
        options->close();
}

void BettingOfficeWindow::mnuoption_Click()
{
    if (refusedDuringRace(QStringLiteral("rename your horses")))
        return;
    HorseOptionsWindow *options = app::window<HorseOptionsWindow>();
    if (options->isVisible()) {
        options->raise();  // already open: bring it forward
        options->activateWindow();
    } else {
        options->show();
    }
}

void BettingOfficeWindow::Toolbar3_ButtonClick(const QString &key)
{
    if (key == QLatin1String("Log_Off"))
        diffuser_Click();
    else if (key == QLatin1String("save"))
        saveme_Click();
    else if (key == QLatin1String("restore"))
        backup->trigger();  // the same as the Back Up / Restore menu item
    else if (key == QLatin1String("rename"))
        mnuoption_Click();
    else if (key == QLatin1String("reset"))
        rest_Click();
    else if (key == QLatin1String("quarn") || key == QLatin1String("help"))
        toolbarInfoButton(key);
}

// ---- the wizard band ----

void BettingOfficeWindow::Command112_Click()
{
    if (wizardClosed_)
        return;
    Label40->hide();
    office::writeWizardFlag(!Check1->isChecked());
    wizardClosed_ = true;
    wizardBand->hide();
    fitWindow();
}

void BettingOfficeWindow::Check1_Click()
{
    if (Check1->isChecked())
        office::writeWizardFlag(false);
}

bool BettingOfficeWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (Text10 && watched == Text10) {
        if (event->type() == QEvent::MouseButtonPress)
            Text10_Click();
        else if (event->type() == QEvent::FocusIn)
            Text10->setFrame(false);
        else if (event->type() == QEvent::FocusOut)
            Text10->setFrame(true);
    } else if (watched == Label39 && event->type() == QEvent::DragEnter) {
        Label39->setUnderlined(true);
    } else if (event->type() == QEvent::ToolTip && watched->objectName() == QLatin1String("restore")) {
        return true;  // "Back Up Retsore" has no tool tip
    }
    return QMainWindow::eventFilter(watched, event);
}
