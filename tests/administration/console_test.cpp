// The administration console: its password, Apply, its lifetime; the stake field's hidden codes.
#include "admin_fixture.h"
#include "administration/console_window.h"
#include "administration/password_window.h"
#include "backup/backup_window.h"
#include "info/programmer_window.h"

using testing::control;

namespace {
template <class W> bool shown() { return app::existingWindow<W>() && app::existingWindow<W>()->isVisible(); }
}  // namespace

class ConsoleTest : public QObject {
    Q_OBJECT
private slots:
    void password()
    {
        // What is typed into the password box (nothing: cancelled), whether the console opens.
        const std::pair<std::optional<QString>, bool> rows[] = {
            {"marwend", true}, {" marwend", false} /* the default blank left in front */, {"", false}, {{}, false}};
        for (const auto &[typed, opens] : rows) {
            SignedIn game(1);
            AdminPasswordWindow *door = app::window<AdminPasswordWindow>();
            door->show();
            game.dialogs.expectInput(typed);
            if (!opens)
                game.dialogs.expectMessage(QStringLiteral("Password Is Incorrect"));
            control(door, "Command1")->click();
            VERIFY_DIALOGS(game.dialogs);
            QCOMPARE(game.dialogs.inputs().value(0).prompt, QStringLiteral("Enter The Administration Password:"));
            QVERIFY(!door->isVisible());
            QCOMPARE(shown<AdminConsoleWindow>(), opens);
        }
    }
    void apply()
    {
        const QString tooBig = QStringLiteral("ERROR! That amount is way too big! Please reduced it now!");
        // Typed cash and debt, the message, the new cash and debt (none: nothing changes), whether a race is being run.
        const struct { const char *cash, *debt; QString message; const char *newCash, *newDebt; bool racing; } rows[] = {
            {"1000000", "0", "Actions Changed", "1000000", "0", false},
            {"-250", "-5", "Actions Changed", "-250", "-5", false},
            {" 42 ", "7.5", "Actions Changed", "42", "8", false},  // blanks, half to even
            {"abc", "0", "The cash \"abc\" is not an amount of money. Type a whole number of pounds, for example 1000 or -50."
                         "\n\nNothing has been changed.", "", "", false},
            {"3000000000", "0", tooBig, "", "", false},
            {"100", "-2147483649", tooBig, "", "", false},
            {"1000000", "0", "Please wait until the race is over before you change your cash and debt.", "", "", true}};
        for (const auto &r : rows) {
            ROW(r.cash);
            SignedIn game(3);  // the console sets slot 1 whoever is signed in
            if (r.racing)
                game.startRace();
            game.writeData(QStringLiteral("user1cash.pdx"), "1500\r\n");
            AdminConsoleWindow *console = app::window<AdminConsoleWindow>();
            QCOMPARE(control<QLineEdit>(console, "Text1")->text() + control<QLineEdit>(console, "Text2")->text(), "User 11500");
            control<QLineEdit>(console, "Text2")->setText(r.cash);
            control<QLineEdit>(console, "Text3")->setText(r.debt);
            game.dialogs.expectMessage(r.message);
            control(console, "Command1")->click();
            VERIFY_DIALOGS(game.dialogs);
            const QString changed = *r.newCash ? QStringLiteral("%1\r\n%2\r\n").arg(r.newCash, r.newDebt) : QString();
            QCOMPARE(game.file(1, "cash.pdx") + game.file(1, "debt.pdx"), changed.isEmpty() ? "1500\r\n500\r\n" : changed.toUtf8());
            QCOMPARE(QStringLiteral("%1\r\n%2\r\n").arg(game.cash()).arg(game.debt()), changed.isEmpty() ? "777\r\n88\r\n" : changed);
        }
    }
    void closesAfterThousandTicks()
    {
        SignedIn game(1);
        QPointer<AdminConsoleWindow> console = app::window<AdminConsoleWindow>();
        console->show();
        QTimer *lifetime = control<QTimer>(console, "Timer1");
        QVERIFY(lifetime->isActive() && lifetime->interval() == 16);
        for (int tick = 1; tick < 1000; ++tick)
            testing::fire(lifetime);
        QVERIFY(console->isVisible());
        testing::fire(lifetime);
        QVERIFY(!console || !console->isVisible());
    }
    void codes()
    {
        const char *odmar = "Odmar Vellis Trunch";
        // Typed into the stake field, the stake afterwards, the cash afterwards, the refusal during a race.
        const struct { const char *typed, *stakeAfter; int cashAfter; const char *refusal; } rows[] = {
            {"vesko", "", 12345, ""}, {"Vesko", "Vesko", 12345, ""}, {"vesko ", "vesko ", 12345, ""},
            {"lanternbounty", "lanternbounty", 100000, ""}, {"lanternBounty", "lanternBounty", 12345, ""},
            {"xlanternbounty", "xlanternbounty", 12345, ""},
            {odmar, odmar, 12345, ""},  // horse 1 is called so: the programmer window
            {"Odmar Vellis Trunch.", "Odmar Vellis Trunch.", 12345, ""},
            {"lanternbounty", "lanternbounty", 12345, "Please wait until the race is over before you change your cash."}};
        for (const auto &r : rows) {
            ROW(r.typed);
            SignedIn game(2, 12345);
            game::PlayerRecord record = game::session().record();
            record.horses[0] = QString::fromLatin1(odmar);
            game::session().signIn(record);
            if (*r.refusal)
                game.startRace(), game.dialogs.expectMessage(r.refusal);
            auto *stake = control<QComboBox>(game.office, "Text3");
            stake->setEditText(r.typed);
            VERIFY_DIALOGS(game.dialogs);
            QCOMPARE(app::existingWindow<ProgrammerWindow>() != nullptr, QByteArray(r.typed) == odmar);
            QCOMPARE(stake->currentText(), r.stakeAfter);
            QCOMPARE(control<QLabel>(game.office, "Label10")->text(), r.stakeAfter);
            QCOMPARE(game.cash(), r.cashAfter);
            QCOMPARE(shown<AdminPasswordWindow>(), QByteArray(r.typed) == "vesko");
            QCOMPARE(game.file(2, "cash.pdx"), QByteArray("500\r\n"));  // no code saves by itself
        }
    }
    void backupFromToolbar()  // the toolbar button runs the menu item
    {
        SignedIn game(1);
        control<QAction>(game.office, "restore")->trigger();
        QVERIFY(shown<BackupWindow>());
    }
};

PADDOX_TEST(ConsoleTest)
#include "console_test.moc"
