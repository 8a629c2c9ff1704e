// The splash: its version, and the way in by timer or by a click, once.
#include "player/fixture.h"

#include "app/splash_window.h"
#include "player/country_window.h"

using namespace testing;

class SplashTest : public QObject {
    Q_OBJECT

private slots:
    void leaving()
    {
        // Events (t: the timer fires, c: a click on the picture); on a first run (no country
        // file yet) the country window opens instead of the sign-in window.
        const struct { const char *events; bool firstRun; } rows[] = {
            {"t", false}, {"c", false}, {"tc", false}, {"cc", false}, {"ct", true}};
        for (const auto &r : rows) {
            ROW(r.events);
            Fixture f(!r.firstRun);
            QPointer<SplashWindow> splash = app::window<SplashWindow>();
            QPointer<QTimer> timer = control<QTimer>(splash, "Timer1");
            QCOMPARE(control<QLabel>(splash, "Label3")->text(), QStringLiteral("Paddox Version  6.6.2"));
            QCOMPARE(timer->interval(), 2000);
            splash->show();
            QVERIFY(QTest::qWaitForWindowExposed(splash));
            QTest::keyClick(splash, Qt::Key_Escape);  // Escape does not skip the way in
            QVERIFY(splash->isVisible() && timer->isActive());
            for (const QChar event : QString(r.events))
                event == 'c' ? QTest::mouseClick(control<QLabel>(splash, "Picture1"), Qt::LeftButton) : fire(timer);
            QWidget *country = app::existingWindow<CountryWindow>(), *signIn = app::existingWindow<SignInWindow>();
            QVERIFY(r.firstRun ? country && country->isVisible() && !signIn : signIn && signIn->isVisible() && !country);
            QCOMPARE(f.install.dataExists("user1n.pdx"), !r.firstRun);  // the set-up waits for the country
            QVERIFY(!timer->isActive());
            processDeletes();
            QVERIFY(!splash);
            VERIFY_DIALOGS(f.dialogs);
        }
    }
};

PADDOX_TEST(SplashTest)
#include "splash_test.moc"
