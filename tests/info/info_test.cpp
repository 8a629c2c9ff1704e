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
#include "office/betting_office_window.h"
#include "platform/widgets/link_label.h"
#include "platform/widgets/panel_status_bar.h"
#include "platform/widgets/web_view.h"
#include "player/sign_in_window.h"
#include "update/update_notice_window.h"
#include "update/version_check.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

using namespace testing;

namespace {
BettingOfficeWindow *quietOffice()
{
    BettingOfficeWindow *office = app::window<BettingOfficeWindow>();
    office->show();
    office->Timer3->stop();
    return office;
}
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

    // Typing "htt" or "ww" completes the address, once only.
    void addressCompletions()
    {
        const struct { QString typed, becomes; } rows[] = {
            {"htt", "http://"}, {"ww", "http://www."}, {"http", "http://p"}, {"w", "w"}, {"www", "http://www.w"}};
        for (const auto &row : rows) {
            TestInstallation install;
            quietOffice();
            info::setPageTarget(QStringLiteral("http://127.0.0.1:%1/").arg(LocalServer::refusingPort()));
            PageWindow *page = app::window<PageWindow>();
            page->Text1->clear();
            QTest::keyClicks(page->Text1, row.typed);
            QCOMPARE(page->Text1->text(), row.becomes);
        }
    }

