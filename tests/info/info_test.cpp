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
Form2 *quietOffice()
{
    Form2 *office = app::window<Form2>();
    office->show();
    office->Timer3->stop();
    return office;
}
QString panel3(const Form2 *office) { return office->StatusBar1->panelText(3); }
bool noticeOpen() { return app::existingWindow<Form8>() && app::existingWindow<Form8>()->isVisible(); }
void processDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
}  // namespace

class InfoTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { platform::setFetchTimeout(10000); }

    void creditsFlag_data()
    {
        QTest::addColumn<QByteArray>("file");  // "-": no file
        QTest::addColumn<bool>("skipped");
        QTest::newRow("no file") << QByteArray("-") << false;
        QTest::newRow("number 1") << QByteArray(" 1 \r\n") << true;
        QTest::newRow("bare 1") << QByteArray("1") << true;
        QTest::newRow("number 0") << QByteArray(" 0 \r\n") << false;
        QTest::newRow("word") << QByteArray("yes\r\n") << false;
        QTest::newRow("last line counts") << QByteArray(" 0 \r\n 1 \r\n") << true;
    }
    void creditsFlag()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, skipped);
        TestInstallation install;
        if (file != "-")
            install.writeData(QStringLiteral("show.pdx"), file);
        QCOMPARE(info::creditsSkipped(), skipped);
    }

    void addressCompletions_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("becomes");
        QTest::newRow("htt") << "htt" << "http://";
        QTest::newRow("ww") << "ww" << "http://www.";
        QTest::newRow("http: completed at htt") << "http" << "http://p";
        QTest::newRow("w") << "w" << "w";
        QTest::newRow("www: completed at ww") << "www" << "http://www.w";
    }
    void addressCompletions()
    {
        QFETCH(QString, typed);
        QFETCH(QString, becomes);
        TestInstallation install;
        quietOffice();
        info::setPageTarget(QStringLiteral("http://127.0.0.1:%1/").arg(LocalServer::refusingPort()));
        Form10 *page = app::window<Form10>();
        page->Text1->clear();
        QTest::keyClicks(page->Text1, typed);
        QCOMPARE(page->Text1->text(), becomes);
    }

    // Credits mode: the box is offered; "X" stores it and returns to the office.
    void creditsMode()
    {
        TestInstallation install;
        quietOffice();
        Form10 *page = app::window<Form10>();
        QVERIFY(!page->addressMode());
        QVERIFY(!page->Check1->isHidden());
        QVERIFY(page->Text1->isHidden() && page->Command3->isHidden());
        QCOMPARE(page->windowTitle(), QStringLiteral("Paddox6 Credits - Quarn Browser."));
        page->Check1->setChecked(true);
        page->Command2_Click();
        QCOMPARE(install.readData(QStringLiteral("show.pdx")), QByteArray(" 1 \r\n"));
        QCOMPARE(install.endRequests(), 0);
        // "Show Credits" shows them again and stores 0 first.
        app::window<Form2>()->mnuCredit->trigger();
        QCOMPARE(install.readData(QStringLiteral("show.pdx")), QByteArray(" 0 \r\n"));
        QVERIFY(app::existingWindow<Form10>() && !app::existingWindow<Form10>()->addressMode());
        // The title bar's close stores the box as well.
        app::existingWindow<Form10>()->Check1->setChecked(true);
        app::existingWindow<Form10>()->close();
        QCOMPARE(install.readData(QStringLiteral("show.pdx")), QByteArray(" 1 \r\n"));
        QCOMPARE(install.endRequests(), 0);
    }

    // Address mode: a page from the web, its title in the caption; "X" stores 0 and, with the
    // office gone, ends the game.
    void addressMode()
    {
        TestInstallation install;
        LocalServer server("<html><head><title>Race Day</title></head><body><p>Hello</p></body></html>");
        server.type = "text/html";
        install.writeData(QStringLiteral("show.pdx"), " 1 \r\n");
        info::setPageTarget(server.url(QStringLiteral("/day.htm")).toString());
        Form10 *page = app::window<Form10>();
        QVERIFY(page->addressMode());
        QVERIFY(info::pageTarget().isEmpty());
        QVERIFY(page->Check1->isHidden() && !page->Text1->isHidden() && !page->ProgressBar1->isHidden());
        QTRY_COMPARE(page->windowTitle(), QStringLiteral("Race Day - Quarn Browser."));
        QCOMPARE(page->ProgressBar1->value(), 100);
        QCOMPARE(page->Text1->text(), server.url(QStringLiteral("/day.htm")).toString());
        QCOMPARE(server.paths, QStringList{QStringLiteral("/day.htm")});
        page->Command2_Click();
        QCOMPARE(install.readData(QStringLiteral("show.pdx")), QByteArray(" 0 \r\n"));
        QCOMPARE(install.endRequests(), 1);
    }

    void unreachableAddress()
    {
        TestInstallation install;
        quietOffice();
        const QString address = QStringLiteral("http://127.0.0.1:%1/").arg(LocalServer::refusingPort());
        info::setPageTarget(address);
        Form10 *page = app::window<Form10>();
        QTRY_VERIFY(page->windowTitle().endsWith(QStringLiteral(" - Quarn Browser.")));
        QVERIFY(page->Webcred->toPlainText().contains(address));
        QCOMPARE(page->StatusBar1->currentMessage(), QStringLiteral("The page cannot be shown"));
    }

    void helpWindowPages()
    {
        TestInstallation install;
        install.writeDefaultPlayers();
        Form2 *office = quietOffice();
        office->what->trigger();
        frmHelp *help = app::existingWindow<frmHelp>();
        QVERIFY(help);
        QCOMPARE(help->windowTitle(), QStringLiteral("paddox6.6 Help"));
        QCOMPARE(help->WebBrowser2->address().fileName(), QStringLiteral("whatsnew6.htm"));
        QCOMPARE(help->WebBrowser1->address().fileName(), QStringLiteral("paddoxhelpcon.htm"));
        // From the sign-in window: the main help page whatever the selector says.
        frmcontrol *signIn = app::window<frmcontrol>();
        signIn->show();
        signIn->Label2_Click();
        QCOMPARE(help->WebBrowser2->address().fileName(), QStringLiteral("paddoxhelpmain.htm"));
    }

    void automaticCheck_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<bool>("notice");
        const QString latest = QStringLiteral("Your Are Using The Latest Version Of Paddox");
        const QString notLatest = QStringLiteral("Your Are NOT Using The Latest Version Of Paddox");
        QTest::newRow("66") << QByteArray("66") << latest << false;
        QTest::newRow("67") << QByteArray("67") << notLatest << true;
        QTest::newRow("65") << QByteArray("65") << notLatest << true;
        QTest::newRow("66 and a line break") << QByteArray("66\r\n") << notLatest << true;
        QTest::newRow("huge") << QByteArray(1 << 20, '6') << notLatest << true;
    }
    void automaticCheck()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, panel);
        QFETCH(bool, notice);
        TestInstallation install;
        ScriptedDialogs dialogs;
        LocalServer server(body);
        update::setAutomaticChecksOn(true);
        Form2 *office = app::window<Form2>();
        QVERIFY(!office->Timer3->isActive());  // from the first show on
        office->show();
        QVERIFY(office->Timer3->isActive());
        QCOMPARE(office->Timer3->interval(), 2000);
        office->Timer3_Timer();
        QTRY_COMPARE(panel3(office), panel);
        QCOMPARE(noticeOpen(), notice);
        QVERIFY(!office->Timer3->isActive());
        QCOMPARE(server.paths, QStringList{QStringLiteral("/paddoxver.txt")});
        VERIFY_DIALOGS(dialogs);
    }

    // Nothing fetched: the player is told once; later ticks only write the status bar, and the
    // check keeps trying. A tick never starts a second fetch while one is under way.
    void serverDown_data()
    {
        QTest::addColumn<int>("kind");  // 0 refused, 1 empty body, 2 too slow
        QTest::newRow("refused") << 0;
        QTest::newRow("empty body") << 1;
        QTest::newRow("past the time-out") << 2;
    }
    void serverDown()
    {
        QFETCH(int, kind);
        TestInstallation install;
        ScriptedDialogs dialogs;
        LocalServer server(kind == 1 ? QByteArray() : QByteArray("66"));
        if (kind == 0)
            LocalServer::sendMakerHere(LocalServer::refusingPort());
        server.delayMs = kind == 2 ? 3000 : 0;
        platform::setFetchTimeout(300);
        Form2 *office = quietOffice();
        const QString down = QStringLiteral("The server is down, please try again later.");
        dialogs.expectMessage(down);
        office->Timer3_Timer();
        office->Timer3_Timer();  // under way: no second fetch
        QTRY_VERIFY(office->Timer3->isActive());
        QCOMPARE(dialogs.messages().value(0).title, QStringLiteral("Program Update"));
        office->Timer3_Timer();
        QTRY_VERIFY(office->Timer3->isActive());
        QCOMPARE(panel3(office), down);
        QCOMPARE(server.paths.size(), kind == 0 ? 0 : 2);
        VERIFY_DIALOGS(dialogs);
    }

    void manualCheck_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("download");  // Yes to the question opens the download page
        QTest::newRow("66") << QByteArray("66")
                            << "There Are No Newer Versions Avalible. Your Are Using The Latest Version" << false;
        QTest::newRow("67") << QByteArray("67")
                            << "There is a newer version of this program available. Would you like to download it?"
                            << true;
        QTest::newRow("empty") << QByteArray() << "The server is down, please try again later." << false;
    }
    void manualCheck()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, message);
        QFETCH(bool, download);
        TestInstallation install;
        ScriptedDialogs dialogs;
        LocalServer server(body);
        Form2 *office = quietOffice();
        dialogs.expectMessage(message, platform::Answer::Yes);
        office->update->trigger();
        office->update->trigger();  // under way: waits for the first answer
        QTRY_COMPARE(dialogs.messages().size(), 1);
        Form10 *page = app::existingWindow<Form10>();
        QCOMPARE(page != nullptr, download);
        if (download)
            QTRY_COMPARE(server.paths.value(1), QStringLiteral("/paddox"));
        QCOMPARE(server.paths.value(0), QStringLiteral("/paddoxver.txt"));
        VERIFY_DIALOGS(dialogs);
    }

    void noticeButtons()
    {
        TestInstallation install;
        Form2 *office = quietOffice();
        LocalServer::sendMakerHere(LocalServer::refusingPort());
        office->hconnect->trigger();  // no fetch: the notice at once
        QVERIFY(noticeOpen());
        Form8 *notice = app::existingWindow<Form8>();
        QCOMPARE(notice->Label1->text(),
                 QStringLiteral("The Next Version Of Paddox is now ready to download from www.tamblor.example"));
        notice->Label1_Click();
        QVERIFY(noticeOpen());
        QCOMPARE(app::existingWindow<Form10>()->Text1->text(), QStringLiteral("http://www.tamblor.example/paddox"));
        notice->Command1_Click();
        processDeletes();
        QVERIFY(!app::existingWindow<Form8>());
        office->hconnect->trigger();
        app::existingWindow<Form8>()->Command2->click();
        processDeletes();
        QVERIFY(!app::existingWindow<Form8>());
        platform::setFetchAddressRewrite({});
    }

    void aboutWindow()
    {
        TestInstallation install;
        Form6 *about = app::window<Form6>();
        QCOMPARE(about->windowTitle(), QStringLiteral("About Paddox6.6.2"));
        QCOMPARE(about->Label1->text(), QStringLiteral("Version:  6.6.2"));
        const int height = about->height();
        about->Command2->click();
        about->Command2->click();
        QCOMPARE(about->height(), height + 100);
        QVERIFY(!about->Command2->isEnabled());
    }
};

PADDOX_TEST(InfoTest)
#include "info_test.moc"
