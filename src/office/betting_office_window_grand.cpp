// The betting office's "&Grand National" menu: sending the owned horse to the Grand National,
// and what that requires.
#include "office/betting_office_window.h"

#include "app/window_registry.h"
#include "platform/dialogs.h"
#include "race/grand_national.h"
#include "race/grand_national_requirements_window.h"
#include "race/grand_national_window.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

void BettingOfficeWindow::sendgn_Click()
{
    // The fee is taken from the cash that a race being run will settle.
    if (refusedDuringRace(QStringLiteral("enter the Grand National")))
        return;
    const platform::Money cash = platform::moneyOrZero(Text1->text());
    const grand::Entry entry = grand::checkEntry(Label16->text(), cash);
    if (entry != grand::Entry::Allowed) {
        platform::say(grand::entryRefusal(entry), platform::Icon::Critical);
        return;
    }
    GrandNationalWindow *betting = app::window<GrandNationalWindow>();  // made, and its odds and lanes drawn, on the first entry
    if (betting->isVisible())
        return;
    // The debt and the owned horse are this moment's, never those of an earlier entry.
    betting->takeOfficeDebtAndHorse();
    const QString left = platform::moneyText(cash - grand::entryFee);
    Text1->setText(left);
    betting->entryPaid();
    platform::say(grand::feeMessage(curr->text(), cash - grand::entryFee), platform::Icon::Warning);
    betting->show();
    betting->Text1->setText(left);
}

void BettingOfficeWindow::reqgn_Click()
{
    GrandNationalRequirementsWindow *requirements = app::window<GrandNationalRequirementsWindow>();
    requirements->show();
    requirements->raise();
    requirements->activateWindow();
}