    // Credits mode: the box is offered; "X" stores it and returns to the office.
    void creditsMode()
    {
        TestInstallation install;
        quietOffice();
        PageWindow *page = app::window<PageWindow>();
        QVERIFY(!page->addressMode() && !page->Check1->isHidden() && page->Text1->isHidden() && page->Command3->isHidden());
        page->Check1->setChecked(true);
        page->Command2_Click();
        QCOMPARE(install.readData(QStringLiteral("show.pdx")), QByteArray(" 1 \r\n"));
        // "Show Credits" shows them again and stores 0 first.
        app::window<BettingOfficeWindow>()->mnuCredit->trigger();
        QCOMPARE(install.readData(QStringLiteral("show.pdx")), QByteArray(" 0 \r\n"));
        QVERIFY(app::existingWindow<PageWindow>() && !app::existingWindow<PageWindow>()->addressMode());
        // The title bar's close stores the box as well.
        app::existingWindow<PageWindow>()->Check1->setChecked(true);
        app::existingWindow<PageWindow>()->close();
        QCOMPARE(install.readData(QStringLiteral("show.pdx")), QByteArray(" 1 \r\n"));
        QCOMPARE(install.endRequests(), 0);  // the office is still there
        // Help from the office, and from the sign-in window the main page whatever the selector says.
        install.writeDefaultPlayers();
        app::window<BettingOfficeWindow>()->what->trigger();
        HelpWindow *help = app::existingWindow<HelpWindow>();
        QVERIFY(help);
        QCOMPARE(help->WebBrowser2->address().fileName(), QStringLiteral("whatsnew6.htm"));
        QCOMPARE(help->WebBrowser1->address().fileName(), QStringLiteral("paddoxhelpcon.htm"));
        app::window<SignInWindow>()->show(), app::window<SignInWindow>()->Label2_Click();
        QCOMPARE(help->WebBrowser2->address().fileName(), QStringLiteral("paddoxhelpmain.htm"));
        // The main page tells of the race book, holding Space in both races, and where the password is changed.
        for (const char *told : {"\"Race Book\" on the \"Tools\" menu (Ctrl+B)", "Hold down the Space bar to watch the race",
                                 "hold down the Space bar, or press \"Fast\"", "Press \"More >>\"", "Press \"Change Password\"",
                                 "password 7351"})
            QVERIFY2(help->WebBrowser2->toPlainText().contains(QLatin1String(told)), told);
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
        QVERIFY(page->addressMode() && info::pageTarget().isEmpty());
        QVERIFY(page->Check1->isHidden() && !page->Text1->isHidden() && !page->ProgressBar1->isHidden());
        QTRY_COMPARE(page->windowTitle(), QStringLiteral("Race Day - Quarn Browser."));
        QCOMPARE(page->ProgressBar1->value(), 100);
        QCOMPARE(page->Text1->text(), server.url(QStringLiteral("/day.htm")).toString());
        QCOMPARE(server.paths, QStringList{QStringLiteral("/day.htm")});
        page->Command2_Click();
        QCOMPARE(install.readData(QStringLiteral("show.pdx")), QByteArray(" 1 \r\n"));
        QCOMPARE(install.endRequests(), 1);
        platform::setFetchAddressRewrite({}), app::destroyAllWindows();  // then an address that cannot be reached
        quietOffice();
        const QString address = QStringLiteral("http://127.0.0.1:%1/").arg(LocalServer::refusingPort());
        info::setPageTarget(address);
        page = app::window<PageWindow>();
        QTRY_VERIFY(page->windowTitle().endsWith(QStringLiteral(" - Quarn Browser.")));
        QVERIFY(page->Webcred->toPlainText().contains(address));
        QCOMPARE(page->StatusBar1->currentMessage(), QStringLiteral("The page cannot be shown"));
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

    // The automatic check: from the first show on, once, two seconds in; "66" is the latest.
    void automaticCheck()
    {
        const QString latest = QStringLiteral("Your Are Using The Latest Version Of Paddox");
        const QString notLatest = QStringLiteral("Your Are NOT Using The Latest Version Of Paddox");
        const struct { QByteArray body; QString panel; bool notice; } rows[] = {
            {"66", latest, false}, {"67", notLatest, true}, {"65", notLatest, true}, {"66\r\n", latest, false},
            {QByteArray(1 << 20, '6'), notLatest, true}};
        for (const auto &row : rows) {
            TestInstallation install;
            ScriptedDialogs dialogs;
            LocalServer server(row.body);
            update::setAutomaticChecksOn(true);
            BettingOfficeWindow *office = app::window<BettingOfficeWindow>();
            QVERIFY(!office->Timer3->isActive());
            office->show();
            QVERIFY(office->Timer3->isActive() && office->Timer3->interval() == 2000);
            office->Timer3_Timer();
            QTRY_COMPARE(office->StatusBar1->panelText(3), row.panel);
            QCOMPARE(noticeOpen(), row.notice);
            QVERIFY(!office->Timer3->isActive());
            QCOMPARE(server.paths, QStringList{QStringLiteral("/paddoxver.txt")});
            VERIFY_DIALOGS(dialogs);
        }
    }

    // No answer (refused, empty, too slow, an error page): only the status bar says so, no box
    // takes the keys, and the check keeps trying. A tick never starts a second fetch while one is
    // under way.
    void serverDown()
    {
        const QByteArray bodies[] = {"66", "", "66", "<html><body>404 Not Found</body></html>"};
        for (int kind : {0, 1, 2, 3}) {
            TestInstallation install;
            ScriptedDialogs dialogs;
            LocalServer server(bodies[kind]);
            if (kind == 0)
                LocalServer::sendMakerHere(LocalServer::refusingPort());
            server.delayMs = kind == 2 ? 3000 : 0;
            platform::setFetchTimeout(300);
            BettingOfficeWindow *office = quietOffice();
            office->Timer3_Timer();
            office->Timer3_Timer();  // under way: no second fetch
            QTRY_VERIFY(office->Timer3->isActive());
            QCOMPARE(office->StatusBar1->panelText(3), QStringLiteral("The server is down, please try again later."));
            office->Timer3_Timer();
            QTRY_VERIFY(office->Timer3->isActive());
            QCOMPARE(server.paths.size(), kind == 0 ? 0 : 2);
            QVERIFY(!noticeOpen());
            VERIFY_DIALOGS(dialogs);  // no box at all
        }
    }

    // The menu's check; Yes to a newer version opens the download page.
    void manualCheck()
    {
        const struct { QByteArray body; QString message; bool download; } rows[] = {
            {"66", "There Are No Newer Versions Avalible. Your Are Using The Latest Version", false},
            {"67", "There is a newer version of this program available. Would you like to download it?", true},
            {"", "The server is down, please try again later.", false},
            {"<html><body>404 Not Found</body></html>", "The server is down, please try again later.", false}};
        for (const auto &row : rows) {
            TestInstallation install;
            ScriptedDialogs dialogs;
            LocalServer server(row.body);
            BettingOfficeWindow *office = quietOffice();
            dialogs.expectMessage(row.message, platform::Answer::Yes);
            office->update->trigger();
            office->update->trigger();  // under way: waits for the first answer
            QTRY_COMPARE(dialogs.messages().size(), 1);
            QCOMPARE(app::existingWindow<PageWindow>() != nullptr, row.download);
            if (row.download)
                QTRY_COMPARE(server.paths.value(1), QStringLiteral("/paddox"));
            VERIFY_DIALOGS(dialogs);
        }
    }

    // The notice: its link opens the download page; either button closes it. And About grows once.
    void noticeButtons()
    {
        TestInstallation install;
        BettingOfficeWindow *office = quietOffice();
        LocalServer::sendMakerHere(LocalServer::refusingPort());
        office->hconnect->trigger();  // no fetch: the notice at once
        QVERIFY(noticeOpen());
        UpdateNoticeWindow *notice = app::existingWindow<UpdateNoticeWindow>();
        QCOMPARE(notice->Label1->text(), QStringLiteral("The Next Version Of Paddox is now ready to download from www.tamblor.example"));
        notice->Label1_Click();
        QVERIFY(noticeOpen());
        QCOMPARE(app::existingWindow<PageWindow>()->Text1->text(), QStringLiteral("http://www.tamblor.example/paddox"));
        notice->Command1_Click();
        QVERIFY(noticeGone());
        office->hconnect->trigger();
        app::existingWindow<UpdateNoticeWindow>()->Command2->click();
        QVERIFY(noticeGone());
        platform::setFetchAddressRewrite({});

        AboutWindow *about = app::window<AboutWindow>();
        const int height = about->height();
        about->Command2->click(), about->Command2->click();  // the second does nothing
        QCOMPARE(about->height(), height + 100);
        QVERIFY(!about->Command2->isEnabled());
    }
};

PADDOX_TEST(InfoTest)
#include "info_test.moc"
