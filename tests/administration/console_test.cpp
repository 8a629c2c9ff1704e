// The administration console: its password, Apply, its lifetime, and the stake field's hidden codes.
#include "admin_fixture.h"

#include "administration/console_window.h"
#include "administration/password_window.h"
#include "backup/backup_window.h"
#include "support/test_main.h"

#include <QAction>
#include <QComboBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>

using admintest::SignedIn;

class ConsoleTest : public QObject {
    Q_OBJECT
private slots:
    void password_data()
    {
        QTest::addColumn<std::optional<QString>>("typed");
        QTest::addColumn<bool>("opens");
        QTest::newRow("exact") << std::optional<QString>("marwend") << true;
        QTest::newRow("default blank left in front") << std::optional<QString>(" marwend") << false;
        QTest::newRow("empty") << std::optional<QString>("") << false;
        QTest::newRow("cancelled") << std::optional<QString>() << false;
        QTest::newRow("other case") << std::optional<QString>("Marwend") << false;
    }
    void password()
    {
        QFETCH(std::optional<QString>, typed);
        QFETCH(bool, opens);
        SignedIn game(1);
        Form15 *door = app::window<Form15>();
        door->show();
        game.dialogs.expectInput(typed);
        if (!opens)
            game.dialogs.expectMessage(QStringLiteral("Password Is Incorrect"));
        door->Command1->click();
        VERIFY_DIALOGS(game.dialogs);
        QCOMPARE(game.dialogs.inputs().value(0).prompt, QStringLiteral("Enter The Administration Password:"));
        QCOMPARE(game.dialogs.inputs().value(0).title, QStringLiteral("Enter Password"));
        QVERIFY(!door->isVisible());
        const frmadim *console = app::existingWindow<frmadim>();
        QCOMPARE(console != nullptr && console->isVisible(), opens);
    }

    void apply_data()
    {
        QTest::addColumn<QString>("cash");
        QTest::addColumn<QString>("debt");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("newCash");  // empty: nothing changes
        QTest::addColumn<QString>("newDebt");
        QTest::newRow("million and nothing") << "1000000" << "0" << "Actions Changed" << "1000000" << "0";
        QTest::newRow("negative") << "-250" << "-5" << "Actions Changed" << "-250" << "-5";
        QTest::newRow("blanks, half to even") << " 42 " << "7.5" << "Actions Changed" << "42" << "8";
        QTest::newRow("not a number")
            << "abc" << "0"
            << "The cash \"abc\" is not an amount of money. Type a whole number of pounds, for example 1000 or "
               "-50.\n\nNothing has been changed." << "" << "";
        QTest::newRow("debt not a number")
            << "10" << "" << "The debt \"\" is not an amount of money. Type a whole number of pounds, for example "
                             "1000 or -50.\n\nNothing has been changed." << "" << "";
        QTest::newRow("cash too big") << "3000000000" << "0"
                                      << "ERROR! That amount is way too big! Please reduced it now!" << "" << "";
        QTest::newRow("debt too big, cash fine") << "100" << "-2147483649"
                                                 << "ERROR! That amount is way too big! Please reduced it now!" << "" << "";
    }
    void apply()
    {
        QFETCH(QString, cash);
        QFETCH(QString, debt);
        QFETCH(QString, message);
        QFETCH(QString, newCash);
        QFETCH(QString, newDebt);
        SignedIn game(3);  // the console sets slot 1 whoever is signed in
        game.writeData(QStringLiteral("user1cash.pdx"), "1500\r\n");
        frmadim *console = app::window<frmadim>();
        QCOMPARE(console->Text1->text(), QStringLiteral("User 1"));
        QCOMPARE(console->Text2->text(), QStringLiteral("1500"));
        console->Text2->setText(cash);
        console->Text3->setText(debt);
        game.dialogs.expectMessage(message);
        console->Command1->click();
        VERIFY_DIALOGS(game.dialogs);
        const bool changed = !newCash.isEmpty();
        QCOMPARE(game.file(1, "cash.pdx"), changed ? newCash.toUtf8() + "\r\n" : QByteArray("1500\r\n"));
        QCOMPARE(game.file(1, "debt.pdx"), changed ? newDebt.toUtf8() + "\r\n" : QByteArray("500\r\n"));
        QCOMPARE(game.office->Text1->text(), changed ? newCash : QStringLiteral("777"));
        QCOMPARE(game.office->Text2->text(), changed ? newDebt : QStringLiteral("88"));
        QCOMPARE(game.file(3, "cash.pdx"), QByteArray("500\r\n"));  // slot 3 waits for its own save
    }

    void closesAfterThousandTicks()
    {
        SignedIn game(1);
        QPointer<frmadim> console = app::window<frmadim>();
        console->show();
        QVERIFY(console->Timer1->isActive());
        QCOMPARE(console->Timer1->interval(), 16);
        console->Text2->setText(QStringLiteral("99"));  // edits not applied are lost
        for (int tick = 1; tick < 1000; ++tick)
            console->Timer1_Timer();
        QVERIFY(console->isVisible());
        QCOMPARE(console->ProgressBar1->value(), 999);
        console->Timer1_Timer();
        admintest::flushDeletes();
        QVERIFY(!console);
        QCOMPARE(game.file(1, "cash.pdx"), QByteArray("500\r\n"));
    }

    void codes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stakeAfter");
        QTest::addColumn<QString>("cashAfter");
        QTest::addColumn<bool>("passwordWindow");
        QTest::newRow("vesko") << "vesko" << "" << "12345" << true;
        QTest::newRow("Vesko") << "Vesko" << "Vesko" << "12345" << false;
        QTest::newRow("vesko and a blank") << "vesko " << "vesko " << "12345" << false;
        QTest::newRow("lanternbounty") << "lanternbounty" << "lanternbounty" << "100000" << false;
        QTest::newRow("lanternBounty") << "lanternBounty" << "lanternBounty" << "12345" << false;
        QTest::newRow("inside other text") << "xlanternbounty" << "xlanternbounty" << "12345" << false;
    }
    void codes()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stakeAfter);
        QFETCH(QString, cashAfter);
        QFETCH(bool, passwordWindow);
        SignedIn game(2, QStringLiteral("12345"));
        game.office->Text3->setEditText(typed);
        QCOMPARE(game.office->Text3->currentText(), stakeAfter);
        QCOMPARE(game.office->Label10->text(), stakeAfter);
        QCOMPARE(game.office->Text1->text(), cashAfter);
        const Form15 *door = app::existingWindow<Form15>();
        QCOMPARE(door != nullptr && door->isVisible(), passwordWindow);
        QCOMPARE(game.file(2, "cash.pdx"), QByteArray("500\r\n"));  // no code saves by itself
    }

    void backupOpensFromMenuAndToolbar_data()
    {
        QTest::addColumn<bool>("toolbar");
        QTest::newRow("menu") << false;
        QTest::newRow("toolbar") << true;
    }
    void backupOpensFromMenuAndToolbar()
    {
        QFETCH(bool, toolbar);
        SignedIn game(1);
        QAction *action = toolbar ? game.office->Toolbar3->findChild<QAction *>(QStringLiteral("restore"))
                                  : game.office->backup;
        QVERIFY(action->isEnabled());
        action->trigger();
        QVERIFY(app::existingWindow<Form7>() && app::existingWindow<Form7>()->isVisible());
    }
};

PADDOX_TEST(ConsoleTest)
#include "console_test.moc"
