#pragma once
#include "player/record_files.h"

#include <QMainWindow>
#include <QStringList>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;
class QToolBar;
namespace update {
class VersionCheck;
enum class Verdict;
}
namespace platform {
class PanelStatusBar;
class LinkLabel;
}

// The betting office: the main window where a signed-in player bets, borrows, buys shares and saves.
// Its controls are the working copy of the signed-in player's record and of the current bet.
//
// Layout of the tab pages (SSTab1: "Betting", "Loans", "Shares", "Betting Info", in this order).
// Every page offers a fixed area of tabPageWidth x tabPageHeight twips from its top-left corner.
// The constructor creates these before it calls buildLoansTab / buildSharesTab, so those may refer to them:
//  - Loans page: Label26 (the country) with its caption "lblCountryCaption" "Your Country:" on the
//    bottom strip, caption at (120, 4900) and Label26 at (1500, 4900), 300 twips high; the loan controls
//    go above y = 4800 (or move the pair with setGeometry).
//  - Shares page: Label17_0 ("Horse Cost " + sign), hidden like the price it labels, at (120, 4900),
//    1600 x 300 twips; horsecost_1 fits beside it at (1800, 4900). Move it if the layout needs.
//    Label16 (the share) is created on the Shares page as well; once buildSharesTab has run, the
//    constructor moves it into the group box named "Frame_shares" (if there is one) at (180, 690),
//    3780 x 330 twips, below that frame's caption "You Have Shares In".
// Text10 (loan amount field): the constructor installs this window's eventFilter on it once
// buildLoansTab has created it; the filter sends a mouse press to Text10_Click() and draws the field
// flat while it has the focus, three-dimensional again when it loses it.
class BettingOfficeWindow : public QMainWindow {
    Q_OBJECT
public:
    BettingOfficeWindow();
    ~BettingOfficeWindow() override;

    // ---- the player's record (see the record files) ----
    QLineEdit *Text1 = nullptr;   // cash
    QLineEdit *Text2 = nullptr;   // debt
    QLabel *Label1 = nullptr;     // "Cash " + sign
    QLabel *Label2 = nullptr;     // "Debt " + sign
    QLabel *Label16 = nullptr;    // share: "You Have No Shares" or the owned horse's name
    QLabel *Label57 = nullptr;    // the share again, under Game Information
    QRadioButton *Option1 = nullptr;  // horse names 1..5 are the captions of Option1..Option5
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QRadioButton *Option5 = nullptr;
    QLabel *Label23 = nullptr;    // hidden: slot digit "1".."5"
    QLineEdit *txtuser = nullptr; // hidden: player name
    QLabel *Label24 = nullptr;    // "Welcome: " + name
    QLabel *Label25 = nullptr;    // "Game Started At: " + time
    QLabel *Label26 = nullptr;    // country (Loans tab)
    QLabel *curr = nullptr;       // hidden: currency sign
    QLabel *Label56 = nullptr;    // the tip
    QLineEdit *Text11 = nullptr;  // hidden: last winner
    QLineEdit *Text13 = nullptr;  // hidden: help page selector

    // ---- race card ----
    QLabel *Label4 = nullptr;     // odds of horses 1..5
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label44[5] = {};      // jockeys, objectNames Label44_0..Label44_4

    // ---- the bet (Betting tab and Betting Info tab) ----
    QComboBox *Text3 = nullptr;   // stake field
    QLabel *Label27 = nullptr;
    QPushButton *Command10 = nullptr;  // "Place Your &Stake"
    QPushButton *Command2 = nullptr;   // "&Confirm Cash Amount" (not shown)
    platform::LinkLabel *Label39 = nullptr;  // "&Cancel Your Bet."
    QPushButton *Command1 = nullptr;   // "Place &Bet On Selected Horse"
    QPushButton *Command3 = nullptr;   // "&Start The Race"
    QPushButton *Command9 = nullptr;   // "Scorhers &Hot Tip Is...."
    QLabel *Label31 = nullptr;
    QLabel *Label38 = nullptr;
    QLabel *Label10 = nullptr;    // stake as confirmed
    QLabel *Label14 = nullptr;    // backed horse name
    QLabel *Label12 = nullptr;    // promised winnings

    // ---- betting wizard band ----
    QWidget *wizardBand = nullptr;
    QLabel *Label40 = nullptr;    // "Paddox Wizard."
    QLabel *Label46 = nullptr;    // step label
    QComboBox *wiz1 = nullptr;    // wizard stake picker
    QPushButton *Command12 = nullptr;  // "Select Current Stake"
    QRadioButton *Option11 = nullptr;  // wizard copies of the horses
    QRadioButton *Option12 = nullptr;
    QRadioButton *Option13 = nullptr;
    QRadioButton *Option14 = nullptr;
    QRadioButton *Option15 = nullptr;
    QLabel *Label47 = nullptr;
    QLabel *Label48 = nullptr;
    QLabel *Label49 = nullptr;
    QPushButton *Command19 = nullptr;  // "Select Your Horse"
    QPushButton *cmdst = nullptr;      // "Horse Tip"
    QPushButton *Command17 = nullptr;  // "Start The Race"
    QPushButton *Command112 = nullptr; // "Close Wizard"
    QCheckBox *Check1 = nullptr;       // "Don't Show At Start Up"

