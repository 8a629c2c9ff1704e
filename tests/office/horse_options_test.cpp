// The horse options window: prepared names, renaming, the share that follows its horse.
#include "office_fixture.h"

#include "platform/twips.h"
#include "player/horse_options_window.h"
#include "support/scripted_dialogs.h"
#include "support/test_main.h"

#include <QGroupBox>
#include <QPushButton>

using testing::ScriptedDialogs;
using namespace officetest;

namespace {

QStringList horseNames(const Form2 *office)
{
    QStringList names;
    for (int horse = 1; horse <= 5; ++horse)
        names << office->horseOption(horse)->text();
    return names;
}

QStringList boxes(const Form5 *options)
{
    QStringList names;
    for (QLineEdit *box : options->txtHorse)
        names << box->text();
    return names;
}

Form5 *openOptions(Form2 *office)
{
    office->mnuoption->trigger();
    Form5 *options = app::existingWindow<Form5>();
    return options;
}

const QStringList selection1 = {"Dash Of Light", "Wolf", "Dash Hound", "Grass Vulture", "Grayhound"};
const QStringList selection2 = {"Big Mac", "Wolf Gang", "The Dogs", "Red Rash", "Mini Monster"};
const QStringList selection3 = {"Flash", "Chocolate Button", "Revolution", "Winning Line", "Pint Of Mild"};

}  // namespace

class HorseOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void theWindow()
    {
        Installed installation;
        Form2 *office = signedInOffice(1, "500", "500", player::noShares, selection3);
        Form5 *options = openOptions(office);
        QVERIFY(options);
        QVERIFY(options->isVisible());
        QVERIFY(!options->isModal());
        QCOMPARE(options->windowTitle(), QStringLiteral("Horse Options"));
        QCOMPARE(options->size(), platform::twipsSize(6075, 4185));
        QCOMPARE(options->Frame1->title(), QStringLiteral("Horse options"));
        QCOMPARE(boxes(options), selection3);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(options->Label1[i]->text(), QStringLiteral("Rename Horse %1").arg(i + 1));
            QCOMPARE(options->txtHorse[i]->objectName(), QStringLiteral("txtHorse_%1").arg(i));
            QCOMPARE(options->txtHorse[i]->accessibleName(), QStringLiteral("Rename Horse %1").arg(i + 1));
        }
        for (int k = 0; k < 3; ++k)
            QCOMPARE(options->selec[k]->text(), QStringLiteral("Selection %1").arg(k + 1));
        QCOMPARE(options->Command2->text(), QStringLiteral("&Reset"));
        QCOMPARE(options->Command1->text(), QStringLiteral("&OK"));
        QCOMPARE(options->Command4->text(), QStringLiteral("&Close"));
        // Opening it again brings up the same window.
        office->Toolbar3_ButtonClick(QStringLiteral("rename"));
        QCOMPARE(app::existingWindow<Form5>(), options);
    }

    void selections_data()
    {
        QTest::addColumn<int>("selection");  // 0: Reset
        QTest::addColumn<QStringList>("names");
        QTest::newRow("Reset") << 0 << defaultHorses;
        QTest::newRow("Selection 1") << 1 << selection1;
        QTest::newRow("Selection 2") << 2 << selection2;
        QTest::newRow("Selection 3") << 3 << selection3;
    }
    void selections()
    {
        QFETCH(int, selection);
        QFETCH(QStringList, names);
        Installed installation;
        const QStringList own = {"One", "Two", "Three", "Four", "Five"};
        Form2 *office = signedInOffice(1, "500", "500", player::noShares, own);
        Form5 *options = openOptions(office);
        if (selection == 0)
            options->Command2->click();
        else
            options->selec[selection - 1]->click();
        QCOMPARE(boxes(options), names);
        QCOMPARE(horseNames(office), own);  // nothing applied before OK
        for (QLineEdit *box : options->txtHorse)
            QVERIFY(!box->isReadOnly());
        options->Command1->click();
        flushDeletes();
        QCOMPARE(horseNames(office), names);
        QVERIFY(!app::existingWindow<Form5>());
        // The names reach the files at the next save.
        office->paddoxsavenoname();
        for (int horse = 1; horse <= 5; ++horse)
            QCOMPARE(saved(installation, 1, QStringLiteral("hor%1.pdx").arg(horse)), names[horse - 1] + QStringLiteral("\r\n"));
    }

    void closeDiscards()
    {
        Installed installation;
        Form2 *office = signedInOffice();
        Form5 *options = openOptions(office);
        options->selec[1]->click();
        options->txtHorse[0]->setText(QStringLiteral("Edited"));
        options->Command4->click();
        flushDeletes();
        QVERIFY(!app::existingWindow<Form5>());
        QCOMPARE(horseNames(office), defaultHorses);
        // The next opening starts from the betting office's names again.
        options = openOptions(office);
        QCOMPARE(boxes(options), defaultHorses);
        // Escape closes it the same way.
        options->selec[2]->click();
        options->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(options));
        QTest::keyClick(options->txtHorse[0], Qt::Key_Escape);
        flushDeletes();
        QVERIFY(!app::existingWindow<Form5>());
        options = openOptions(office);
        QCOMPARE(boxes(options), defaultHorses);
    }

    void shareFollowsItsHorse_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("share");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("shareAfter");
        QTest::newRow("owned horse renamed")
            << defaultHorses << "Mr Ed" << QStringList({"Red Rum", "Desert Orchard", "Silver Arrow", "Whopper Meal With Fries", "Black Beauty"})
            << "Silver Arrow";
        QTest::newRow("other horse renamed")
            << defaultHorses << "Mr Ed" << QStringList({"Nova", "Desert Orchard", "Mr Ed", "Whopper Meal With Fries", "Black Beauty"})
            << "Mr Ed";
        QTest::newRow("all renamed") << defaultHorses << "Black Beauty" << selection2 << "Mini Monster";
        QTest::newRow("share names no horse") << defaultHorses << "Gone Horse" << selection1 << "Gone Horse";
        QTest::newRow("two horses of that name: the last")
            << QStringList({"Twin", "B", "Twin", "D", "E"}) << "Twin" << QStringList({"First", "B", "Second", "D", "E"})
            << "Second";
        QTest::newRow("no share") << defaultHorses << player::noShares << selection3 << player::noShares;
    }
    void shareFollowsItsHorse()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, share);
        QFETCH(QStringList, after);
        QFETCH(QString, shareAfter);
        Installed installation;
        Form2 *office = signedInOffice(1, "500", "500", share, before);
        office->Label57->setText(share);
        Form5 *options = openOptions(office);
        for (int i = 0; i < 5; ++i)
            options->txtHorse[i]->setText(after[i]);
        options->Command1_Click();
        QCOMPARE(horseNames(office), after);
        QCOMPARE(office->Label16->text(), shareAfter);
        QCOMPARE(office->Label57->text(), shareAfter);
        office->paddoxsavenoname();
        QCOMPARE(saved(installation, 1, QStringLiteral("share.pdx")), shareAfter + QStringLiteral("\r\n"));
    }

    void emptyNameIsRefused()
    {
        Installed installation;
        ScriptedDialogs dialogs;
        Form2 *office = signedInOffice();
        Form5 *options = openOptions(office);
        options->selec[2]->click();
        options->txtHorse[3]->setText(QStringLiteral("   "));
        dialogs.expectMessage(QStringLiteral("Please give every horse a name: Horse 4 has none."));
        options->Command1_Click();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(horseNames(office), defaultHorses);
        QVERIFY(app::existingWindow<Form5>());
        QCOMPARE(boxes(options)[0], QStringLiteral("Flash"));  // nothing typed is lost
        options->txtHorse[3]->setText(QStringLiteral("Winning Line"));
        options->Command1_Click();
        QCOMPARE(horseNames(office), selection3);
    }

    void namesThatWouldMisleadTheGame_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("focused");  // the box the player is sent back to
        QTest::newRow("two of one name")
            << QStringList({"Wolf", "Flash", "Mr Ed", "Wolf", "Black Beauty"})
            << "Every horse needs a name of its own: Horse 1 and Horse 4 are both called \"Wolf\"." << 3;
        QTest::newRow("the no-share words")
            << QStringList({"Red Rum", "You Have No Shares", "Mr Ed", "Wolf", "Black Beauty"})
            << "Horse 2 cannot be called \"You Have No Shares\", please choose another name." << 1;
        QTest::newRow("0") << QStringList({"Red Rum", "Desert Orchard", "Mr Ed", "Wolf", "0"})
                           << "Horse 5 cannot be called \"0\", please choose another name." << 4;
    }
    void namesThatWouldMisleadTheGame()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, message);
        QFETCH(int, focused);
        Installed installation;
        ScriptedDialogs dialogs;
        Form2 *office = signedInOffice(1, "500", "500", QStringLiteral("Mr Ed"));
        Form5 *options = openOptions(office);
        options->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(options));
        for (int i = 0; i < 5; ++i)
            options->txtHorse[i]->setText(names[i]);
        dialogs.expectMessage(message);
        options->Command1_Click();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(horseNames(office), defaultHorses);
        QCOMPARE(office->Label16->text(), QStringLiteral("Mr Ed"));
        QCOMPARE(boxes(options), names);  // nothing typed is lost
        QCOMPARE(options->focusWidget(), options->txtHorse[focused]);
    }

    void longerNameFromTheRecordIsKept()
    {
        Installed installation;
        const QString imported = QStringLiteral("A Name From The Other Edition Of The Game");  // 41 characters
        Form2 *office = signedInOffice(1, "500", "500", imported,
                                       {imported, "Desert Orchard", "Mr Ed", "Whopper Meal With Fries", "Black Beauty"});
        Form5 *options = openOptions(office);
        QCOMPARE(options->txtHorse[0]->text(), imported);
        options->Command1_Click();
        QCOMPARE(office->Option1->text(), imported);
        QCOMPARE(office->Label16->text(), imported);
    }

    void closedWhenThePlayerLeaves_data()
    {
        QTest::addColumn<bool>("logOff");
        QTest::newRow("log off") << true;
        QTest::newRow("close box") << false;
    }
    void closedWhenThePlayerLeaves()
    {
        QFETCH(bool, logOff);
        Installed installation;
        ScriptedDialogs dialogs;
        Form2 *office = signedInOffice(1);
        office->show();
        Form5 *options = openOptions(office);
        options->selec[0]->click();
        if (logOff) {
            dialogs.expectMessage(QStringLiteral("Are You Sure You Wish To Log Off?"), platform::Answer::Yes);
            office->diffuser_Click();
        } else {
            QVERIFY(office->close());
        }
        flushDeletes();
        VERIFY_DIALOGS(dialogs);
        // The window holding this player's names is gone: it can never rename the next player's horses.
        QVERIFY(!app::existingWindow<Form5>());
        QCOMPARE(saved(installation, 1, QStringLiteral("hor1.pdx")), QStringLiteral("Red Rum\r\n"));
        if (logOff)
            QCOMPARE(horseNames(office), defaultHorses);
    }

    void longNamesStayOnOneLine()
    {
        Installed installation;
        Form2 *office = signedInOffice();
        Form5 *options = openOptions(office);
        options->txtHorse[0]->setText(QString(500, QLatin1Char('W')));
        QCOMPARE(options->txtHorse[0]->text().size(), 30);
        options->Command1_Click();
        office->paddoxsavenoname();
        QCOMPARE(saved(installation, 1, QStringLiteral("hor1.pdx")), QString(30, QLatin1Char('W')) + QStringLiteral("\r\n"));
    }

    void renamingDuringABetKeepsTheBet()
    {
        Installed installation;
        ScriptedDialogs dialogs;
        Form2 *office = signedInOffice(1, QStringLiteral("1000"));
        office->Text3->setEditText(QStringLiteral("100"));
        dialogs.expectAnyMessage();
        office->Command2_Click();
        office->Option2->click();
        QCOMPARE(office->Label14->text(), QStringLiteral("Desert Orchard"));
        const QString tipHorseBefore = office->horseOption(office->tipHorse())->text();
        Form5 *options = openOptions(office);
        options->selec[1]->click();
        options->Command1_Click();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(office->Label14->text(), QStringLiteral("Wolf Gang"));
        QCOMPARE(office->Label47->text(), QStringLiteral("You Are Going To Place A Bet On: Wolf Gang"));
        for (int horse = 1; horse <= 5; ++horse) {
            QCOMPARE(office->wizardOption(horse)->text(), selection2[horse - 1]);
            QCOMPARE(office->horseOption(horse)->toolTip(), selection2[horse - 1]);
        }
        QVERIFY(office->Label56->text().contains(selection2[office->tipHorse() - 1]));
        QVERIFY(!office->Label56->text().contains(tipHorseBefore));
    }
};
PADDOX_TEST(HorseOptionsTest)

#include "horse_options_test.moc"
