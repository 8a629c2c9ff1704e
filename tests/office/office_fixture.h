#pragma once
// Helpers shared by the betting office tests: a signed-in betting office, the files it
// reads and writes, and the draws its load makes.
#include "app/window_registry.h"
#include "office/betting_office_window.h"
#include "platform/widgets/panel_status_bar.h"
#include "player/record_files.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_random.h"
#include "support/test_installation.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace officetest {

inline const QStringList defaultHorses = {"Red Rum", "Desert Orchard", "Mr Ed", "Whopper Meal With Fries",
                                           "Black Beauty"};

// A fresh installation with the five default players, living in the country given.
struct Installed : testing::TestInstallation {
    explicit Installed(const QString &country = QStringLiteral("United Kingdom")) { writeDefaultPlayers(country); }
};

// The draws of the betting office's load, in order: the tip (1..5), the jockey rotation (0..3)
// and the odds of horses 1..5.
inline void pushLoadDraws(testing::ScriptedRandom &random, int tip, int rotation, const QList<int> &odds)
{
    static const int tops[] = {15, 25, 45, 75, 100};
    random.pushDraw(tip, 5);
    random.push((rotation + 0.5) / 4);
    for (int i = 0; i < 5; ++i)
        random.pushDraw(odds.value(i, 1), tops[i]);
}

// A betting office with a player signed in to the slot, filled as the sign-in window fills it.
inline Form2 *signedInOffice(int slot = 1, const QString &cash = QStringLiteral("500"),
                             const QString &debt = QStringLiteral("500"), const QString &share = player::noShares,
                             const QStringList &horses = defaultHorses)
{
    Form2 *office = app::window<Form2>();
    office->Label23->setText(QString::number(slot));
    office->Text1->setText(cash);
    office->Text2->setText(debt);
    for (int horse = 1; horse <= 5; ++horse)
        office->horseOption(horse)->setText(horses.value(horse - 1));
    office->Label16->setText(share);
    office->Label24->setText(QStringLiteral("Welcome: ") + player::defaultName(slot));
    office->txtuser->setText(player::defaultName(slot));
    return office;
}

inline QString saved(const testing::TestInstallation &installation, int slot, const QString &suffix)
{
    return QString::fromUtf8(installation.readData(player::recordFileName(slot, suffix)));
}

inline QString panel(const Form2 *office, int number) { return office->StatusBar1->panelText(number); }

// Shows the window and waits until it has the keyboard.
inline bool shownActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Confirms the stake, picks the horse and places the bet, taking whatever the office says.
inline void betOn(Form2 *office, testing::ScriptedDialogs &dialogs, int horse = 1,
               const QString &stake = QStringLiteral("100"))
{
    office->Text3->setEditText(stake);
    dialogs.expectAnyMessage();
    office->Command2_Click();
    office->horseOption(horse)->click();
    dialogs.expectAnyMessage();
    office->Command1_Click();
}

// Lets windows closed with WA_DeleteOnClose go.
inline void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace officetest
