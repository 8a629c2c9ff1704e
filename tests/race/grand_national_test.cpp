// The Grand National's windows as views of the player's entry: the betting window's Confirm, runner,
// Select Horse and Start; the race played back to its settlement; leaving the entry.
#include "race/grand_national_race_window.h"
#include "race/grand_national_window.h"
#include "race_fixture.h"

class GrandNationalTest : public QObject {
    Q_OBJECT
private slots:
    // Ann (cash 32000, debt 1000) enters Red Rum: lane 1, the odds 2..6. Closing the betting window with the
    // fee paid asks (No keeps it); the stake typed and confirmed, a runner, Select Horse, Start The Race, then
    // Start at Aintree: the playback (four frames at a time once Fast is down) ends in the settlement, which
    // closes the race window and hides the betting window. Closed then, the entry is given up unasked.
    void entryAndRace()
    {
        RaceGame g(32000, 1000, "Red Rum");
        for (int i = 0; i < 6; ++i)  // the odds, Red Rum's lane
            g.random.pushDraw(QList{2, 3, 4, 5, 6, 1}[i], QList{150, 250, 450, 750, 1000, 5}[i]);
        g.dialogs.expectAnyMessage();  // the fee
        game::tell(g.s.enterGrandNational());
        QPointer<GrandNationalWindow> b = app::window<GrandNationalWindow>();
        b->show();
        auto shown = [&](const char *name) { return in(b, name)->property("text").toString(); };
        auto enabled = [&](const char *name) { return in(b, name)->isEnabled(); };
        QCOMPARE(shown("Label1") + "|" + shown("Text1") + "|" + shown("Text2") + "|" + shown("Label9") + "|" + shown("Option3") + "|" +
                     shown("Label16"), "Welcome To The GrandNational: Ann|2000|1000|Red Rum|Runaway Heaven|4");
        QVERIFY(!enabled("Option1") && !enabled("Command3") && !enabled("Command2") && enabled("Command1"));
        g.dialogs.expectMessage("Leave the Grand National? Your horse has not run, and the €30,000 entry fee is not refunded.", platform::Answer::No);
        QVERIFY(!b->close() && b->isVisible());
        QLineEdit *stake = in<QComboBox>(b, "Text3")->lineEdit();
        stake->selectAll(), QTest::keyClicks(stake, "500");  // over "Enter Bet Amount"
        g.dialogs.expectMessage("You are placing €500 on this next race");
        in<QPushButton>(b, "Command1")->click();
        QVERIFY(shown("Label10") == "500" && shown("Text1") == "1500" && enabled("Option5") && !enabled("Text3") && !enabled("Command1"));
        in<QRadioButton>(b, "Option2")->click();
        QCOMPARE(shown("Label11") + "|" + shown("Label12"), "1500|Super Z");
        in<QPushButton>(b, "Command3")->click();
        QVERIFY(!enabled("Option2") && enabled("Command2"));
        in<QPushButton>(b, "Command2")->click();
        QPointer<GrandNationalRaceWindow> race = app::existingWindow<GrandNationalRaceWindow>();
        QVERIFY(race && race->isVisible());
        QCOMPARE(race->windowTitle() + "|" + in<QLabel>(race, "Label1")->text() + "|" + in<QLabel>(race, "Label5")->text(),
                 "Welcome To The GrandNational Race. Your Horse Is: Red Rum|The Horse You Have Bet On Is: Super Z|Runaway Heaven");
        for (int lane = 1; lane <= 5; ++lane)  // Runaway Heaven past 8160, the others to 4520; no charge
            for (int move = 0; move < (lane == 3 ? 161 : 88); ++move)
                g.random.pushDraw(lane, 300), g.random.pushDraw(50, 50);
        g.random.pushDraw(1, 4), in<QPushButton>(race, "Command1")->click();
        QVERIFY(!race->close() && race->isVisible());
        g.dialogs.expectMessage("The Winner Was Runaway Heaven (Horse 3)"), g.dialogs.expectMessage(" Your Horse Lost");
        QTimer *playback = in<QTimer>(race, "tmrPlayback");
        int frames = 0;
        while (race && playback->isActive() && ++frames < 2000) {
            QMetaObject::invokeMethod(playback, "timeout");
            if (frames == 100)
                in<QPushButton>(race, "cmdFast")->click();
        }
        QCOMPARE(frames, 310);  // 15 s at 16 ms a frame: 100 frames, then the other 837.5 four at a time
        VERIFY_DIALOGS(g.dialogs);
        destroyClosedWindows();
        QVERIFY(!race && b->isHidden() && enabled("Command1") && enabled("Text3") && !enabled("Command2"));
        QCOMPARE(shown("Text4") + "|" + shown("Text1") + "|" + shown("Text2"), "Runaway Heaven|1500|1255");
        QVERIFY(b->close());
        destroyClosedWindows();
        QVERIFY(!b && !g.s.grandNational());
    }
};
PADDOX_TEST(GrandNationalTest)

#include "grand_national_test.moc"
