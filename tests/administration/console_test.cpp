// The administration console: its password, Apply, its lifetime; the stake field's hidden codes.
#include "admin_fixture.h"
#include "administration/console_window.h"
#include "administration/password_window.h"
#include "backup/backup_window.h"
#include "info/programmer_window.h"
#include "race/race_window.h"
#include "support/test_main.h"

#include <QAction>
#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>

using Typed = std::optional<QString>;

class ConsoleTest : public QObject {
    Q_OBJECT
private slots:
    void password_data()
    {
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<bool>("opens");
        QTest::newRow("exact") << Typed("marwend") << true;
        QTest::newRow("default blank left in front") << Typed(" marwend") << false;
        QTest::newRow("empty") << Typed("") << false;
        QTest::newRow("cancelled") << Typed() << false;
    }
    void password()
    {
        QFETCH(Typed, typed);
        QFETCH(bool, opens);
        SignedIn game(1);
        AdminPasswordWindow *door = app::window<AdminPasswordWindow>();
        door->show();
        game.dialogs.expectInput(typed);
        if (!opens)
            game.dialogs.expectMessage(QStringLiteral("Password Is Incorrect"));
        door->Command1->click();
        VERIFY_DIALOGS(game.dialogs);
        QCOMPARE(game.dialogs.inputs().value(0).prompt, QStringLiteral("Enter The Administration Password:"));
        QVERIFY(!door->isVisible());
        QCOMPARE(app::existingWindow<AdminConsoleWindow>() && app::existingWindow<AdminConsoleWindow>()->isVisible(), opens);
    }
    void apply_data()
    {
        QTest::addColumn<QString>("cash");
        QTest::addColumn<QString>("debt");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("newCash");  // empty: nothing changes
        QTest::addColumn<QString>("newDebt");
        QTest::addColumn<bool>("racing");  // an ordinary race is being run
        const QString tooBig = QStringLiteral("ERROR! That amount is way too big! Please reduced it now!");
        QTest::newRow("million and nothing") << "1000000" << "0" << "Actions Changed" << "1000000" << "0" << false;
        QTest::newRow("negative") << "-250" << "-5" << "Actions Changed" << "-250" << "-5" << false;
        QTest::newRow("blanks, half to even") << " 42 " << "7.5" << "Actions Changed" << "42" << "8" << false;
        QTest::newRow("abc") << "abc" << "0"
                             << "The cash \"abc\" is not an amount of money. Type a whole number of pounds, for "
                                "example 1000 or -50.\n\nNothing has been changed." << "" << "" << false;
        QTest::newRow("cash too big") << "3000000000" << "0" << tooBig << "" << "" << false;
        QTest::newRow("debt too big, cash fine") << "100" << "-2147483649" << tooBig << "" << "" << false;
        QTest::newRow("during a race") << "1000000" << "0"
                                       << "Please wait until the race is over before you change your cash and debt."
                                       << "" << "" << true;
    }
    void apply()
    {
        QFETCH(QString, cash);
        QFETCH(QString, debt);
        QFETCH(QString, message);
        QFETCH(QString, newCash);
        QFETCH(QString, newDebt);
        QFETCH(bool, racing);
        SignedIn game(3);  // the console sets slot 1 whoever is signed in
        if (racing)
            app::window<RaceWindow>()->show();
        game.writeData(QStringLiteral("user1cash.pdx"), "1500\r\n");
        AdminConsoleWindow *console = app::window<AdminConsoleWindow>();
        QCOMPARE(console->Text1->text() + console->Text2->text(), QStringLiteral("User 11500"));
        console->Text2->setText(cash);
        console->Text3->setText(debt);
        game.dialogs.expectMessage(message);
        console->Command1->click();
        VERIFY_DIALOGS(game.dialogs);
        const bool changed = !newCash.isEmpty();
        QCOMPARE(game.file(1, "cash.pdx") + game.file(1, "debt.pdx"),
                 changed ? (newCash + "\r\n" + newDebt + "\r\n").toUtf8() : QByteArray("1500\r\n500\r\n"));
        QCOMPARE(game.office->Text1->text() + " " + game.office->Text2->text(), changed ? newCash + " " + newDebt : "777 88");
    }
    void closesAfterThousandTicks()
    {
        SignedIn game(1);
        QPointer<AdminConsoleWindow> console = app::window<AdminConsoleWindow>();
        console->show();
        QVERIFY(console->Timer1->isActive());
        QCOMPARE(console->Timer1->interval(), 16);
        for (int tick = 1; tick < 1000; ++tick)
            console->Timer1_Timer();
        QVERIFY(console->isVisible());
        console->Timer1_Timer();
        QVERIFY(!console || !console->isVisible());
    }
    void codes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stakeAfter");
        QTest::addColumn<QString>("cashAfter");
        QTest::addColumn<QString>("refusal");  // an ordinary race is being run: what the player is told
        QTest::newRow("vesko") << "vesko" << "" << "12345" << "";
        QTest::newRow("Vesko") << "Vesko" << "Vesko" << "12345" << "";
        QTest::newRow("vesko and a blank") << "vesko " << "vesko " << "12345" << "";
        QTest::newRow("lanternbounty") << "lanternbounty" << "lanternbounty" << "100000" << "";
        QTest::newRow("lanternBounty") << "lanternBounty" << "lanternBounty" << "12345" << "";
        QTest::newRow("inside other text") << "xlanternbounty" << "xlanternbounty" << "12345" << "";
        QTest::newRow("Odmar, horse 1 of that name") << "Odmar Vellis Trunch" << "Odmar Vellis Trunch" << "12345" << "";
        QTest::newRow("Odmar, another horse 1") << "Odmar Vellis Trunch." << "Odmar Vellis Trunch." << "12345" << "";
        QTest::newRow("lanternbounty during a race") << "lanternbounty" << "lanternbounty" << "12345"
                                                     << "Please wait until the race is over before you change your cash.";
    }
    void codes()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stakeAfter);
        QFETCH(QString, cashAfter);
        QFETCH(QString, refusal);
        SignedIn game(2, QStringLiteral("12345"));
        game.office->Option1->setText(QStringLiteral("Odmar Vellis Trunch"));
        if (!refusal.isEmpty())
            app::window<RaceWindow>()->show(), game.dialogs.expectMessage(refusal);
        game.office->Text3->setEditText(typed);
        VERIFY_DIALOGS(game.dialogs);
        QCOMPARE(app::existingWindow<ProgrammerWindow>() != nullptr, typed == "Odmar Vellis Trunch");
        QCOMPARE(game.office->Text3->currentText(), stakeAfter);
        QCOMPARE(game.office->Label10->text(), stakeAfter);
        QCOMPARE(game.office->Text1->text(), cashAfter);
        QCOMPARE(app::existingWindow<AdminPasswordWindow>() && app::existingWindow<AdminPasswordWindow>()->isVisible(), typed == "vesko");
        QCOMPARE(game.file(2, "cash.pdx"), QByteArray("500\r\n"));  // no code saves by itself
    }
    void backupFromToolbar()  // the toolbar button runs the menu item
    {
        SignedIn game(1);
        game.office->Toolbar3->findChild<QAction *>("restore")->trigger();
        QVERIFY(app::existingWindow<BackupWindow>() && app::existingWindow<BackupWindow>()->isVisible());
    }
};

PADDOX_TEST(ConsoleTest)
#include "console_test.moc"
