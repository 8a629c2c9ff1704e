// The horse options window: prepared names, renaming, refusals, the share that follows its horse.
#include "office_fixture.h"

#include "player/horse_options_window.h"

#include <QPushButton>

using namespace officetest;

namespace {
QStringList names(const BettingOfficeWindow *office)
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
    void renaming()
    {
        const QStringList own = {"One", "Two", "Mr Ed", "Four", "Five"};
        struct Row { int selection; QStringList typed; QString message; QStringList after; QString shareAfter; };
        const Row rows[] = {  // selection 0: Reset, 1..3: Selection n, -1: the names typed
            {0, {}, "", defaultHorses, "Mr Ed"},
            {1, {}, "", {"Dash Of Light", "Wolf", "Dash Hound", "Grass Vulture", "Grayhound"}, "Dash Hound"},
            {2, {}, "", {"Big Mac", "Wolf Gang", "The Dogs", "Red Rash", "Mini Monster"}, "The Dogs"},
            {3, {}, "", {"Flash", "Chocolate Button", "Revolution", "Winning Line", "Pint Of Mild"}, "Revolution"},
            {-1, {"Nova", "B", "Mr Ed", "D", "E"}, "", {"Nova", "B", "Mr Ed", "D", "E"}, "Mr Ed"},
            {-1, {"A", "B", "C", "  ", "E"}, "Please give every horse a name: Horse 4 has none.", own, ""},
            {-1, {"Wolf", "B", "C", "Wolf", "E"}, "Every horse needs a name of its own: Horse 1 and Horse 4 are both called \"Wolf\".", own, ""},
            {-1, {"A", "You Have No Shares", "C", "D", "E"}, "Horse 2 cannot be called \"You Have No Shares\", please choose another name.", own, ""}};
        for (const auto &[selection, typed, message, after, shareAfter] : rows) {
            Office o("500", "500", "Mr Ed", own);
            o.w->mnuoption->trigger();
            HorseOptionsWindow *options = app::existingWindow<HorseOptionsWindow>();
            QVERIFY(options && options->isVisible());
            QCOMPARE(options->txtHorse[0]->text(), QStringLiteral("One"));
            if (selection == 0)
                options->Command2->click();
            else if (selection > 0)
                options->selec[selection - 1]->click();
            for (int i = 0; i < typed.size(); ++i)
                options->txtHorse[i]->setText(typed[i]);
            QCOMPARE(names(o.w), own);  // nothing before OK
            if (!message.isEmpty())
                o.dialogs.expectMessage(message);
            QVERIFY(o.shownActive(options));
            QTest::keyClick(options->txtHorse[0], Qt::Key_Return);  // OK is the default button
            flushDeletes();
            VERIFY_DIALOGS(o.dialogs);
            QCOMPARE(names(o.w), after);
            QCOMPARE(app::existingWindow<HorseOptionsWindow>() != nullptr, !message.isEmpty());
            if (!message.isEmpty())
                continue;
            QCOMPARE(o.w->Label16->text(), shareAfter);
            QCOMPARE(o.w->Label57->text(), shareAfter);
            for (int horse = 1; horse <= 5; ++horse)
                QCOMPARE(o.w->wizardOption(horse)->text(), after[horse - 1]);
            o.w->paddoxsavenoname();
            QCOMPARE(o.saved(1, "hor5.pdx"), after[4] + "\r\n");
            QCOMPARE(o.saved(1, "share.pdx"), shareAfter + "\r\n");
        }
    }
};
PADDOX_TEST(HorseOptionsTest)

#include "horse_options_test.moc"
