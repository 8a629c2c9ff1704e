// The betting office as a view of the game: each control's wiring, found by its name, once per path.
#include "administration/password_window.h"
#include "app/window_registry.h"
#include "backup/backup_window.h"
#include "book/race_book_window.h"
#include "game/session.h"
#include "hall/hall_of_fame_window.h"
#include "info/programmer_window.h"
#include "office/betting_office_window.h"
#include "platform/widgets/panel_status_bar.h"
#include "player/horse_options_window.h"
#include "player/sign_in_window.h"
#include "race/doping_offer_window.h"
#include "race/race_window.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_random.h"
#include "support/test_installation.h"
#include "support/test_main.h"

#include <QtWidgets>

using platform::Answer;

namespace {

const QString noShares = "You Have No Shares";
const QStringList horses = {"Red Rum", "Desert Orchard", "Mr Ed", "Whopper Meal With Fries", "Black Beauty"};

bool shownActive(QWidget *window) { return window->show(), window->activateWindow(), QTest::qWaitForWindowActive(window); }
template <class W>
bool shown() { return app::existingWindow<W>() && app::existingWindow<W>()->isVisible(); }
QStringList numbered(const QString &stem, int from) { QStringList names; for (int i = from; i < from + 5; ++i) names << stem.arg(i); return names; }

// The office shown on a fresh installation (the files given written first), slot 1 signed in with
// debt 500; the card's tip names horse 1, the jockeys come in order, the odds are 15, 7, 45, 1, 100.
struct Office {
    testing::TestInstallation installation;
    testing::ScriptedDialogs dialogs;
    testing::ScriptedRandom random;
    BettingOfficeWindow *w = nullptr;
    explicit Office(int cash = 500, const QString &share = noShares, const QStringList &names = horses,
                    const QList<std::pair<QString, const char *>> &files = {})
    {
        installation.writeDefaultPlayers();
        for (const auto &[name, bytes] : files)
            bytes ? installation.writeData(name, bytes) : void(QFile::remove(installation.dataFile(name)));
        random.pushDraw(1, 5), random.push(0);  // the tip, the jockeys' order
        for (const auto &[odds, top] : {std::pair{15, 15}, {7, 25}, {45, 45}, {1, 75}, {100, 100}})
            random.pushDraw(odds, top);
        w = app::window<BettingOfficeWindow>();
        game::PlayerRecord record{1, "User 1", {}, "£", cash, 500, share, {}};
        std::copy(names.begin(), names.end(), record.horses.begin());
        game::session().signIn(record);
        shownActive(w);
    }
    template <class T = QWidget>
    T *get(const QString &name) const { T *c = w->findChild<T *>(name); return c ? c : (qFatal("no control %s", qPrintable(name)), c); }
    QStringList texts(const QStringList &names) const
    {
        QStringList shown;
        for (const QString &name : names)
            shown << get(name)->property(get(name)->inherits("QComboBox") ? "currentText" : "text").toString();
        return shown;
    }
    QString text(const QString &name) const { return texts({name})[0]; }
    QString flags(const QStringList &names, bool (QWidget::*is)() const = &QWidget::isEnabled) const
    {
        QString flags;
        for (const QString &name : names)
            flags += (get(name)->*is)() ? '1' : '0';
        return flags;
    }
    void press(const QString &name) const { get(name)->setFocus(), get<QAbstractButton>(name)->click(); }
    void trigger(const QString &action) const { get<QAction>(action)->trigger(); }
    // The messages an action shows, answered in order (`answers`, then OK); the windows it closed are gone.
    QStringList said(const std::function<void()> &action, const QList<Answer> &answers = {})
    {
        dialogs.clear();
        for (int i = 0; i < 8; ++i)
            dialogs.expectAnyMessage(answers.value(i, Answer::Ok));
        action();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return dialogs.messageTexts();
    }
    QString panel(int number) const { return get<platform::PanelStatusBar>("StatusBar1")->panelText(number); }
};

}  // namespace

class OfficeWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The load: the office files, the record and the card (names as plain text, the tip on one line: a longer
    // name cut short, whole in the tool tip). Close Wizard narrows the window, writes the flag Check1 decides.
    void loadAndWizardBand()
    {
        const struct { const char *flag, *country, *option; QString shown, sign; QTabWidget::TabShape shape; int wide; } rows[] = {
            {nullptr, "Eire\r\n", "1\r\n", "Eire", "$", QTabWidget::Triangular, 30},
            {"0\r\n", "Eire\r\nPortugal\r\n", nullptr, "Portugal", "£", QTabWidget::Rounded, 60}};  // an unknown country
        for (const auto &row : rows) {
            const QStringList names = QStringList{QString(row.wide, 'W')} + horses.mid(1);
            Office o(1234, "<b>Bob</b>", names, {{"pwiz04.dll", row.flag}, {"pdxcountry.pdx", row.country}, {"option.pdx", row.option}});
            QVERIFY(o.installation.readData("pwiz04.dll") == "0\r\n" && o.get("Label40")->isVisible());
            QVERIFY(o.get<QTabWidget>("SSTab1")->tabShape() == row.shape && QApplication::focusWidget() == o.get("Text3"));
            QCOMPARE(o.texts({"Label26", "Label1", "Label2", "Text1", "Text2", "Text3", "Label24", "Label16"}),
                     QStringList({row.shown, "Cash " + row.sign, "Debt " + row.sign, "1234", "500", "Enter Your Stake......", "Welcome: User 1", "<b>Bob</b>"}));
            QCOMPARE(o.texts(numbered("Label%1", 4) + numbered("Label44_%1", 0) + numbered("Option%1", 1)),
                     QStringList({"15", "7", "45", "1", "100", "Dusty Calloway", "Hank Marlowe", "Slim Tolliver", "Jed Harrow",
                                  "Amos Fairweather"}) + names);
            QCOMPARE(o.flags({"Option1", "Option5", "Command1", "Command3", "Command9", "Command10", "Text3"}), "0000011");
            for (const char *name : {"Label24", "Label16", "Label57", "Label14", "Label56"})
                QCOMPARE(o.get<QLabel>(name)->textFormat(), Qt::PlainText);
            auto *tip = o.get<QLabel>("Label56");
            const QString whole = "Scorhers Predicts That " + names[0] + " Will Win This Race";
            QVERIFY(row.wide == 30 ? tip->text() == whole && tip->toolTip().isEmpty()
                                   : tip->text().startsWith("Scorhers Predicts That WWWWWWWWWW") && tip->text().endsWith(" Will Win This Race") && tip->toolTip() == whole);
            QVERIFY(!tip->wordWrap() && tip->font().pointSizeF() >= 7 && tip->fontMetrics().horizontalAdvance(tip->text()) <= tip->contentsRect().width());
            const int before = o.w->width();
            o.get<QCheckBox>("Check1")->setChecked(row.wide == 60);
            o.press("Command112"), o.press("Command112");  // nothing narrows it twice
            QVERIFY(o.get("wizardBand")->isHidden() && o.w->width() == before - o.get("wizardBand")->width());
            QCOMPARE(o.installation.readData("pwiz04.dll"), row.wide == 60 ? "0\r\n" : "1\r\n");
        }
    }

    // A typed stake stays as typed (nothing completes it); the stake field's codes reach their windows.
    void stakeBoxes()
    {
        Office o(500, noShares, QStringList{"Odmar Vellis Trunch"} + horses.mid(1));
        for (const auto &[box, typed] : {std::pair{"Text3", "8"}, {"Text3", "25"}, {"wiz1", "5"}, {"wiz1", "80"}}) {
            auto *combo = o.get<QComboBox>(box);
            combo->setFocus();
            combo->lineEdit()->clear();
            QTest::keyClicks(combo, typed);
            QTest::keyClick(combo, Qt::Key_Return);
            QCOMPARE(combo->currentText(), QString(typed));
        }
        auto *stake = o.get<QComboBox>("Text3");
        stake->setEditText("vesko");
        QVERIFY(shown<AdminPasswordWindow>() && stake->currentText().isEmpty() && !shown<ProgrammerWindow>());
        stake->setEditText("Odmar Vellis Trunch");
        stake->setEditText("lanternbounty");
        QVERIFY(shown<ProgrammerWindow>() && o.text("Text1") == "100000");
    }

    // The Betting tab's bet, Start (the owner meets the doping offer first); the wizard's step follows it.
    void bettingTab()
    {
        Office o(5000, "Mr Ed");
        o.get<QComboBox>("Text3")->setEditText("200");
        QCOMPARE(o.said([&] { o.press("Command10"); }, {Answer::Yes}),
                 QStringList({"Are You Sure That You Want To Play £200 On This Race?", "You are placing £200 on this next race"}));
        QVERIFY(o.flags({"Text3", "Command10", "Command9", "Option1", "Option5", "Command1", "Command3"}) == "0011100" && o.text("Label46") == "STEP 2:");
        QVERIFY(QApplication::focusWidget() != o.get("Option11"));  // the keyboard stays off the wizard's horses
        o.press("Option3");
        const QString going = "You Are Going To Place A Bet On: Mr Ed";
        QCOMPARE(o.texts({"Label10", "Label14", "Label12", "Label47", "Label48"}), QStringList({"200", "Mr Ed", "9000", going, "9000"}));
        QVERIFY(o.panel(3) == going && o.get<QRadioButton>("Option13")->isChecked());
        QCOMPARE(o.said([&] { o.press("Command1"); }), QStringList("You Are Betting £200 on Mr Ed. If you win, you will win £9000. Good Luck!"));
        QVERIFY(QApplication::focusWidget() == o.get("Command3") && o.text("Label46") == "STEP 3:");
        QCOMPARE(o.flags({"Option3", "Command1", "Command3"}), "001");
        o.press("Command3");
        QVERIFY(!o.get("Command3")->isEnabled() && shown<DopingOfferWindow>() && !shown<RaceWindow>());
    }

    // During a race the menus, the toolbar and the close box say to wait; Cancel calls off a race not started (its window
    // closes, the stake field takes the keyboard); once the horses run the bet stays.
    void raceUnderWay()
    {
        for (const bool running : {false, true}) {
            Office o(5000);
            game::Session &s = game::session();
            o.said([&] { game::tell(s.confirmStake("200")), s.chooseHorse(5), game::tell(s.placeBet()); });
            o.press("Command3");  // the race window opens (no doping offer: no share)
            if (running)
                s.startRunning();
            for (const auto &[action, what] : {std::pair{"mnuoption", "rename your horses"}, {"rename", "rename your horses"},
                                               {"diffuser", "log off"}, {"Log_Off", "log off"}, {"rest", "reset your data"},
                                               {"reset", "reset your data"}, {"exit", "leave Paddox"}, {"", "leave Paddox"}})
                QCOMPARE(o.said([&] { *action ? o.trigger(action) : void(o.w->close()); }),
                         QStringList(QStringLiteral("Please wait until the race is over before you %1.").arg(what)));
            QVERIFY(o.w->isVisible() && !app::existingWindow<HorseOptionsWindow>() && o.installation.endRequests() == 0);
            o.get("Label39")->setFocus();
            const QImage link = o.get("Label39")->grab().toImage();  // the keyboard's frame on its last row
            const QRgb frame = o.get("Label39")->palette().color(QPalette::WindowText).rgb();
            int dots = 0;
            for (int x = 1; x < link.width() - 1; ++x)
                dots += link.pixel(x, link.height() - 1) == frame;
            QVERIFY(dots >= link.width() / 4);
            o.said([&] { QTest::keyClick(o.get("Label39"), running ? Qt::Key_Space : Qt::Key_Enter); });  // the link takes both
            QCOMPARE(app::existingWindow<RaceWindow>() != nullptr, running);
            QCOMPARE(o.flags({"Text3", "Command10", "Command3", "Option5"}), running ? "0000" : "1100");
            QVERIFY(o.text("Label46") == "STEP 1:" && (QApplication::focusWidget() == o.get("Text3")) == !running);
            o.said([&] { game::tell(s.confirmStake("100")); });  // the next stake starts with no horse chosen
            QVERIFY(running || (!o.get<QRadioButton>("Option5")->isChecked() && !o.get("Command1")->isEnabled()));
        }
    }

    // The wizard: stake, horse, tip, bet and start; each step hands the keyboard on.
    void wizard()
    {
        Office o(1000);
        QCOMPARE(o.said([&] { o.press("Command12"); }), QStringList("Please Select A Stake"));
        o.get<QComboBox>("wiz1")->setCurrentIndex(2);
        QCOMPARE(o.said([&] { o.press("Command12"); }, {Answer::Yes}),
                 QStringList({"Are You Sure That You Want To Play £200 On This Race?", "You are placing £200 on this next race"}));
        QVERIFY(o.text("Text3") == "200" && QApplication::focusWidget() == o.get("Option11"));
        o.press("Option13");
        QVERIFY(o.get<QRadioButton>("Option3")->isChecked() && o.text("Label47") == "You Are Going To Place A Bet On: Mr Ed");
        o.random.pushDraw(5, 5);
        o.press("cmdst");
        QVERIFY(o.text("Label56") == "Scorhers Predicts That Black Beauty Will Win This Race" && o.get("cmdst")->isHidden());
        QCOMPARE(o.said([&] { o.press("Command19"); }), QStringList("You Are Betting £200 on Mr Ed. If you win, you will win £9000. Good Luck!"));
        QVERIFY(o.text("Label46") == "STEP 3:" && QApplication::focusWidget() == o.get("Command17"));
        o.press("Command17");
        QVERIFY(shown<RaceWindow>() && o.get("Command17")->isHidden());
    }

    // A loan; the auction's list, buying and selling.
    void loansAndShares()
    {
        Office o(30000);
        o.get<QLineEdit>("Text10")->setText("2000");
        QCOMPARE(o.said([&] { o.press("Command6"); }), QStringList("You are borrowing £2000. You now have £32000"));
        QVERIFY(o.texts({"Text1", "Text2"}) == QStringList({"32000", "2500"}) && !o.get("Command6")->isEnabled());
        for (const auto &[price, top] : {std::pair{30000, 50000}, {20000, 40000}, {20000, 30000}, {20000, 26000}, {15000, 20000}})
            o.random.pushDraw(price, top);
        o.press("Command4");
        const QStringList prices = {"30000", "20000", "20000", "20000", "15000"};  // also in the hidden Text5..Text9
        QCOMPARE(o.texts(numbered("Option%1", 6) + numbered("Label%1", 51) + numbered("Text%1", 5)), horses + prices + prices);
        QCOMPARE(o.flags({"Option6", "Label55", "Command5", "horsecost_1", "Command8"}, &QWidget::isHidden), "00001");
        o.press("Option10");
        QCOMPARE(o.said([&] { o.press("Command5"); }), QStringList());
        QCOMPARE(o.texts({"horsecost_1", "Text1", "Label16", "Label57"}), QStringList({"15000", "17000", "Black Beauty", "Black Beauty"}));
        QCOMPARE(o.flags({"Option6", "Command5", "Command8"}, &QWidget::isHidden), "110");
        o.random.pushDraw(12345, 25000);
        QCOMPARE(o.said([&] { o.press("Command8"); }), QStringList("Your Horse As Been Sold For £12345"));
        QVERIFY(o.texts({"Text1", "Label16", "Label57"}) == QStringList({"29345", noShares, noShares}) && o.get("Command8")->isHidden());
    }

    // OK (the default button) renames the horses wherever shown, the share and tip too; a refusal keeps all.
    void horseOptions()
    {
        const QStringList own = {"One", "Two", "Mr Ed", "Four", "Five"};
        for (const bool refused : {false, true}) {
            Office o(500, "Mr Ed", own);
            o.trigger("mnuoption");
            HorseOptionsWindow *options = app::existingWindow<HorseOptionsWindow>();
            QVERIFY(options && shownActive(options) && options->findChild<QLineEdit *>("txtHorse_0")->text() == "One");
            options->findChild<QRadioButton *>("selec_0")->click();
            options->findChild<QLineEdit *>("txtHorse_3")->setText(refused ? "Wolf" : "Grass Vulture");
            QCOMPARE(o.said([&] { QTest::keyClick(options->findChild<QLineEdit *>("txtHorse_0"), Qt::Key_Return); }),
                     refused ? QStringList("Every horse needs a name of its own: Horse 2 and Horse 4 are both called \"Wolf\".") : QStringList());
            QVERIFY(refused ? shown<HorseOptionsWindow>() && QApplication::focusWidget() == options->findChild<QLineEdit *>("txtHorse_3")
                            : !app::existingWindow<HorseOptionsWindow>());
            const QStringList after = refused ? own : QStringList({"Dash Of Light", "Wolf", "Dash Hound", "Grass Vulture", "Grayhound"});
            QCOMPARE(o.texts(numbered("Option%1", 1) + numbered("Option%1", 11) + QStringList({"Label16", "Label57", "Label56"})),
                     after + after + QStringList({after[2], after[2], "Scorhers Predicts That " + after[0] + " Will Win This Race"}));
        }
    }

    // The save display's thirty ticks; a failed save stops it; a failed quiet save's note stays till one gets through.
    void saveDisplay()
    {
        Office o;
        o.trigger("saveme");
        QCOMPARE(o.panel(2), "Saving:");
        auto *timer = o.get<QTimer>("Timer2");
        auto *bar = o.get<QProgressBar>("progSave");
        for (int tick = 1; tick <= 30; ++tick) {
            QTimerEvent event(timer->timerId());
            QCoreApplication::sendEvent(timer, &event);
            QVERIFY(bar->value() == tick && bar->isHidden() == (tick == 30) && timer->isActive() == (tick < 30) && o.panel(2) == (tick < 30 ? "Saving Data" : ""));
        }
        const QString cashFile = o.installation.dataFile("user1cash.pdx");  // a folder in its place: no save writes it
        QVERIFY(QFile::remove(cashFile) && QDir().mkpath(cashFile));
        const QString failed = "Your game could not be saved. This file could not be written:\n" + QDir::toNativeSeparators(cashFile);
        QVERIFY(o.said([&] { o.trigger("saveme"); }).value(0).startsWith(failed) && o.panel(2).isEmpty() && !timer->isActive());
        o.get<QLineEdit>("Text10")->setText("100");
        QCOMPARE(o.said([&] { o.press("Command6"); }), QStringList("You are borrowing £100. You now have £600"));  // told before
        QCOMPARE(o.panel(2), "Not saved");
        QVERIFY(o.said([&] { o.trigger("saveme"); }).value(0).startsWith(failed) && o.panel(2) == "Not saved");
        QVERIFY(QDir().rmdir(cashFile));
        QCOMPARE(o.said([&] { o.press("Command7"); }), QStringList("You Have Paid Back £100. You now have £500"));
        QVERIFY(o.panel(2).isEmpty() && o.texts({"Text1", "Text2"}) == QStringList({"500", "500"}));
    }

    // Log off hides the office for the sign-in, closes the player's windows, clears the stake, sale and loan fields;
    // Exit ends the program, the close box leaves through the hall of fame, both after a quiet save.
    void leaving()
    {
        {
            Office o;
            o.get<QLineEdit>("Text10")->setText("100");
            o.get<QComboBox>("Text3")->setEditText("80");
            o.press("Command4"), o.press("Option8");  // a horse chosen at the auction
            for (const char *window : {"mnuoption", "backup", "mnuBook"})
                o.trigger(window);
            QVERIFY(shown<HorseOptionsWindow>() && shown<BackupWindow>() && shown<RaceBookWindow>());
            QCOMPARE(o.said([&] { o.trigger("diffuser"); }, {Answer::Yes}), QStringList("Are You Sure You Wish To Log Off?"));
            QVERIFY(!o.w->isVisible() && shown<SignInWindow>());
            QVERIFY(!shown<HorseOptionsWindow>() && !shown<BackupWindow>() && !shown<RaceBookWindow>() && !o.get<QRadioButton>("Option8")->isChecked());
            QCOMPARE(o.texts({"Text3", "Text10"}), QStringList({"Enter Your Stake......", "Enter Amount"}));
        }
        for (const bool viaExit : {true, false}) {
            Office o(321);
            QFile::remove(o.installation.dataFile("user1cash.pdx"));
            QVERIFY(o.said([&] { viaExit ? o.trigger("exit") : void(o.w->close()); }).isEmpty());
            QVERIFY(o.installation.endRequests() == int(viaExit) && shown<HallOfFameWindow>() == !viaExit);
            QVERIFY((app::existingWindow<BettingOfficeWindow>() != nullptr) == viaExit && o.installation.readData("user1cash.pdx") == "321\r\n");
        }
    }
};
PADDOX_TEST(OfficeWindowTest)

#include "office_window_test.moc"