    // ---- Loans tab ----
    QPushButton *Command6 = nullptr;   // "&Borrow"
    QPushButton *Command7 = nullptr;   // "&Pay Back To Bank"
    QLineEdit *Text10 = nullptr;       // loan amount
    QLabel *Label50 = nullptr;
    QLabel *Label22 = nullptr;
    QLabel *Label33 = nullptr;
    QLabel *Label34 = nullptr;

    // ---- Shares tab ----
    QPushButton *Command4 = nullptr;   // "&Check Share Prices"
    QPushButton *Command5 = nullptr;   // "&Buy Selected Horse"
    QPushButton *Command8 = nullptr;   // "&Sell Your Horse Shares At The Auction"
    QRadioButton *Option6 = nullptr;   // horses for sale 1..5
    QRadioButton *Option7 = nullptr;
    QRadioButton *Option8 = nullptr;
    QRadioButton *Option9 = nullptr;
    QRadioButton *Option10 = nullptr;
    QLineEdit *Text5 = nullptr;        // hidden share prices of horses 1..5
    QLineEdit *Text6 = nullptr;
    QLineEdit *Text7 = nullptr;
    QLineEdit *Text8 = nullptr;
    QLineEdit *Text9 = nullptr;
    QLabel *Label51 = nullptr;         // prices shown in the price column
    QLabel *Label52 = nullptr;
    QLabel *Label53 = nullptr;
    QLabel *Label54 = nullptr;
    QLabel *Label55 = nullptr;
    QLabel *horsecost_1 = nullptr;     // the price of the horse last clicked ("horsecost" element 1)
    QLabel *Label17_0 = nullptr;       // "Horse Cost " + sign ("Label17" element 0)
    QLabel *Label45_0 = nullptr;       // "Cost"
    QLabel *Label45_1 = nullptr;       // "Horse Name"
    QLabel *Label58 = nullptr;
    QLabel *Label35 = nullptr;
    QLabel *Label36 = nullptr;

    // ---- frame ----
    QTabWidget *SSTab1 = nullptr;
    platform::PanelStatusBar *StatusBar1 = nullptr;
    QProgressBar *progSave = nullptr;
    QTimer *Timer2 = nullptr;          // save progress display
    QToolBar *Toolbar3 = nullptr;

    // ---- menus ----
    QAction *saveme = nullptr;
    QAction *rest = nullptr;
    QAction *diffuser = nullptr;
    QAction *exit = nullptr;
    QMenu *gn = nullptr;
    QAction *sendgn = nullptr;
    QAction *reqgn = nullptr;
    QMenu *hconnectMenu = nullptr;     // "&Paddox On-line" (switched off)
    QAction *hconnect = nullptr;
    QAction *cntrl = nullptr;          // "&MultiUser" (switched off)
    QAction *mnuShowhall = nullptr;
    QAction *mnuCredit = nullptr;
    QAction *backup = nullptr;
    QAction *update = nullptr;
    QAction *mnuoption = nullptr;
    QAction *about = nullptr;
    QAction *what = nullptr;
    QAction *mnuHelp = nullptr;
    QAction *mnuBook = nullptr;        // Race Book (menu and toolbar)

    // The horse option button of horse 1..5, and the sale option of horse 1..5.
    QRadioButton *horseOption(int horse) const;
    QRadioButton *saleOption(int horse) const;
    QRadioButton *wizardOption(int horse) const;
    QLabel *oddsLabel(int horse) const;
    QLineEdit *sharePriceField(int horse) const;
    QLabel *sharePriceLabel(int horse) const;

    // The tab panel's presentation setting from the option file (1 usual, 0 the other shape).
    int tabPresentation() const { return tabPresentation_; }

    // The fixed area of each tab page, in twips.
    static constexpr int tabPageWidth = 10320;
    static constexpr int tabPageHeight = 5300;
    // The betting wizard band along the right-hand side, in twips.
    static constexpr int wizardWidth = 4000;

    // The horse options window renamed the horses (the captions of Option1..Option5 already hold the
    // new names; oldNames are the names before): the bet, the wizard and the tip follow the new names.
    void horseNamesChanged(const QStringList &oldNames);
    // True once "Close Wizard" has cut the wizard band off.
    bool wizardClosed() const { return wizardClosed_; }
    // The horse (1..5) the tip names, 0 before the first tip.
    int tipHorse() const { return tipHorse_; }

