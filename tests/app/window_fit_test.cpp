// Every window on a netbook's screen of 1024 x 600: shown, it lies whole inside the available area,
// and the windows larger than that screen are built smaller as a whole, fonts and all.
#include "administration/console_window.h"
#include "administration/password_window.h"
#include "app/splash_window.h"
#include "app/window_registry.h"
#include "backup/backup_window.h"
#include "book/race_book_window.h"
#include "game/session.h"
#include "hall/hall_of_fame_window.h"
#include "info/about_window.h"
#include "info/help_window.h"
#include "info/page_window.h"
#include "info/programmer_window.h"
#include "office/betting_office_window.h"
#include "platform/widgets/window_fit.h"
#include "player/country_window.h"
#include "player/horse_options_window.h"
#include "player/sign_in_window.h"
#include "race/doping_offer_window.h"
#include "race/grand_national_race_window.h"
#include "race/grand_national_requirements_window.h"
#include "race/grand_national_window.h"
#include "race/race_window.h"
#include "support/scripted_dialogs.h"
#include "support/test_installation.h"
#include "support/test_main.h"
#include "update/update_notice_window.h"

#include <QScreen>
#include <QtTest>

class WindowFitTest : public QObject {
    Q_OBJECT
private slots:
    void everyWindowFits()
    {
        testing::TestInstallation installation;
        installation.writeDefaultPlayers();
        testing::ScriptedDialogs dialogs;
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(screen.size(), QSize(1024, 600));
        game::PlayerRecord player;
        player.slot = 1;
        game::session().signIn(player);
        // Each window with whether it is larger than the netbook's screen as designed.
        const QList<std::pair<QWidget *, bool>> windows = {
            {app::window<SplashWindow>(), false}, {app::window<CountryWindow>(), false},
            {app::window<SignInWindow>(), false}, {app::window<BettingOfficeWindow>(), true},
            {app::window<HorseOptionsWindow>(), false}, {app::window<DopingOfferWindow>(), false},
            {app::window<RaceWindow>(), true}, {app::window<GrandNationalWindow>(), false},
            {app::window<GrandNationalRaceWindow>(), true}, {app::window<GrandNationalRequirementsWindow>(), false},
            {app::window<HallOfFameWindow>(), false}, {app::window<AdminPasswordWindow>(), false},
            {app::window<AdminConsoleWindow>(), false}, {app::window<BackupWindow>(), false},
            {app::window<HelpWindow>(), true}, {app::window<PageWindow>(), false},
            {app::window<AboutWindow>(), false}, {app::window<ProgrammerWindow>(), false},
            {app::window<UpdateNoticeWindow>(), false}, {app::window<RaceBookWindow>(), true}};
        const QFont usual = QApplication::font();
        for (const auto &[window, larger] : windows) {
            window->show();
            const QString what = window->objectName() + QStringLiteral(" at ") +
                                 QString::number(window->frameGeometry().width()) + QLatin1Char('x') +
                                 QString::number(window->frameGeometry().height());
            QVERIFY2(screen.contains(window->frameGeometry()), qPrintable(what));
            QVERIFY2((platform::windowScale(window) < 1) == larger, qPrintable(what));
            QVERIFY2((window->font().pointSizeF() < usual.pointSizeF()) == larger, qPrintable(what));
        }
        // A window of no size, or a screen with no room left for it (the frame takes 12 x 40 pixels),
        // is left as drawn.
        const QSize room = screen.size() - QSize(12, 40);
        for (const auto &[width, height, taken] : {std::tuple{0, 12000, QSize()}, {15000, 0, QSize()},
                                                  {15000, 12000, QSize(room.width(), 0)}, {15000, 12000, QSize(0, room.height())}})
            QCOMPARE(platform::fitFactor(width, height, taken), 1.0);
        QCOMPARE(platform::fitFactor(15000, 12000, QSize(0, room.height() - 400)), 0.5);
    }
};
PADDOX_TEST(WindowFitTest)

#include "window_fit_test.moc"
