#pragma once
#include "game/reply.h"

#include <QMainWindow>
#include <array>

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
namespace game {
class Session;
}
namespace update {
class VersionCheck;
enum class Verdict;
}
namespace platform {
class PanelStatusBar;
class LinkLabel;
}

// The betting office: the main window where the signed-in player bets, borrows, buys and sells a
// share, saves and leaves. It shows the game session's record, race card, bet, bank and auction,
// forwards what the player does to the session and tells its replies.
class BettingOfficeWindow : public QMainWindow {
    Q_OBJECT
public:
    BettingOfficeWindow();
    ~BettingOfficeWindow() override;

    // The office's fixed layout, in twips: everything left of the wizard band, and between the
    // toolbar and the status bar.
    static constexpr int mainWidth = 10800;
    static constexpr int centralHeight = 7700;
    // The fixed area of each tab page, in twips.
    static constexpr int tabPageWidth = 10320;
    static constexpr int tabPageHeight = 5300;
    // The betting wizard band along the right-hand side, in twips.
    static constexpr int wizardWidth = 4000;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // ---- building the window (betting_office_window_layout.cpp) ----
    void buildMenus();
    void buildToolbar();
    void buildFrame();
    void buildBettingInfoTab(QWidget *tab);
    void buildWizard();
    void setTabOrders();
    void fitWindow();
    // ---- the tabs (each in the file of its tab) ----
    void buildBettingTab(QWidget *tab);
    void buildLoansTab(QWidget *tab);
    void buildSharesTab(QWidget *tab);
    void buildInfo();

    // ---- showing the session ----
    void connectSession();
    void load();
    void showRecord();
    void showCard();
    void showBet();
    void showWizard();
    void showBank();
    void showAuction();
    void renderTip();
    // Tells a reply of the session.
    void tell(const game::Reply &reply);

    // ---- saving and leaving ----
    void onSaveClicked();
    void onResetClicked();
    void onLogOffClicked();
    void onExitClicked();
    void onSavingStarted();
    void onSavingFailed(bool noteKept);
    void onSaveStateChanged();
    void onSaveDisplayTick();
    void onSignedOut();
    void onToolbarButton(const QString &key);
    void onHorseOptionsClicked();
    void closeHorseOptions();
    void leaveThroughHall();

    // ---- the bet (betting_office_window_bet.cpp) ----
    void onStakePicked();
    void onStakeTextChanged(const QString &text);
    void onPlaceStakeClicked();
    void onConfirmStakeClicked();
    void onHorseChosen(int horse);
    void onPlaceBetClicked();
    void onStartRaceClicked();
    void onCancelBetClicked();
    void onTipClicked();
    void onSelectStakeClicked();
    void onWizardHorseChosen(int horse);
    void onWizardTipClicked();
    void onSelectHorseClicked();
    void onWizardStartClicked();
    void onCloseWizardClicked();
    void onDontShowToggled();
    void focusStakeField();
    void onRaceOpened(bool dopingOffer);

    // ---- the bank and the auction ----
    void onBorrowClicked();
    void onPayBackClicked();
    void onCheckPricesClicked();
    void onBuyClicked();
    void onSellClicked();

    // ---- the other windows (betting_office_window_info.cpp) ----
    void onEnterGrandNationalClicked();
    void onGrandNationalOpened();
    void onRequirementsClicked();
    void onShowHallClicked();
    void onCreditsClicked();
    void onAboutClicked();
    void onWhatsNewClicked();
    void onHelpClicked();
    void onUpdateClicked();
    void onConnectClicked();
    void onBackupClicked();
    void onRaceBookClicked();
    void onAdministrationRequested();
    void onProgrammerRequested();
    void onUpdateCheckTick();
    void automaticCheckAnswered(update::Verdict verdict);
    void manualCheckAnswered(update::Verdict verdict);
    void toolbarInfoButton(const QString &key);

    game::Session &session_;

