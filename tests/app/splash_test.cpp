// The splash: its version, and the way out by timer or by a click, once.
#include "support/scripted_dialogs.h"
#include "support/test_installation.h"
#include "support/test_main.h"

#include "app/splash_window.h"
#include "app/window_registry.h"
#include "player/country_window.h"
#include "player/import.h"
#include "player/sign_in_window.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

using namespace testing;

namespace {
void processDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
struct InstalledPlayers : TestInstallation {
    InstalledPlayers() { writeDefaultPlayers(); }
};
}

class SplashTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        player::setLocationRecordPath(config_.filePath(QStringLiteral("iPaddoxV.loc")));
    }

    void cleanupTestCase() { player::setLocationRecordPath(QString()); }

    void windowAsItOpens()
    {
        TestInstallation install;
        Form1 *splash = app::window<Form1>();
        QCOMPARE(splash->windowTitle(), QStringLiteral("Welcome To Tamblor Networks Paddox2002"));
        QCOMPARE(splash->Label3->text(), QStringLiteral("Paddox Version  6.6.2"));
        QCOMPARE(splash->Label6->text(), QStringLiteral("  Professional"));
        QCOMPARE(splash->Label5->text(), QStringLiteral(">"));
        QVERIFY(splash->Timer1->isActive());
        QCOMPARE(splash->Timer1->interval(), 2000);
        QCOMPARE(splash->Picture1->pixmap().deviceIndependentSize().toSize(), splash->Picture1->size());
        // Every caption fits its label.
        for (QLabel *label : {splash->Label3, splash->Label5, splash->Label6}) {
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
            QVERIFY2(label->sizeHint().height() <= label->height(), qPrintable(label->objectName()));
        }
    }

    void leaves_data()
    {
        QTest::addColumn<QStringList>("events");  // "timer" or "click", in order
        QTest::newRow("timer") << QStringList{"timer"};
        QTest::newRow("click") << QStringList{"click"};
        QTest::newRow("click, then the timer") << QStringList{"click", "timer"};
        QTest::newRow("timer, then a click") << QStringList{"timer", "click"};
        QTest::newRow("two clicks") << QStringList{"click", "click"};
    }

    void leaves()
    {
        QFETCH(QStringList, events);
        InstalledPlayers install;
        ScriptedDialogs dialogs;
        QPointer<Form1> splash = app::window<Form1>();
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QPointer<frmcontrol> first;
        for (const QString &event : events) {
            if (event == QLatin1String("timer"))
                splash->Timer1_Timer();
            else
                QTest::mouseClick(splash->Picture1, Qt::LeftButton, {}, splash->Picture1->rect().center());
            if (!first)
                first = app::existingWindow<frmcontrol>();
            QVERIFY(first);
            QCOMPARE(app::existingWindow<frmcontrol>(), first.data());
            QVERIFY(!splash->Timer1->isActive());
        }
        QVERIFY(first->isVisible());
        QVERIFY(!app::existingWindow<Form14>());
        processDeletes();
        QVERIFY(!splash);
        QVERIFY(first);
        VERIFY_DIALOGS(dialogs);
    }

    void firstRunShowsTheCountryWindow()
    {
        TestInstallation install;
        ScriptedDialogs dialogs;
        QPointer<Form1> splash = app::window<Form1>();
        splash->Timer1_Timer();
        splash->Timer1_Timer();
        Form14 *country = app::existingWindow<Form14>();
        QVERIFY(country);
        QVERIFY(country->isVisible());
        // The sign-in window (and with it the set-up) waits for the country.
        QVERIFY(!app::existingWindow<frmcontrol>());
        QVERIFY(!install.dataExists(QStringLiteral("user1n.pdx")));
        processDeletes();
        QVERIFY(!splash);
        VERIFY_DIALOGS(dialogs);
    }

    void escapeDoesNotSkipTheWayIn()
    {
        InstalledPlayers install;
        ScriptedDialogs dialogs;
        QPointer<Form1> splash = app::window<Form1>();
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QTest::keyClick(splash, Qt::Key_Escape);
        processDeletes();
        // Still there, still counting down: the sign-in window comes as usual.
        QVERIFY(splash);
        QVERIFY(splash->isVisible());
        QVERIFY(splash->Timer1->isActive());
        splash->Timer1_Timer();
        QVERIFY(app::existingWindow<frmcontrol>());
        QVERIFY(app::existingWindow<frmcontrol>()->isVisible());
        VERIFY_DIALOGS(dialogs);
    }

private:
    QTemporaryDir config_;
};

PADDOX_TEST(SplashTest)
#include "splash_test.moc"
