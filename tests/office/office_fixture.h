#pragma once
// The betting office under test: a fresh installation with a player signed in to a slot.
#include "app/window_registry.h"
#include "office/betting_office_window.h"
#include "platform/widgets/panel_status_bar.h"
#include "player/record_files.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_random.h"
#include "support/test_installation.h"
#include "support/test_main.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace officetest {

using platform::Answer;
using platform::Icon;

inline const QStringList defaultHorses = {"Red Rum", "Desert Orchard", "Mr Ed", "Whopper Meal With Fries", "Black Beauty"};

// One signed-in office per test: installation, scripted dialogs and draws, the window filled as the
// sign-in window fills it.
struct Office {
    testing::TestInstallation installation;
    testing::ScriptedDialogs dialogs;
    testing::ScriptedRandom random;
    BettingOfficeWindow *w = nullptr;

    explicit Office(const QString &cash = "500", const QString &debt = "500", const QString &share = "You Have No Shares",
                    const QStringList &horses = defaultHorses, int slot = 1, const QString &country = "United Kingdom")
    {
        installation.writeDefaultPlayers(country);
        w = app::window<BettingOfficeWindow>();
        w->Label23->setText(QString::number(slot));
        w->Text1->setText(cash);
        w->Text2->setText(debt);
        for (int horse = 1; horse <= 5; ++horse)
            w->horseOption(horse)->setText(horses.value(horse - 1));
        w->Label16->setText(share);
        w->Label57->setText(share);
    }
    QString saved(int slot, const QString &suffix) const
    {
        return QString::fromUtf8(installation.readData(player::recordFileName(slot, suffix)));
    }
    QString panel(int number) const { return w->StatusBar1->panelText(number); }
    void removeSlotFiles(int slot) const
    {
        for (const QString &suffix : player::playingSuffixes)
            QFile::remove(installation.dataFile(player::recordFileName(slot, suffix)));
    }
    static bool shownActive(QWidget *window) { window->show(), window->activateWindow(); return QTest::qWaitForWindowActive(window); }
    // Confirms the stake and chooses the horse; with `place`, places the bet too.
    void bet(int horse = 1, const QString &stake = "100", bool place = true)
    {
        w->Text3->setEditText(stake);
        dialogs.expectAnyMessage();
        w->Command2_Click();
        w->horseOption(horse)->click();
        if (place) {
            dialogs.expectAnyMessage();
            w->Command1_Click();
        }
    }
};

inline void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace officetest
