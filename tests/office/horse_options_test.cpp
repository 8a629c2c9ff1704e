// The horse options window: prepared names, renaming, refusals, the share that follows its horse.
#include "office_fixture.h"

#include "player/horse_options_window.h"

#include <QPushButton>

using namespace officetest;

namespace {
QStringList names(const Form2 *office)
{
    QStringList list;
    for (int horse = 1; horse <= 5; ++horse)
        list << office->horseOption(horse)->text();
    return list;
}
}  // namespace

class HorseOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void renaming_data()
    {
        QTest::addColumn<int>("selection");  // 0: Reset, 1..3: Selection n, -1: the names typed
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");  // empty: applied
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("shareAfter");
        const QStringList none;
        QTest::newRow("Reset") << 0 << none << "" << defaultHorses << "Mr Ed";
        QTest::newRow("Selection 1") << 1 << none << "" << QStringList{"Dash Of Light", "Wolf", "Dash Hound", "Grass Vulture", "Grayhound"} << "Dash Hound";
        QTest::newRow("Selection 2") << 2 << none << "" << QStringList{"Big Mac", "Wolf Gang", "The Dogs", "Red Rash", "Mini Monster"} << "The Dogs";
        QTest::newRow("Selection 3") << 3 << none << "" << QStringList{"Flash", "Chocolate Button", "Revolution", "Winning Line", "Pint Of Mild"} << "Revolution";
        QTest::newRow("other horse renamed") << -1 << QStringList{"Nova", "B", "Mr Ed", "D", "E"} << "" << QStringList{"Nova", "B", "Mr Ed", "D", "E"} << "Mr Ed";
        QTest::newRow("empty name") << -1 << QStringList{"A", "B", "C", "  ", "E"} << "Please give every horse a name: Horse 4 has none." << defaultHorses << "Mr Ed";
        QTest::newRow("two of one name") << -1 << QStringList{"Wolf", "B", "C", "Wolf", "E"}
            << "Every horse needs a name of its own: Horse 1 and Horse 4 are both called \"Wolf\"." << defaultHorses << "Mr Ed";
        QTest::newRow("the no-share words") << -1 << QStringList{"A", "You Have No Shares", "C", "D", "E"}
            << "Horse 2 cannot be called \"You Have No Shares\", please choose another name." << defaultHorses << "Mr Ed";
    }
    void renaming()
    {
        QFETCH(int, selection);
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(QStringList, after);
        QFETCH(QString, shareAfter);
        Office o("500", "500", "Mr Ed", {"One", "Two", "Mr Ed", "Four", "Five"});
        o.w->mnuoption->trigger();
        Form5 *options = app::existingWindow<Form5>();
        QVERIFY(options && options->isVisible());
        QCOMPARE(options->txtHorse[0]->text(), QStringLiteral("One"));
        if (selection == 0)
            options->Command2->click();
        else if (selection > 0)
            options->selec[selection - 1]->click();
        for (int i = 0; i < typed.size(); ++i)
            options->txtHorse[i]->setText(typed[i]);
        if (message.isEmpty()) {
            QCOMPARE(names(o.w), QStringList({"One", "Two", "Mr Ed", "Four", "Five"}));  // nothing before OK
        } else {
            o.dialogs.expectMessage(message);
            after = {"One", "Two", "Mr Ed", "Four", "Five"};
        }
        QVERIFY(o.shownActive(options));
        QTest::keyClick(options->txtHorse[0], Qt::Key_Return);  // OK is the default button
        flushDeletes();
        VERIFY_DIALOGS(o.dialogs);
        QCOMPARE(names(o.w), after);
        QCOMPARE(app::existingWindow<Form5>() != nullptr, !message.isEmpty());
        if (!message.isEmpty())
            return;
        QCOMPARE(o.w->Label16->text(), shareAfter);
        QCOMPARE(o.w->Label57->text(), shareAfter);
        for (int horse = 1; horse <= 5; ++horse)
            QCOMPARE(o.w->wizardOption(horse)->text(), after[horse - 1]);
        o.w->paddoxsavenoname();
        QCOMPARE(o.saved(1, "hor5.pdx"), after[4] + "\r\n");
        QCOMPARE(o.saved(1, "share.pdx"), shareAfter + "\r\n");
    }

    void closeDiscards()
    {
        Office o;
        o.w->mnuoption->trigger();
        Form5 *options = app::existingWindow<Form5>();
        options->selec[1]->click();
        options->Command4->click();
        flushDeletes();
        QVERIFY(!app::existingWindow<Form5>());
        QCOMPARE(names(o.w), defaultHorses);
    }
};
PADDOX_TEST(HorseOptionsTest)

#include "horse_options_test.moc"
