// The page window, the help window, About, and the update check against a local web server.
#include "local_server.h"
#include "support/scripted_dialogs.h"
#include "support/test_installation.h"
#include "support/test_main.h"

#include "app/window_registry.h"
#include "info/about_window.h"
#include "info/help_window.h"
#include "info/page_window.h"
#include "info/pages.h"
#include "game/session.h"
#include "office/betting_office_window.h"
#include "platform/widgets/panel_status_bar.h"
#include "platform/widgets/web_view.h"
#include "player/sign_in_window.h"
#include "update/update_notice_window.h"
#include "update/version_check.h"

#include <QtWidgets>

using namespace testing;

namespace {
template <class W = QWidget>
W *in(QObject *window, const char *name) { return window ? window->findChild<W *>(QString::fromLatin1(name)) : nullptr; }
// The betting office with slot 1 signed in.
BettingOfficeWindow *office()
{
    BettingOfficeWindow *office = app::window<BettingOfficeWindow>();
    office->show();
    game::PlayerRecord record;
    record.slot = 1, game::session().signIn(record);
    return office;
}
void trigger(const char *action) { in<QAction>(app::existingWindow<BettingOfficeWindow>(), action)->trigger(); }
void fire(QTimer *timer) { QMetaObject::invokeMethod(timer, "timeout"); }
bool noticeOpen() { return app::existingWindow<UpdateNoticeWindow>() && app::existingWindow<UpdateNoticeWindow>()->isVisible(); }
bool noticeGone() { return QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete), !app::existingWindow<UpdateNoticeWindow>(); }
}  // namespace

class InfoTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { platform::setFetchTimeout(10000); }

    void creditsFlag()
    {
        // "-": no file. The last line counts; only the number 1 skips the credits.
        const struct { QByteArray file; bool skipped; } rows[] = {
            {"-", false}, {" 1 \r\n", true}, {"1", true}, {" 0 \r\n", false}, {"yes\r\n", false}, {" 0 \r\n 1 \r\n", true}};
        for (const auto &row : rows) {
            TestInstallation install;
            if (row.file != "-")
                install.writeData(QStringLiteral("show.pdx"), row.file);
            QCOMPARE(info::creditsSkipped(), row.skipped);
        }
    }

    // Credits mode: the box is offered; "X" stores it and returns to the office.
    void creditsMode()
    {
        TestInstallation install;
        install.writeDefaultPlayers();
        office();
        PageWindow *page = app::window<PageWindow>();
        QVERIFY(!in(page, "Check1")->isHidden() && in(page, "Text1")->isHidden() && in(page, "Command3")->isHidden());
        in<QCheckBox>(page, "Check1")->setChecked(true);
        in<QPushButton>(page, "Command2")->click();
        QCOMPARE(install.readData(QStringLiteral("show.pdx")), QByteArray(" 1 \r\n"));
        // "Show Credits" shows them again and stores 0 first.
        trigger("mnuCredit");
        QCOMPARE(install.readData(QStringLiteral("show.pdx")), QByteArray(" 0 \r\n"));
        page = app::existingWindow<PageWindow>();
        QVERIFY(page && !in(page, "Check1")->isHidden());
        // The title bar's close stores the box as well.
        in<QCheckBox>(page, "Check1")->setChecked(true);
        page->close();
        QCOMPARE(install.readData(QStringLiteral("show.pdx")), QByteArray(" 1 \r\n"));
        QCOMPARE(install.endRequests(), 0);  // the office is still there
        // Help from the office, and after log off from the sign-in window the main page whatever the selector says.
        trigger("what");
        HelpWindow *help = app::existingWindow<HelpWindow>();
        QCOMPARE(in<platform::WebView>(help, "WebBrowser2")->address().fileName(), QStringLiteral("whatsnew6.htm"));
        QCOMPARE(in<platform::WebView>(help, "WebBrowser1")->address().fileName(), QStringLiteral("paddoxhelpcon.htm"));
        ScriptedDialogs dialogs;
        dialogs.expectMessage(QStringLiteral("Are You Sure You Wish To Log Off?"), platform::Answer::Yes);
        trigger("diffuser");
        QVERIFY(app::existingWindow<SignInWindow>() && app::existingWindow<SignInWindow>()->isVisible());
        QTest::mouseClick(in(app::existingWindow<SignInWindow>(), "Label2"), Qt::LeftButton);
        QCOMPARE(in<platform::WebView>(help, "WebBrowser2")->address().fileName(), QStringLiteral("paddoxhelpmain.htm"));
        VERIFY_DIALOGS(dialogs);
        // The main page tells of the race book, holding Space in both races, and where the password is changed.
        for (const char *told : {"\"Race Book\" on the \"Tools\" menu (Ctrl+B)", "Hold down the Space bar to watch the race",
                                 "hold down the Space bar, or press \"Fast\"", "Press \"More >>\"", "Press \"Change Password\"",
                                 "password 7351"})
            QVERIFY2(in<platform::WebView>(help, "WebBrowser2")->toPlainText().contains(QLatin1String(told)), told);
    }

    // Address mode: a page from the web, its title in the caption; "X" leaves the credits flag as
    // the player set it and, with the office gone, ends the game. An address that cannot be
    // reached says so, and closing it by its title bar leaves the flag too.
    void addressMode()
    {
        TestInstallation install;
        LocalServer server("<html><head><title>Race Day</title></head><body><p>Hello</p></body></html>");
        server.type = "text/html";
        install.writeData(QStringLiteral("show.pdx"), " 1 \r\n");
        info::setPageTarget(server.url(QStringLiteral("/day.htm")).toString());
        PageWindow *page = app::window<PageWindow>();
        QVERIFY(info::pageTarget().isEmpty());
        QVERIFY(in(page, "Check1")->isHidden() && !in(page, "Text1")->isHidden() && !in(page, "ProgressBar1")->isHidden());
        QTRY_COMPARE(page->windowTitle(), QStringLiteral("Race Day - Quarn Browser."));
        QCOMPARE(in<QProgressBar>(page, "ProgressBar1")->value(), 100);
        QCOMPARE(in<QLineEdit>(page, "Text1")->text(), server.url(QStringLiteral("/day.htm")).toString());
        QCOMPARE(server.paths, QStringList{QStringLiteral("/day.htm")});
        in<QPushButton>(page, "Command2")->click();
        QCOMPARE(install.readData(QStringLiteral("show.pdx")), QByteArray(" 1 \r\n"));
        QCOMPARE(install.endRequests(), 1);
        platform::setFetchAddressRewrite({}), app::destroyAllWindows();  // then an address that cannot be reached
        office();
        const QString address = QStringLiteral("http://127.0.0.1:%1/").arg(LocalServer::refusingPort());
        info::setPageTarget(address);
        page = app::window<PageWindow>();
        QTRY_VERIFY(page->windowTitle().endsWith(QStringLiteral(" - Quarn Browser.")));
        QVERIFY(in<platform::WebView>(page, "Webcred")->toPlainText().contains(address));
        QCOMPARE(in<QStatusBar>(page, "StatusBar1")->currentMessage(), QStringLiteral("The page cannot be shown"));
        // Typing "htt" or "ww" into the cleared field completes the address, once only.
        QLineEdit *field = in<QLineEdit>(page, "Text1");
        for (const auto &[typed, becomes] : {std::pair{"htt", "http://"}, {"ww", "http://www."}, {"http", "http://p"}, {"w", "w"}, {"www", "http://www.w"}}) {
            field->clear(), QTest::keyClicks(field, typed);
            QCOMPARE(field->text(), QString(becomes));
        }
        page->close();
        QCOMPARE(install.readData(QStringLiteral("show.pdx")), QByteArray(" 1 \r\n"));
    }

    // The version file's text counts with the blanks and line ends around it trimmed; a text that
    // is no version code (digits only) is no answer.
    void versionVerdicts()
    {
        using update::Verdict;
        const struct { QByteArray body; Verdict verdict; } rows[] = {
            {"66", Verdict::Latest}, {"66\r\n", Verdict::Latest}, {" 66 \n", Verdict::Latest}, {"\t66\r\n\r\n", Verdict::Latest},
            {"\xEF\xBB\xBF" "66\r\n", Verdict::Latest}, {"67", Verdict::Different}, {"65", Verdict::Different},
            {"066", Verdict::Different}, {"", Verdict::NothingFetched}, {" \r\n", Verdict::NothingFetched},
            {"<html><body><h1>404 Not Found</h1></body></html>", Verdict::NothingFetched}, {"6 6", Verdict::NothingFetched},
            {"66\r\n67", Verdict::NothingFetched}, {"+66", Verdict::NothingFetched}, {"66.0", Verdict::NothingFetched}};
        for (const auto &row : rows)
            QVERIFY2(update::judge(row.body) == row.verdict, row.body.toPercentEncoding().constData());
    }

    // The automatic check: from the first show on, two seconds in; "66" is the latest. A tick never
    // starts a second fetch while one is under way. No answer (refused, empty, too slow, an error
    // page): only the status bar says so, no box takes the keys, and the check keeps trying.
    void automaticCheck()
    {
        const QString latest = QStringLiteral("Your Are Using The Latest Version Of Paddox");
        const QString notLatest = QStringLiteral("Your Are NOT Using The Latest Version Of Paddox");
        const QString down = QStringLiteral("The server is down, please try again later.");
        // The version file, the server's delay in ms (-1: it refuses the connection), the status bar's text.
        const struct { QByteArray body; int delay; QString panel; } rows[] = {
            {"66", 0, latest}, {"67", 0, notLatest}, {QByteArray(1 << 20, '6'), 0, notLatest}, {"66", -1, down},
            {"", 0, down}, {"<html><body>404 Not Found</body></html>", 0, down}, {"66", 3000, down}};
        for (const auto &row : rows) {
            TestInstallation install;
            ScriptedDialogs dialogs;
            LocalServer server(row.body);
            if (row.delay < 0)
                LocalServer::sendMakerHere(LocalServer::refusingPort());
            server.delayMs = std::max(row.delay, 0);
            platform::setFetchTimeout(row.delay > 0 ? 300 : 10000);
            update::setAutomaticChecksOn(true);
            BettingOfficeWindow *office = app::window<BettingOfficeWindow>();
            QTimer *check = in<QTimer>(office, "Timer3");
            QVERIFY(!check->isActive());
            office->show();
            QVERIFY(check->isActive() && check->interval() == 2000);
            fire(check), fire(check);  // the second while the first is under way: no second fetch
            QTRY_COMPARE(in<platform::PanelStatusBar>(office, "StatusBar1")->panelText(3), row.panel);
            QCOMPARE(noticeOpen(), row.panel == notLatest);
            QCOMPARE(check->isActive(), row.panel == down);
            if (row.panel == down) {  // and tries again at its next tick
                fire(check);
                QTRY_VERIFY(check->isActive());
            }
            QCOMPARE(server.paths, QStringList(row.delay < 0 ? 0 : row.panel == down ? 2 : 1, QStringLiteral("/paddoxver.txt")));
            VERIFY_DIALOGS(dialogs);  // no box at all
        }
    }

    // The menu's check; Yes to a newer version opens the download page.
    void manualCheck()
    {
        const struct { QByteArray body; QString message; bool download; } rows[] = {
            {"66", "There Are No Newer Versions Avalible. Your Are Using The Latest Version", false},
            {"67", "There is a newer version of this program available. Would you like to download it?", true},
            {"<html><body>404 Not Found</body></html>", "The server is down, please try again later.", false}};
        for (const auto &row : rows) {
            TestInstallation install;
            ScriptedDialogs dialogs;
            LocalServer server(row.body);
            office();
            dialogs.expectMessage(row.message, platform::Answer::Yes);
            trigger("update"), trigger("update");  // the second while the first is under way waits for its answer
            QTRY_COMPARE(dialogs.messages().size(), 1);
            QCOMPARE(app::existingWindow<PageWindow>() != nullptr, row.download);
            if (row.download)
                QTRY_COMPARE(server.paths.value(1), QStringLiteral("/paddox"));
            VERIFY_DIALOGS(dialogs);
        }
    }

    // The notice: its link opens the download page; either button closes it. And About: its version,
    // and it grows once.
    void noticeButtons()
    {
        TestInstallation install;
        office();
        LocalServer::sendMakerHere(LocalServer::refusingPort());
        trigger("hconnect");  // no fetch: the notice at once
        QVERIFY(noticeOpen());
        QWidget *link = in(app::existingWindow<UpdateNoticeWindow>(), "Label1");
        QCOMPARE(static_cast<QLabel *>(link)->text(), QStringLiteral("The Next Version Of Paddox is now ready to download from www.tamblor.example"));
        QTest::mouseClick(link, Qt::LeftButton);
        QVERIFY(noticeOpen());
        QCOMPARE(in<QLineEdit>(app::existingWindow<PageWindow>(), "Text1")->text(), QStringLiteral("http://www.tamblor.example/paddox"));
        in<QPushButton>(app::existingWindow<UpdateNoticeWindow>(), "Command1")->click();
        QVERIFY(noticeGone());
        trigger("hconnect");
        in<QPushButton>(app::existingWindow<UpdateNoticeWindow>(), "Command2")->click();
        QVERIFY(noticeGone());
        platform::setFetchAddressRewrite({});

        AboutWindow *about = app::window<AboutWindow>();
        QCOMPARE(about->windowTitle(), QStringLiteral("About Paddox6.6.2"));
        QCOMPARE(in<QLabel>(about, "Label1")->text(), QStringLiteral("Version:  6.6.2"));
        const int height = about->height();
        QPushButton *more = in<QPushButton>(about, "Command2");
        more->click(), more->click();  // the second does nothing
        QCOMPARE(about->height(), height + 100);
        QVERIFY(!more->isEnabled());
    }
};

PADDOX_TEST(InfoTest)
#include "info_test.moc"
