// The betting office: its load, what it shows of the game session, the saves with their display,
// the reset, log off, exit and the close box, and the toolbar.
#include "office/betting_office_window.h"

#include "app/window_registry.h"
#include "backup/backup_window.h"
#include "book/race_book_window.h"
#include "game/session.h"
#include "office/loans.h"
#include "office/office_files.h"
#include "office/race_card.h"
#include "platform/program.h"
#include "platform/widgets/link_label.h"
#include "platform/widgets/panel_status_bar.h"
#include "platform/widgets/window_fit.h"
#include "player/horse_options_window.h"
#include "player/record_safety.h"
#include "player/sign_in_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTime>
#include <QTimer>
#include <QToolBar>

BettingOfficeWindow::BettingOfficeWindow() : session_(game::session())
{
    // Built smaller as a whole where the screen is too small for it (the menu bar, the toolbar and
    // the status bar take about 100 pixels more).
    const platform::TwipsScale scaled(platform::fitWindow(this, mainWidth + wizardWidth, centralHeight, QSize(0, 100)));
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("paddox6.6 beta "));
    setWindowIcon(QIcon(QStringLiteral(":/app/paddox.svg")));

    buildMenus();
    buildToolbar();
    buildFrame();
    buildWizard();
    setTabOrders();
    buildInfo();
    load();
    connectSession();
}

BettingOfficeWindow::~BettingOfficeWindow() { session_.closeOffice(); }

void BettingOfficeWindow::tell(const game::Reply &reply) { game::tell(reply); }

// ---- load ----

void BettingOfficeWindow::load()
{
    // The wizard flag: a 1, or no file at all (a fresh installation), is taken once and written back
    // as 0. The band keeps its title at every load, whatever the flag says.
    if (office::readWizardFlag())
        office::writeWizardFlag(false);
    wizardTitle->show();

    // The option file chooses how the tabs are drawn.
    tabs->setTabShape(office::readTabPresentation() == 0 ? QTabWidget::Triangular : QTabWidget::Rounded);

    // The stake lists.
    for (QComboBox *picker : {stakeBox, wizardStakePicker}) {
        const QSignalBlocker quiet(picker);
        picker->clear();
        picker->addItems(office::stakeList());
        picker->setCurrentIndex(-1);
        picker->setEditText(office::stakePromptText());
    }

    // The start time, in the system's long time format (without a time zone).
    QString timeFormat = QLocale::system().timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t'));
    startedLabel->setText(QStringLiteral("Game Started At: ") +
                          QLocale::system().toString(QTime::currentTime(), timeFormat.trimmed()));

    // The country and its currency sign; the tip, the jockeys and the first odds.
    const office::CountryRead country = office::readCountry();
    countryLabel->setText(country.readable ? country.country : QString());
    session_.openOffice(country.country, country.readable);
    loanAmountField->setText(office::loanFieldText);

    showRecord();
    showCard();
    showBet();
    showBank();
    showAuction();
    statusBar_->setPanelText(3, session_.guidance());

    // The window loads at its designed size, wizard band included.
    wizardClosed_ = false;
    wizardBand->show();
    fitWindow();
    // The keyboard starts where a bet starts.
    focusStakeField();
}

void BettingOfficeWindow::connectSession()
{
    using game::Session;
    connect(&session_, &Session::recordChanged, this, &BettingOfficeWindow::showRecord);
    connect(&session_, &Session::cardChanged, this, &BettingOfficeWindow::showCard);
    connect(&session_, &Session::betChanged, this, &BettingOfficeWindow::showBet);
    connect(&session_, &Session::bankChanged, this, &BettingOfficeWindow::showBank);
    connect(&session_, &Session::auctionChanged, this, &BettingOfficeWindow::showAuction);
    connect(&session_, &Session::guidanceChanged, this,
            [this] { statusBar_->setPanelText(3, session_.guidance()); });
    connect(&session_, &Session::savingStarted, this, &BettingOfficeWindow::onSavingStarted);
    connect(&session_, &Session::savingFailed, this, &BettingOfficeWindow::onSavingFailed);
    connect(&session_, &Session::saveStateChanged, this, &BettingOfficeWindow::onSaveStateChanged);
    connect(&session_, &Session::signedOut, this, &BettingOfficeWindow::onSignedOut);
    connect(&session_, &Session::raceOpened, this, &BettingOfficeWindow::onRaceOpened);
    connect(&session_, &Session::stakeFieldCleared, this, [this] { stakeBox->setEditText(QString()); });
    connect(&session_, &Session::administrationRequested, this, &BettingOfficeWindow::onAdministrationRequested);
    connect(&session_, &Session::programmerRequested, this, &BettingOfficeWindow::onProgrammerRequested);
    connect(&session_, &Session::grandNationalOpened, this, &BettingOfficeWindow::onGrandNationalOpened);
}

void BettingOfficeWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!signInShow_)
        return;
    // A player signed in: everything shown is his.
    signInShow_ = false;
    showRecord();
    showCard();
}

// ---- what the session holds ----

void BettingOfficeWindow::showRecord()
{
    const game::PlayerRecord &record = session_.record();
    const QString &sign = session_.sign();
    currencyLabel->setText(sign);
    cashCaption->setText(QStringLiteral("Cash ") + sign);
    debtCaption->setText(QStringLiteral("Debt ") + sign);
    horseCostCaption->setText(QStringLiteral("Horse Cost ") + sign);
    if (!record.signedIn())
        return;  // after a log off the window keeps showing the last player until the next one comes
    slotLabel->setText(QString::number(record.slot));
    cashField->setText(platform::moneyText(record.cash));
    debtField->setText(platform::moneyText(record.debt));
    // The Shares tab and Game Information always show the same share.
    shareLabel->setText(record.share);
    infoShareLabel->setText(record.share);
    welcomeLabel->setText(QStringLiteral("Welcome: ") + record.name);
    playerNameField->setText(record.name);
    for (int i = 0; i < 5; ++i) {
        const QString &name = record.horses[i];
        for (QRadioButton *option : {horseOptions[i], wizardHorseOptions[i], saleOptions[i]}) {
            option->setText(name);
            // A long name may be cut at the column's edge: the whole name is a hover away.
            option->setToolTip(name);
        }
    }
    saleOptions[0]->parentWidget()->update();
    renderTip();
}

void BettingOfficeWindow::showCard()
{
    const game::RaceCard &card = session_.card();
    for (int i = 0; i < 5; ++i) {
        oddsLabels[i]->setText(QString::number(card.odds[i]));
        jockeyLabels[i]->setText(card.jockeys[i]);
    }
    tipButton->setEnabled(session_.tipOffered());
    lastWinnerField->setText(session_.lastWinner());
    renderTip();
}

void BettingOfficeWindow::showBank() { borrowButton->setEnabled(session_.mayBorrow()); }

// ---- saving and its display ----

void BettingOfficeWindow::onSaveClicked() { tell(session_.save()); }

void BettingOfficeWindow::onSavingStarted()
{
    saveProgress->setValue(0);
    saveDisplayTimer->start();
    statusBar_->setPanelText(2, QStringLiteral("Saving:"));
}

void BettingOfficeWindow::onSavingFailed(bool noteKept)
{
    // Nothing claims success: the display stops (a note of an earlier failed silent save stays).
    saveDisplayTimer->stop();
    saveProgress->hide();
    saveProgress->setValue(0);
    statusBar_->setPanelText(2, noteKept ? player::notSavedNote() : QString());
}

void BettingOfficeWindow::onSaveStateChanged()
{
    // A failed silent save is noted until a save gets through; the display, while it runs, says its own.
    if (session_.unsaved())
        statusBar_->setPanelText(2, player::notSavedNote());
    else if (!saveDisplayTimer->isActive())
        statusBar_->setPanelText(2, QString());
}

