// Fair play in the betting office: typed stakes stay as typed, nothing changes while a race runs,
// log off leaves nothing behind, names are text, and a player with no way to bet is told the way out.
#include "office_fixture.h"

#include "office/loans.h"
#include "platform/widgets/link_label.h"
#include "player/country_window.h"
#include "player/horse_options_window.h"
#include "race/race_window.h"
#include "support/test_main.h"

#include <QPushButton>
#include <functional>

using namespace officetest;
using platform::Answer;
using testing::ScriptedDialogs;
using testing::ScriptedRandom;

class FairPlayTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { app::destroyAllWindows(); flushDeletes(); }

    void typedTextIsKept_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        for (const char *box : {"Text3", "wiz1"})
            for (const char *typed : {"80", "8", "25", "5"})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(box, typed))) << box << typed;
        QTest::newRow("country prefix") << "Comsel" << "Uni";
        QTest::newRow("country case") << "Comsel" << "france";
    }
    void typedTextIsKept()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        Installed installation;
        QWidget *window = box == "Comsel" ? static_cast<QWidget *>(app::window<Form14>()) : signedInOffice();
        auto *combo = window->findChild<QComboBox *>(box);
        QVERIFY(shownActive(window));
        combo->setFocus();
        combo->lineEdit()->clear();
        QTest::keyClicks(combo, typed);
        QCOMPARE(combo->currentText(), typed);
        if (auto *country = qobject_cast<Form14 *>(window)) {
            country->Command1_Click();
            QCOMPARE(installation.readData("pdxcountry.pdx"), typed.toUtf8() + "\r\n");
            return;
        }
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(combo->currentText(), typed);
    }

    void nothingChangesWhileARaceRuns()
    {
        Installed installation;
        Form2 *office = signedInOffice(1, "5000", "700", "Mr Ed");
        office->Command4_Click();
        office->Option6->setChecked(true);
        office->saleHorseClicked(1);
        office->Text10->setText("100");
        app::window<Form4>()->show();
        const std::pair<const char *, std::function<void()>> tries[] = {
            {"leave Paddox", [&] { office->exit_Click(); }},   {"leave Paddox", [&] { office->close(); }},
            {"buy a share", [&] { office->Command5_Click(); }}, {"sell your share", [&] { office->Command8_Click(); }},
            {"borrow", [&] { office->Command6_Click(); }},      {"pay back", [&] { office->Command7_Click(); }},
            {"reset your data", [&] { office->rest_Click(); }}, {"rename your horses", [&] { office->mnuoption_Click(); }},
            {"log off", [&] { office->diffuser_Click(); }},
        };
        ScriptedDialogs dialogs;
        for (const auto &[what, attempt] : tries) {
            dialogs.expectMessage(QStringLiteral("Please wait until the race is over before you %1.").arg(what));
            attempt();
        }
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(QStringList({office->Text1->text(), office->Text2->text(), office->Label16->text()}),
                 QStringList({"5000", "700", "Mr Ed"}));
        QVERIFY(!app::existingWindow<Form5>());
        QCOMPARE(installation.endRequests(), 0);
        QCOMPARE(saved(installation, 1, "cash.pdx"), QStringLiteral("500\r\n"));
    }

    void logOffLeavesNothingForTheNextPlayer()
    {
        Installed installation;
        Form2 *office = signedInOffice(1, "50000", "700", "Mr Ed");
        ScriptedRandom random;
        ScriptedDialogs dialogs;
        office->Command4_Click();
        office->Option8->setChecked(true);
        office->saleHorseClicked(3);
        dialogs.expectAnyMessage();
        office->Text10->setText("100");
        office->Command6_Click();
        betOn(office, dialogs, 2, "80");
        dialogs.expectMessage("Are You Sure You Wish To Log Off?", Answer::Yes);
        office->diffuser_Click();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(office->Text3->currentText(), QStringLiteral("Enter Your Stake......"));
        QVERIFY(!office->horseOption(2)->isChecked() && !office->horseOption(2)->isEnabled());
        for (int horse = 1; horse <= 5; ++horse)
            QVERIFY(office->saleOption(horse)->isHidden() && !office->saleOption(horse)->isChecked());
        QVERIFY(office->Command5->isHidden() && office->horsecost_1->isHidden());
        QCOMPARE(office->horsecost_1->text(), QStringLiteral("0"));
        QVERIFY(office->Command6->isEnabled());
        QCOMPARE(office->Text10->text(), QStringLiteral("Enter Amount"));
    }

    void thePriceShownBelongsToTheChosenHorse()
    {
        Installed installation;
        Form2 *office = signedInOffice(1, "50000", "700", "Mr Ed");
        ScriptedRandom random;
        office->Command4_Click();
        office->Option7->setChecked(true);
        office->saleHorseClicked(2);
        const int prices[] = {30000, 38000, 20000, 20000, 15000}, tops[] = {50000, 40000, 30000, 26000, 20000};
        for (int horse = 0; horse < 5; ++horse)
            random.pushDraw(prices[horse], tops[horse]);
        office->Command4_Click();
        QCOMPARE(office->horsecost_1->text(), QStringLiteral("38000"));
        // A sale leaves no share on either page.
        ScriptedDialogs dialogs;
        dialogs.expectAnyMessage();
        office->Command8_Click();
        QCOMPARE(office->Label57->text(), QStringLiteral("You Have No Shares"));
    }

    void namesAreShownAsText()
    {
        Installed installation;
        Form2 *office = signedInOffice(1, "500", "500", "<b>Bob</b>", {"<i>A</i>", "a<br>b", "C", "D", "E"});
        office->Label24->setText("Welcome: <b>Bob</b>");
        for (QLabel *label : {office->Label24, office->Label16, office->Label57, office->Label14, office->Label56})
            QCOMPARE(label->textFormat(), Qt::PlainText);
    }

    void aPlayerWhoCannotBetIsToldTheWayOut()
    {
        Installed installation;
        Form2 *office = signedInOffice(1, "100", "700", "Mr Ed");
        ScriptedDialogs dialogs;
        office->Text10->setText("100");
        dialogs.expectAnyMessage();
        dialogs.expectMessage("You have no cash to bet with, and you have already used this race's loan, so you "
                              "cannot place a bet now.\n\nYou can go on by selling your horse share on the Shares tab, "
                              "or by starting again with Reset All Data on the Paddox Actions menu (cash and debt back "
                              "to £500).");
        office->Command7_Click();
        office->Text3->setEditText("10");
        dialogs.expectAnyMessage();  // not enough cash, and nothing more
        office->Command2_Click();
        VERIFY_DIALOGS(dialogs);
    }

    void theCancelLinkShowsItHasTheFocus()
    {
        Installed installation;
        Form2 *office = signedInOffice();
        QVERIFY(shownActive(office));
        const QImage before = office->Label39->grab().toImage();
        office->Label39->setFocus();
        QVERIFY(office->Label39->grab().toImage() != before);
    }

    void theLoanFieldTakesNumbersOnly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("outcome");
        QTest::newRow("words") << "abc" << int(office::LoanOutcome::NotANumber);
        QTest::newRow("the field's own prompt") << "Enter Amount" << int(office::LoanOutcome::NotANumber);
        QTest::newRow("emoji") << "\U0001F600" << int(office::LoanOutcome::NotANumber);
        QTest::newRow("zero") << "0" << int(office::LoanOutcome::Done);
        QTest::newRow("ten thousand nines") << QString(10000, '9') << int(office::LoanOutcome::TooMuch);
        QTest::newRow("ten thousand nines below 0") << "-" + QString(10000, '9') << int(office::LoanOutcome::Negative);
    }
    void theLoanFieldTakesNumbersOnly()
    {
        QFETCH(QString, typed);
        QFETCH(int, outcome);
        QCOMPARE(int(office::borrow(100, 100, office::loanAmount(typed)).outcome), outcome);
    }
};

PADDOX_TEST(FairPlayTest)
#include "fair_play_test.moc"