    // True from the doping offer or the race window's opening until the race is settled.
    bool raceUnderWay() const;
    // While a race is under way, tells the player that `what` must wait ("log off", "buy or sell
    // a share") and returns true; otherwise returns false and says nothing.
    bool refusedDuringRace(const QString &what);
    // The share held: the Shares tab and Game Information always show the same.
    void setShare(const QString &share);
    // The eight playing fields as the window shows them: what a save writes.
    player::PlayingFields playingFields() const;
    // ---- administration and backup (betting_office_window_admin.cpp) ----
    // The console's amounts become the signed-in player's cash and debt.
    void takeConsoleAmounts(qint32 cash, qint32 debt);
    void stakeCodes();    // the hidden codes of the stake field, tested at every change of its text
    void backup_Click();  // Back Up / Restore
    void mnuBook_Click(); // the race book

public slots:
    // ---- save routines ----
    void paddoxsave();        // saves the eight playing files with the progress display
    void paddoxsavenoname();  // the same, silently

    // ---- window ----
    void Form_Load();
    void Timer2_Timer();
    void saveme_Click();
    void rest_Click();
    void diffuser_Click();
    void exit_Click();
    void mnuoption_Click();
    void Toolbar3_ButtonClick(const QString &key);
    void Command112_Click();
    void Check1_Click();
    void sendgn_Click();      // the Grand National entry
    void reqgn_Click();       // its requirements

    // ---- placing a bet ----
    void Text3_Click();       // a stake picked from the list
    void Text3_Change();      // the stake text changed (typed or picked)
    void Command10_Click();   // Place Your Stake
    void Command2_Click();    // confirm step
    void horseChosen(int horse);  // Option1..Option5 selected
    void Command1_Click();    // Place Bet
    void Command3_Click();    // Start The Race
    void Label39_Click();     // Cancel Your Bet
    void Command9_Click();    // the tip
    void drawTip();
    void Command12_Click();   // wizard: Select Current Stake
    void wizardHorseChosen(int horse);  // Option11..Option15
    void cmdst_Click();       // wizard: Horse Tip
    void Command19_Click();   // wizard: Select Your Horse
    void Command17_Click();   // wizard: Start The Race
    void wizardStep2();

    // ---- loans ----
    void Command6_Click();    // Borrow
    void Command7_Click();    // Pay Back
    void Text10_Click();

    // ---- shares ----
    void Command4_Click();    // Check Share Prices
    void Command5_Click();    // Buy
    void Command8_Click();    // Sell
    void saleHorseClicked(int horse);  // Option6..Option10

    // ---- hall of fame, help, About and the update check (betting_office_window_info.cpp) ----
    void mnuShowhall_Click();
    void mnuCredit_Click();
    void about_Click();
    void what_Click();
    void mnuHelp_Click();
    void update_Click();      // Check For Updates
    void hconnect_Click();    // Connect: the new-version notice
    void Timer3_Timer();      // the automatic update check
public:
    QTimer *Timer3 = nullptr;  // the automatic update check, 2000 ms

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildInfo();
    void leaveThroughHall();
    void toolbarInfoButton(const QString &key);  // "quarn" and "help"
    void automaticCheckAnswered(update::Verdict verdict);
    void manualCheckAnswered(update::Verdict verdict);
    update::VersionCheck *automaticCheck_ = nullptr;
    update::VersionCheck *manualCheck_ = nullptr;
    void buildMenus();
    void buildToolbar();
    void buildBettingTab(QWidget *tab);
    void buildLoansTab(QWidget *tab);
    void buildSharesTab(QWidget *tab);
    void buildBettingInfoTab(QWidget *tab);
    void buildWizard();
    void buildFrame();
    void setTabOrders();
    QWidget *central_ = nullptr;

    // Saves the eight playing files with the progress display; false (after telling the player) when
    // nothing or not everything could be written.
    bool saveWithDisplay();
    // After a failed save: asks whether to leave anyway. True when there is nothing unsaved or Yes.
    bool mayLeave();
    // The signed-in slot from Label23, 0 when it holds no slot digit.
    int signedInSlot() const;
    void applyCountry(const QString &country, bool known);
    void renderTip();
    // The bet back to stake entry: the stake field and Place Your Stake usable, the rest of the bet
    // switched off, the wizard at step 1.
    void returnToStakeEntry();
    void clearHorseChoice();
    bool isHorseOption(const QWidget *widget) const;
    // The keyboard focus in the stake field, its text selected.
    void focusStakeField();
    // Closes the horse options window, if it is open, without applying it.
    void closeHorseOptions();
    // The wizard's copies of the horse names, and the names as tool tips, follow Option1..Option5.
    void followHorseNames();
    void wizardStep1();
    void wizardStep3();
    // Log off: nothing of this player's bet, sale list or loan state is left for the next one.
    void clearPlayerState();
    // A player with no cash and this race's loan already used is told once how to go on.
    void tellWhenStuck();
    bool stuckTold_ = false;
    void fitWindow();

    int tabPresentation_ = 1;
    bool wizardClosed_ = false;
    bool signInShow_ = true;  // the next show follows a sign-in
    int tipHorse_ = 0;
    int confirmedStake_ = 0;
    bool unsaved_ = false;  // the last save failed: the game is not stored
};