    // ---- the player's account and the game information ----
    QLineEdit *cashField = nullptr;
    QLineEdit *debtField = nullptr;
    QLabel *cashCaption = nullptr;
    QLabel *debtCaption = nullptr;
    QLabel *shareLabel = nullptr;       // on the Shares tab
    QLabel *infoShareLabel = nullptr;   // under Game Information
    QLabel *welcomeLabel = nullptr;
    QLabel *startedLabel = nullptr;
    QLabel *countryLabel = nullptr;
    QLabel *tipLabel = nullptr;
    // Hidden fields the game's documents name: the slot digit, the player's name, the currency
    // sign, the last winner and the help page.
    QLabel *slotLabel = nullptr;
    QLineEdit *playerNameField = nullptr;
    QLabel *currencyLabel = nullptr;
    QLineEdit *lastWinnerField = nullptr;
    QLineEdit *helpPageField = nullptr;

    // ---- the race card ----
    std::array<QRadioButton *, 5> horseOptions{};
    std::array<QLabel *, 5> oddsLabels{};
    std::array<QLabel *, 5> jockeyLabels{};

    // ---- the bet ----
    QComboBox *stakeBox = nullptr;
    QPushButton *placeStakeButton = nullptr;
    QPushButton *confirmStakeButton = nullptr;  // never shown: Place Your Stake runs it
    platform::LinkLabel *cancelBetLink = nullptr;
    QPushButton *placeBetButton = nullptr;
    QPushButton *startRaceButton = nullptr;
    QPushButton *tipButton = nullptr;
    QLabel *stakeLabel = nullptr;
    QLabel *backedLabel = nullptr;
    QLabel *winningsLabel = nullptr;

    // ---- the betting wizard ----
    QWidget *wizardBand = nullptr;
    QLabel *wizardTitle = nullptr;
    QLabel *wizardStepLabel = nullptr;
    QComboBox *wizardStakePicker = nullptr;
    QPushButton *selectStakeButton = nullptr;
    std::array<QRadioButton *, 5> wizardHorseOptions{};
    QLabel *wizardBetLabel = nullptr;
    QLabel *wizardWinningsLabel = nullptr;
    QLabel *wizardWinningsCaption = nullptr;
    QPushButton *selectHorseButton = nullptr;
    QPushButton *wizardTipButton = nullptr;
    QPushButton *wizardStartButton = nullptr;
    QPushButton *closeWizardButton = nullptr;
    QCheckBox *dontShowBox = nullptr;

    // ---- the Loans tab ----
    QPushButton *borrowButton = nullptr;
    QPushButton *payBackButton = nullptr;
    QLineEdit *loanAmountField = nullptr;

    // ---- the Shares tab ----
    QPushButton *checkPricesButton = nullptr;
    QPushButton *buyButton = nullptr;
    QPushButton *sellButton = nullptr;
    std::array<QRadioButton *, 5> saleOptions{};
    std::array<QLineEdit *, 5> salePriceFields{};  // hidden
    std::array<QLabel *, 5> salePriceLabels{};
    QLabel *horseCostLabel = nullptr;
    QLabel *horseCostCaption = nullptr;

    // ---- the frame ----
    QWidget *central_ = nullptr;
    QTabWidget *tabs = nullptr;
    platform::PanelStatusBar *statusBar_ = nullptr;
    QProgressBar *saveProgress = nullptr;
    QTimer *saveDisplayTimer = nullptr;
    QTimer *updateCheckTimer = nullptr;
    QToolBar *toolbar = nullptr;

    // ---- the menus ----
    QAction *saveAction = nullptr;
    QAction *resetAction = nullptr;
    QAction *logOffAction = nullptr;
    QAction *exitAction = nullptr;
    QAction *enterGrandNationalAction = nullptr;
    QAction *requirementsAction = nullptr;
    QAction *connectAction = nullptr;
    QAction *showHallAction = nullptr;
    QAction *creditsAction = nullptr;
    QAction *backupAction = nullptr;
    QAction *updateAction = nullptr;
    QAction *optionsAction = nullptr;
    QAction *aboutAction = nullptr;
    QAction *whatsNewAction = nullptr;
    QAction *helpAction = nullptr;
    QAction *raceBookAction = nullptr;
    QAction *soundAction = nullptr;    // "&Sound", a switch kept between runs
    QAction *resultsAction = nullptr;  // "Results In The Race Window", likewise

    update::VersionCheck *automaticCheck_ = nullptr;
    update::VersionCheck *manualCheck_ = nullptr;

    bool wizardClosed_ = false;
    bool wizardTipUsed_ = false;  // the wizard's Horse Tip was asked in this bet
    bool signInShow_ = true;      // the next show follows a sign-in
};
