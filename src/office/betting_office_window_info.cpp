// The betting office's way to the hall of fame, the help and page windows, the About window and
// the update check, and the way out through its close box.
#include "office/betting_office_window.h"

#include "app/window_registry.h"
#include "hall/hall_of_fame_window.h"
#include "info/about_window.h"
#include "info/help_window.h"
#include "info/page_window.h"
#include "info/pages.h"
#include "platform/dialogs.h"
#include "platform/intervals.h"
#include "platform/maker.h"
#include "platform/widgets/panel_status_bar.h"
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
    connect(mnuShowhall, &QAction::triggered, this, &BettingOfficeWindow::mnuShowhall_Click);
    connect(mnuCredit, &QAction::triggered, this, &BettingOfficeWindow::mnuCredit_Click);
    connect(about, &QAction::triggered, this, &BettingOfficeWindow::about_Click);
    connect(what, &QAction::triggered, this, &BettingOfficeWindow::what_Click);
    connect(mnuHelp, &QAction::triggered, this, &BettingOfficeWindow::mnuHelp_Click);
    connect(update, &QAction::triggered, this, &BettingOfficeWindow::update_Click);
    // "&Connect" works, though its menu stays switched off.
    connect(hconnect, &QAction::triggered, this, &BettingOfficeWindow::hconnect_Click);
    hconnect->setEnabled(true);

    automaticCheck_ = new update::VersionCheck(this);
    manualCheck_ = new update::VersionCheck(this);
    connect(automaticCheck_, &update::VersionCheck::answered, this, &BettingOfficeWindow::automaticCheckAnswered);
    connect(manualCheck_, &update::VersionCheck::answered, this, &BettingOfficeWindow::manualCheckAnswered);
    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(platform::effectiveInterval(platform::updateCheckMs));
    connect(Timer3, &QTimer::timeout, this, &BettingOfficeWindow::Timer3_Timer);
    // The check runs from the moment the player sees the office.
    new StartOnFirstShow(this, Timer3);
}

// ---- hall of fame and the way out ----

void BettingOfficeWindow::mnuShowhall_Click() { showOrRaise<HallOfFameWindow>(); }

void BettingOfficeWindow::leaveThroughHall()
{
    info::setMainWindowGone(true);
    showOrRaise<HallOfFameWindow>();
}

// ---- help, credits, About ----

void BettingOfficeWindow::mnuCredit_Click()
{
    info::setPageTarget(QString());
    info::writeCreditsFlag(false);
    info::openPageWindow();
}

void BettingOfficeWindow::about_Click() { showOrRaise<AboutWindow>(); }

void BettingOfficeWindow::what_Click()
{
    Text13->setText(info::whatsNewPage);
    info::openHelpWindow();
}

void BettingOfficeWindow::mnuHelp_Click()
{
    Text13->setText(info::helpMainPage);
    info::openHelpWindow();
}

void BettingOfficeWindow::toolbarInfoButton(const QString &key)
{
    if (key == QLatin1String("help")) {
        mnuHelp_Click();
    } else {
        info::setPageTarget(QString::fromLatin1(platform::makerHomePage));
        info::openPageWindow();
    }
}

// ---- the update check ----

void BettingOfficeWindow::Timer3_Timer()
{
    // The timer waits while the fetch and its answer are under way: ticks never pile up.
    Timer3->stop();
    automaticCheck_->start();
}

void BettingOfficeWindow::automaticCheckAnswered(update::Verdict verdict)
{
    switch (verdict) {
    case update::Verdict::NothingFetched:
        // Told in the status bar only: a box here would take the keys the player types just
        // after signing in. The check goes on trying.
        StatusBar1->setPanelText(3, serverDown);
        Timer3->start();
        break;
    case update::Verdict::Different:
        showOrRaise<UpdateNoticeWindow>();
        StatusBar1->setPanelText(3, QStringLiteral("Your Are NOT Using The Latest Version Of Paddox"));
        break;
    case update::Verdict::Latest:
        StatusBar1->setPanelText(3, QStringLiteral("Your Are Using The Latest Version Of Paddox"));
        break;
    }
}

void BettingOfficeWindow::update_Click()
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
        if (platform::say(QStringLiteral("There is a newer version of this program available. Would you like") +
                              QStringLiteral(" ") + QStringLiteral("to download it?"),
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

void BettingOfficeWindow::hconnect_Click() { showOrRaise<UpdateNoticeWindow>(); }
