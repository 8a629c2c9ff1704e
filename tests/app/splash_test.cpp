// The splash: its version, and the way in by timer or by a click, once.
#include "support/scripted_dialogs.h"
#include "support/test_installation.h"
#include "support/test_main.h"

#include "app/splash_window.h"
#include "app/window_registry.h"
#include "player/country_window.h"
#include "player/sign_in_window.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>

using namespace testing;

class SplashTest : public QObject {
    Q_OBJECT

private slots:
    void leaving()
    {
        // Events (t: the timer fires, c: a click on the picture, e: Escape); on a first run
        // (no country file yet) the country window comes instead of the sign-in window.
        const struct { const char *events; bool firstRun; } rows[] = {
            {"t", false}, {"c", false}, {"et", false}, {"tc", false}, {"cc", false}, {"ct", true}};
        for (const auto &r : rows) {
            TestInstallation install;
            if (!r.firstRun)
                install.writeDefaultPlayers();
            ScriptedDialogs dialogs;
            QPointer<Form1> splash = app::window<Form1>();
            QCOMPARE(splash->Label3->text(), QStringLiteral("Paddox Version  6.6.2"));
            QCOMPARE(splash->Timer1->interval(), 2000);
            splash->show();
            QVERIFY(QTest::qWaitForWindowExposed(splash));
            QPointer<QWidget> next;
            for (const QChar event : QString(r.events)) {
                if (event == 'e') {
                    QTest::keyClick(splash, Qt::Key_Escape);
                    QVERIFY(splash->isVisible() && splash->Timer1->isActive());
                    continue;
                }
                event == 'c' ? QTest::mouseClick(splash->Picture1, Qt::LeftButton) : splash->Timer1_Timer();
                QWidget *opened = r.firstRun ? static_cast<QWidget *>(app::existingWindow<Form14>()) : app::existingWindow<frmcontrol>();
                if (!next)
                    next = opened;
                QVERIFY(opened && opened == next && opened->isVisible());
                QVERIFY(!splash->Timer1->isActive());
            }
            QVERIFY(!(r.firstRun ? app::existingWindow<frmcontrol>() != nullptr : app::existingWindow<Form14>() != nullptr));
            QCOMPARE(install.dataExists("user1n.pdx"), !r.firstRun);  // the set-up waits for the country
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!splash);
            VERIFY_DIALOGS(dialogs);
        }
    }
};

PADDOX_TEST(SplashTest)
#include "splash_test.moc"
