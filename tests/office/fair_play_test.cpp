// Fair play in the betting office: typed stakes stay as typed, nothing changes while a race runs,
// log off leaves nothing behind, names are text, and a player with no way to bet is told the way out.
#include "office_fixture.h"

#include "backup/backup_window.h"
#include "platform/widgets/link_label.h"
#include "player/country_window.h"
#include "player/horse_options_window.h"
#include "race/race_window.h"

#include <QPushButton>
#include <functional>

using namespace officetest;

class FairPlayTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { app::destroyAllWindows(); flushDeletes(); }

    void typedTextIsKept()
    {
        const struct { const char *box, *typed; } rows[] = {{"Text3", "80"}, {"Text3", "8"}, {"Text3", "25"},
                                                            {"wiz1", "5"},   {"wiz1", "80"}, {"Comsel", "Uni"},
                                                            {"Comsel", "france"}};
        for (const auto &[box, typed] : rows) {
            cleanup();
            Office o;
            QWidget *window = QLatin1String(box) == "Comsel" ? static_cast<QWidget *>(app::window<CountryWindow>()) : o.w;
            auto *combo = window->findChild<QComboBox *>(box);
            QVERIFY(Office::shownActive(window));
            combo->setFocus();
            combo->lineEdit()->clear();
            QTest::keyClicks(combo, typed);
            QCOMPARE(combo->currentText(), QString(typed));
            if (auto *country = qobject_cast<CountryWindow *>(window)) {
                country->Command1_Click();  // Continue writes what was typed
                QCOMPARE(o.installation.readData("pdxcountry.pdx"), QByteArray(typed) + "\r\n");
                continue;
            }
            QTest::keyClick(combo, Qt::Key_Return);
            QCOMPARE(combo->currentText(), QString(typed));
        }
    }

    void nothingChangesWhileARaceRuns()
    {
        Office o("5000", "700", "Mr Ed");
        o.w->Command4_Click();
        o.w->saleOption(1)->click();
        o.w->Text10->setText("100");
        app::window<RaceWindow>()->show();
        const std::pair<const char *, std::function<void()>> tries[] = {
            {"leave Paddox", [&] { o.w->exit_Click(); }},   {"leave Paddox", [&] { o.w->close(); }},
            {"buy a share", [&] { o.w->Command5_Click(); }}, {"sell your share", [&] { o.w->Command8_Click(); }},
            {"borrow", [&] { o.w->Command6_Click(); }},      {"pay back", [&] { o.w->Command7_Click(); }},
            {"reset your data", [&] { o.w->rest_Click(); }}, {"rename your horses", [&] { o.w->mnuoption_Click(); }},
            {"log off", [&] { o.w->diffuser_Click(); }}};
        for (const auto &[what, attempt] : tries) {
            o.dialogs.expectMessage(QStringLiteral("Please wait until the race is over before you %1.").arg(what));
            attempt();
        }
        VERIFY_DIALOGS(o.dialogs);
        QCOMPARE(QStringList({o.w->Text1->text(), o.w->Text2->text(), o.w->Label16->text()}),
                 QStringList({"5000", "700", "Mr Ed"}));
        QVERIFY(!app::existingWindow<HorseOptionsWindow>());
        QCOMPARE(o.installation.endRequests(), 0);
        QCOMPARE(o.saved(1, "cash.pdx"), QStringLiteral("500\r\n"));
    }

    void logOffLeavesNothingForTheNextPlayer()
    {
        Office o("50000", "700", "Mr Ed");
        o.w->Command4_Click();
        o.w->saleOption(3)->click();
        o.dialogs.expectAnyMessage();
        o.w->Text10->setText("100");
        o.w->Command6_Click();
        o.bet(2, "80");
        o.w->backup->trigger();
        o.dialogs.expectMessage("Are You Sure You Wish To Log Off?", Answer::Yes);
        o.w->diffuser_Click();
        VERIFY_DIALOGS(o.dialogs);
        flushDeletes();
        QVERIFY(!app::existingWindow<BackupWindow>());
        QCOMPARE(o.w->Text3->currentText(), QStringLiteral("Enter Your Stake......"));
        QVERIFY(!o.w->horseOption(2)->isChecked() && !o.w->horseOption(2)->isEnabled());
        for (int horse = 1; horse <= 5; ++horse)
            QVERIFY(o.w->saleOption(horse)->isHidden() && !o.w->saleOption(horse)->isChecked());
        QVERIFY(o.w->Command5->isHidden() && o.w->horsecost_1->isHidden());
        QCOMPARE(o.w->horsecost_1->text(), QStringLiteral("0"));
        QVERIFY(o.w->Command6->isEnabled());
        QCOMPARE(o.w->Text10->text(), QStringLiteral("Enter Amount"));
    }

    void namesAreTextAndTheCancelLinkShowsItsFocus()
    {
        Office o("500", "500", "<b>Bob</b>");
        for (QLabel *label : {o.w->Label24, o.w->Label16, o.w->Label57, o.w->Label14, o.w->Label56})
            QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(Office::shownActive(o.w));
        const QImage before = o.w->Label39->grab().toImage();
        o.w->Label39->setFocus();
        QVERIFY(o.w->Label39->grab().toImage() != before);
    }

    void aPlayerWhoCannotBetIsToldTheWayOutOnce()
    {
        Office o("100", "700", "Mr Ed");
        o.w->Text10->setText("100");
        o.dialogs.expectAnyMessage();
        o.dialogs.expectMessage("You have no cash to bet with, and you have already used this race's loan, so you "
                                "cannot place a bet now.\n\nYou can go on by selling your horse share on the Shares "
                                "tab, or by starting again with Reset All Data on the Paddox Actions menu (cash and "
                                "debt back to £500).");
        o.w->Command7_Click();
        o.w->Text3->setEditText("10");
        o.dialogs.expectAnyMessage();  // not enough cash, and nothing more
        o.w->Command2_Click();
        VERIFY_DIALOGS(o.dialogs);
    }
};
PADDOX_TEST(FairPlayTest)

#include "fair_play_test.moc"
