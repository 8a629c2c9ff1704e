// The betting office's ways to the other windows: the Grand National, the hall of fame, the help
// and page windows, About, the update check and its notice, back up and restore, the race book,
// and the windows the stake field's hidden codes open.
#include "office/betting_office_window.h"

#include "administration/password_window.h"
#include "app/window_registry.h"
#include "backup/backup_window.h"
#include "book/race_book_window.h"
#include "game/session.h"
#include "hall/hall_of_fame_window.h"
#include "info/about_window.h"
#include "info/help_window.h"
#include "info/page_window.h"
#include "info/pages.h"
#include "info/programmer_window.h"
#include "platform/dialogs.h"
#include "platform/intervals.h"
#include "platform/maker.h"
#include "office/betting_office_window_controls.h"
#include "race/grand_national_requirements_window.h"
#include "race/grand_national_window.h"
#include "update/update_notice_window.h"
#include "update/version_check.h"

#include <QAction>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>

namespace {
const QString updateTitle = QStringLiteral("Program Update");
const QString serverDown = QStringLiteral("The server is down, please try again later.");

// Shows the window of class W, or brings it forward when it is already open.
template <class W>
void showOrRaise()
{
    if (W *open = app::existingWindow<W>(); open && open->isVisible()) {
        open->raise();
        open->activateWindow();
        return;
    }
    app::window<W>()->show();
}

// Shows the window and brings it forward.
template <class W>
void bringUp(W *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

// Starts a timer when the window it watches is first shown, then goes.
class StartOnFirstShow : public QObject {
public:
    StartOnFirstShow(QWidget *window, QTimer *timer) : QObject(window), timer_(timer) { window->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (update::automaticChecksOn())
                timer_->start();
            deleteLater();
        }
        return false;
    }

private:
    QTimer *timer_;
};
}  // namespace

void BettingOfficeWindow::buildInfo()
{
    info::setMainWindowGone(false);
    connect(showHallAction, &QAction::triggered, this, &BettingOfficeWindow::onShowHallClicked);
    connect(creditsAction, &QAction::triggered, this, &BettingOfficeWindow::onCreditsClicked);
    connect(aboutAction, &QAction::triggered, this, &BettingOfficeWindow::onAboutClicked);
    connect(whatsNewAction, &QAction::triggered, this, &BettingOfficeWindow::onWhatsNewClicked);
    connect(helpAction, &QAction::triggered, this, &BettingOfficeWindow::onHelpClicked);
    connect(updateAction, &QAction::triggered, this, &BettingOfficeWindow::onUpdateClicked);
    // "&Connect" works, though its menu stays switched off.
    connect(connectAction, &QAction::triggered, this, &BettingOfficeWindow::onConnectClicked);

    automaticCheck_ = new update::VersionCheck(this);
    manualCheck_ = new update::VersionCheck(this);
    connect(automaticCheck_, &update::VersionCheck::answered, this, &BettingOfficeWindow::automaticCheckAnswered);
    connect(manualCheck_, &update::VersionCheck::answered, this, &BettingOfficeWindow::manualCheckAnswered);
    updateCheckTimer = platform::called(new QTimer(this), QStringLiteral("Timer3"));
    updateCheckTimer->setInterval(platform::effectiveInterval(platform::updateCheckMs));
    connect(updateCheckTimer, &QTimer::timeout, this, &BettingOfficeWindow::onUpdateCheckTick);
    // The check runs from the moment the player sees the office.
    new StartOnFirstShow(this, updateCheckTimer);
}

// ---- the Grand National ----

void BettingOfficeWindow::onEnterGrandNationalClicked() { tell(session_.enterGrandNational()); }

void BettingOfficeWindow::onGrandNationalOpened() { app::window<GrandNationalWindow>()->show(); }

void BettingOfficeWindow::onRequirementsClicked() { bringUp(app::window<GrandNationalRequirementsWindow>()); }

// ---- the hall of fame and the way out ----

void BettingOfficeWindow::onShowHallClicked() { showOrRaise<HallOfFameWindow>(); }

void BettingOfficeWindow::leaveThroughHall()
{
    info::setMainWindowGone(true);
    showOrRaise<HallOfFameWindow>();
}

// ---- help, credits, About ----

void BettingOfficeWindow::onCreditsClicked()
{
    info::setPageTarget(QString());
    info::writeCreditsFlag(false);
    info::openPageWindow();
}

void BettingOfficeWindow::onAboutClicked() { showOrRaise<AboutWindow>(); }

void BettingOfficeWindow::onWhatsNewClicked()
{
    info::setHelpPage(info::whatsNewPage);
    helpPageField->setText(info::whatsNewPage);
    info::openHelpWindow();
}

void BettingOfficeWindow::onHelpClicked()
{
    info::setHelpPage(info::helpMainPage);
    helpPageField->setText(info::helpMainPage);
    info::openHelpWindow();
}

void BettingOfficeWindow::toolbarInfoButton(const QString &key)
{
    if (key == QLatin1String("help")) {
        onHelpClicked();
    } else {
        info::setPageTarget(QString::fromLatin1(platform::makerHomePage));
        info::openPageWindow();
    }
}

// ---- the update check ----

void BettingOfficeWindow::onUpdateCheckTick()
{
    // The timer waits while the fetch and its answer are under way: ticks never pile up.
    updateCheckTimer->stop();
    automaticCheck_->start();
}

void BettingOfficeWindow::automaticCheckAnswered(update::Verdict verdict)
{
    switch (verdict) {
    case update::Verdict::NothingFetched:
        // Told in the status bar only: a box here would take the keys the player types just after
        // signing in. The check goes on trying.
        session_.setGuidance(serverDown);
        updateCheckTimer->start();
        break;
    case update::Verdict::Different:
        showOrRaise<UpdateNoticeWindow>();
        session_.setGuidance(QStringLiteral("Your Are NOT Using The Latest Version Of Paddox"));
        break;
    case update::Verdict::Latest:
        session_.setGuidance(QStringLiteral("Your Are Using The Latest Version Of Paddox"));
        break;
    }
}

void BettingOfficeWindow::onUpdateClicked()
{
    // A second click while the first check is under way waits for the first answer.
    manualCheck_->start();
}

void BettingOfficeWindow::manualCheckAnswered(update::Verdict verdict)
{
    switch (verdict) {
    case update::Verdict::NothingFetched:
        platform::say(serverDown, platform::Icon::None, platform::Buttons::Ok, updateTitle);
        break;
    case update::Verdict::Different:
        if (platform::say(QStringLiteral("There is a newer version of this program available. Would you like to "
                                         "download it?"),
                          platform::Icon::Question, platform::Buttons::YesNo, updateTitle) == platform::Answer::Yes) {
            info::setPageTarget(QString::fromLatin1(platform::makerDownloadPage));
            info::openPageWindow();
        }
        break;
    case update::Verdict::Latest:
        platform::say(QStringLiteral("There Are No Newer Versions Avalible. Your Are Using The Latest Version"));
        break;
    }
}

void BettingOfficeWindow::onConnectClicked() { showOrRaise<UpdateNoticeWindow>(); }

// ---- back up and restore, the race book, the hidden codes' windows ----

void BettingOfficeWindow::onBackupClicked() { bringUp(app::window<BackupWindow>()); }

void BettingOfficeWindow::onRaceBookClicked() { bringUp(app::window<RaceBookWindow>()); }

void BettingOfficeWindow::onAdministrationRequested() { bringUp(app::window<AdminPasswordWindow>()); }

void BettingOfficeWindow::onProgrammerRequested() { bringUp(app::window<ProgrammerWindow>()); }
