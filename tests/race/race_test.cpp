// An ordinary race: its rules without a window, then the race window and the doping offer, each
// path once, as views of the session's race.
#include "race/doping_offer_window.h"
#include "race/race_rules.h"
#include "race/race_window.h"
#include "race_fixture.h"
#include "platform/settings.h"
#include "support/recorded_sounds.h"

#include <ranges>

class RaceTest : public QObject {
    Q_OBJECT
private slots:
    // Head starts: 2000 for the drawn winner, then 1000, 500, 250, 0 on round the lanes; whatever is drugged
    // (900 at the start), the drawn winner finishes at least 9 ticks ahead of every other horse. The banner.
    void raceRules()
    {
        const int starts[5][5] = {{2000, 1000, 500, 250, 0}, {0, 2000, 1000, 500, 250}, {250, 0, 2000, 1000, 500}, {500, 250, 0, 2000, 1000}, {1000, 500, 250, 0, 2000}};
        for (int winner = 1; winner <= 5; ++winner)
            for (int drugged = 0; drugged <= 5; ++drugged) {
                int winnerTicks = 0, others = 1 << 30;
                for (int lane = 1; lane <= 5; ++lane) {
                    QCOMPARE(race::headStart(lane, winner), starts[winner - 1][lane - 1]);
                    const int ticks = race::ticksToFinish(lane, starts[winner - 1][lane - 1] + (lane == drugged) * 900);
                    lane == winner ? void(winnerTicks = ticks) : void(others = std::min(others, ticks));
                }
                QVERIFY(others - winnerTicks >= 9);
            }
        const char *lines[] = {"lifes free at ", "Get Free Software @ ", "Check for updates at ", "Check For Updates On This Software @ ", ""};
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(race::bannerText(k, "x"), lines[k - 1] + QString("http://www.tamblor.example"));
        QCOMPARE(race::bannerText(6, "whatever was there"), "whatever was there");
    }
    // The window shows the bet and the names as plain text and changes its banner; Start gives the head
    // starts; a tick moves every horse a step, each its own picture; closing and Escape wait while the
    // horses run; with Space held a tick moves four steps and the drawn winner still wins; the
    // settlement closes the window once. Shown, a bar draws all of itself (nothing under it is drawn
    // each tick) and the horses' placeholders are never drawn.
    void running()
    {
        RaceGame g(500, 0, "You Have No Shares", true);
        QPointer<RaceWindow> w = app::window<RaceWindow>();
        w->show();
        QVERIFY(in<QProgressBar>(w, "ProgressBar5")->testAttribute(Qt::WA_OpaquePaintEvent) && !in(w, "Picture5")->updatesEnabled());
        auto bar = [&](int lane) { return in<QProgressBar>(w, QString("ProgressBar%1").arg(lane))->value(); };
        QTimer *ticks = in<QTimer>(w, "raceTimer");
        QCOMPARE(w->windowTitle(), "The Race - The Horse You Chose To Win Is 'Black Beauty'");
        QVERIFY(in<QLabel>(w, "Label2")->text() == "<b>Desert</b> Orchard" && in<QLabel>(w, "Label2")->textFormat() == Qt::PlainText);
        g.random.pushDraw(2, 6), QMetaObject::invokeMethod(in<QTimer>(w, "Timer1"), "timeout");
        QCOMPARE(in<QLabel>(w, "Label6")->text(), "Get Free Software @ http://www.tamblor.example");
        g.random.pushDraw(4, 5), in<QPushButton>(w, "Command1")->click();
        QCOMPARE(QList<int>({bar(1), bar(2), bar(3), bar(4), bar(5)}), QList<int>({500, 250, 0, 2000, 1000}));
        QMetaObject::invokeMethod(ticks, "timeout");  // lane 3: 0 + 10 + 30 twips, 3 pixels; lane 1: 510 + 30, 36
        QVERIFY(g.s.race()->progress(3) == 10 && in(w, "Picture3")->x() == 3 && in(w, "Picture1")->x() == 36 &&
                in(w, "Command1")->isHidden());
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!w->close() && w->isVisible());
        g.dialogs.expectMessage("The Winner Was Whopper Meal With Fries (Horse 4)"), g.dialogs.expectMessage(" Your Horse Lost");
        g.dialogs.onMessage = [&](const testing::ShownMessage &) { QVERIFY(w->isVisible() && !w->close() && !ticks->isActive()); };
        QTest::keyPress(w, Qt::Key_Space);
        int rounds = 1;
        while (g.s.racePhase() != game::RacePhase::None && ++rounds < 2000)
            QMetaObject::invokeMethod(ticks, "timeout");
        QVERIFY(rounds == 276 && g.s.record().cash == 450);  // 1100 ticks' worth
        VERIFY_DIALOGS(g.dialogs);
        destroyClosedWindows();
        QVERIFY(!w);
    }
    // Race day: the sounds of a race (none at all with sound off), the caller's line, read out as it
    // changes, ending on the result; with results in the race window, the settlement's texts in the
    // order its boxes show them, in one panel, its OK closing the window.
    void raceDay()
    {
        QStringList boxes;
        for (const bool panel : {false, true}) {
            RaceGame g(500, 0, "You Have No Shares", true);
            testing::RecordedSounds sounds;
            platform::setSoundOn(!panel);
            platform::setSwitch(platform::resultsInRaceWindowKey, panel);
            QPointer<RaceWindow> w = app::window<RaceWindow>();
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            g.random.pushDraw(5, 5), in<QPushButton>(w, "Command1")->click();
            for (int i = 0; i < 2 - 2 * panel; ++i)
                g.dialogs.expectAnyMessage();
            for (int round = 0; g.s.racePhase() != game::RacePhase::None && round < 2000; ++round) {
                QMetaObject::invokeMethod(in<QTimer>(w, "raceTimer"), "timeout");
                QEvent drawNow(QEvent::UpdateRequest);
                QCoreApplication::sendEvent(w, &drawNow);
                if (round != 500)
                    continue;
                // Drawn tick by tick, the window shows what it shows drawn afresh (no trails), horses on grass.
                const QImage fresh = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
                QCOMPARE(w->screen()->grabWindow(w->winId()).toImage().convertToFormat(QImage::Format_RGB32), fresh);
                for (const char *horse : {"Picture1", "Picture5"})
                    QVERIFY(fresh.pixelColor(in(w, horse)->geometry().center()) != QColor(7, 187, 7));
            }
            auto *caller = in<QLabel>(w, "lblCommentary");
            QVERIFY(caller->text().startsWith("Black Beauty wins it") && caller->accessibleName() == caller->text());
            if (!panel) {
                boxes = g.dialogs.messageTexts().mid(2);  // after the stake's and the bet's
                QCOMPARE(boxes.size(), 2);
                QVERIFY(sounds.calls.size() > 10 && sounds.calls.first(2) == QStringList({"play StartBell", "loop Hoofbeats 0.30"}));
                QCOMPARE(sounds.calls.mid(sounds.calls.size() - 3), QStringList({"stop", "play Crowd", "play Coin"}));
                continue;
            }
            QVERIFY(g.dialogs.messages().size() == 2 && sounds.calls.isEmpty() && w->isVisible());
            QCOMPARE(in<QLabel>(w, "lblResults")->text().split('\n'), QStringList({boxes[0], boxes[1].trimmed()}));
            const QWidget *panelShown = in<QWidget>(w, "fraResults");  // over the middle of the course
            const QPoint off = panelShown->geometry().center() - panelShown->parentWidget()->rect().center();
            QVERIFY(panelShown->isVisible() && off.manhattanLength() <= 2);
            const QImage shot = panelShown->parentWidget()->grab().toImage();  // the finish line stays in view beside it
            const int y = panelShown->geometry().center().y();
            QVERIFY(std::ranges::any_of(std::views::iota(panelShown->geometry().right() + 1, shot.width()),
                                        [&](int x) { return shot.pixelColor(x, y) == Qt::white; }));
            in<QPushButton>(w, "cmdResultsOk")->click();
            destroyClosedWindows();
            QVERIFY(!w);
        }
    }
    // YES drugs the owned horse's lane for the price, NO and the close box decline; each opens the race.
    // Closed before its start, the race is called off: the bet goes back to the stake.
    void dopingOffer()
    {
        const struct { const char *button; QString mark; int cash; } rows[] = {{"Command1", "1", -500}, {"Command2", "0", 500}, {"", "0", 500}};
        for (const auto &row : rows) {
            RaceGame g(500, 0, "Mr Ed", true);
            QPointer<DopingOfferWindow> offer = app::window<DopingOfferWindow>();
            offer->show();
            QCOMPARE(in<QLabel>(offer, "Label3")->text(), "€1000");
            if (row.mark == "1")
                g.dialogs.expectMessage("You have been charged €1000 for the drugs");
            *row.button ? in<QPushButton>(offer, row.button)->click() : void(offer->close());
            destroyClosedWindows();
            QPointer<RaceWindow> w = app::existingWindow<RaceWindow>();
            QVERIFY(!offer && w && w->isVisible() && in<QLineEdit>(w, "Text1")->text() == row.mark);
            QCOMPARE(in<QProgressBar>(w, "ProgressBar3")->value(), row.mark == "1" ? 900 : 0);
            QVERIFY(w->close());
            destroyClosedWindows();
            QVERIFY(!w && g.s.bet().phase == game::BetPhase::Stake && !g.s.raceUnderWay() && g.s.record().cash == row.cash);
            VERIFY_DIALOGS(g.dialogs);
        }
    }
};
PADDOX_TEST(RaceTest)

#include "race_test.moc"