void BettingOfficeWindow::onSaveDisplayTick()
{
    saveProgress->show();
    saveProgress->setValue(saveProgress->value() + 1);
    if (saveProgress->value() <= 29) {
        statusBar_->setPanelText(2, QStringLiteral("Saving Data"));
    } else {
        statusBar_->setPanelText(2, QStringLiteral("Saved Success"));
        saveDisplayTimer->stop();
        saveProgress->hide();
        statusBar_->setPanelText(2, session_.unsaved() ? player::notSavedNote() : QString());
    }
}

// ---- reset, log off, exit, close ----

void BettingOfficeWindow::onResetClicked() { tell(session_.resetMoney()); }

void BettingOfficeWindow::onLogOffClicked() { tell(session_.logOff()); }

void BettingOfficeWindow::onSignedOut()
{
    // Nothing of this player's bet, sale list or loan field is left for the next one.
    for (QComboBox *picker : {stakeBox, wizardStakePicker}) {
        const QSignalBlocker quiet(picker);
        picker->setCurrentIndex(-1);
        picker->setEditText(office::stakePromptText());
    }
    loanAmountField->setText(office::loanFieldText);
    closeHorseOptions();  // its names are this player's: never applied to the next one
    if (BackupWindow *backupWindow = app::existingWindow<BackupWindow>())
        backupWindow->close();  // it backs up and restores the signed-in slot: never the next player's
    if (RaceBookWindow *raceBook = app::existingWindow<RaceBookWindow>())
        raceBook->close();  // the book is this player's too
    signInShow_ = true;
    app::window<SignInWindow>()->show();
    hide();
}

void BettingOfficeWindow::onExitClicked() { tell(session_.leave(QStringLiteral("leave Paddox"), [] { platform::endProgram(); })); }

void BettingOfficeWindow::closeEvent(QCloseEvent *event)
{
    bool leaving = false;
    tell(session_.leave(QStringLiteral("leave Paddox"), [&leaving] { leaving = true; }));
    if (!leaving) {
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

void BettingOfficeWindow::onHorseOptionsClicked()
{
    if (const game::Reply refusal = session_.refusedDuringRace(QStringLiteral("rename your horses")); !refusal.isEmpty()) {
        tell(refusal);
        return;
    }
    HorseOptionsWindow *options = app::window<HorseOptionsWindow>();
    if (options->isVisible()) {
        options->raise();  // already open: bring it forward
        options->activateWindow();
    } else {
        options->show();
    }
}

void BettingOfficeWindow::onToolbarButton(const QString &key)
{
    if (key == QLatin1String("Log_Off"))
        onLogOffClicked();
    else if (key == QLatin1String("save"))
        onSaveClicked();
    else if (key == QLatin1String("restore"))
        backupAction->trigger();  // the same as the Back Up / Restore menu item
    else if (key == QLatin1String("rename"))
        onHorseOptionsClicked();
    else if (key == QLatin1String("reset"))
        onResetClicked();
    else if (key == QLatin1String("quarn") || key == QLatin1String("help"))
        toolbarInfoButton(key);
}

// ---- the wizard band ----

void BettingOfficeWindow::onCloseWizardClicked()
{
    if (wizardClosed_)
        return;
    wizardTitle->hide();
    office::writeWizardFlag(!dontShowBox->isChecked());
    wizardClosed_ = true;
    wizardBand->hide();
    fitWindow();
}

void BettingOfficeWindow::onDontShowToggled()
{
    if (dontShowBox->isChecked())
        office::writeWizardFlag(false);
}

bool BettingOfficeWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == loanAmountField) {
        // A click empties the amount field; it is drawn flat while it has the focus.
        if (event->type() == QEvent::MouseButtonPress)
            loanAmountField->clear();
        else if (event->type() == QEvent::FocusIn)
            loanAmountField->setFrame(false);
        else if (event->type() == QEvent::FocusOut)
            loanAmountField->setFrame(true);
    } else if (watched == cancelBetLink && event->type() == QEvent::DragEnter) {
        cancelBetLink->setUnderlined(true);
    } else if (event->type() == QEvent::ToolTip && watched->objectName() == QLatin1String("restore")) {
        return true;  // "Back Up Retsore" has no tool tip
    }
    return QMainWindow::eventFilter(watched, event);
}
