// The betting office's ways into administration and backup: the hidden codes of the stake field,
// the console's amounts, and the Back Up / Restore window.
#include "office/betting_office_window.h"

#include "administration/password_window.h"
#include "app/window_registry.h"
#include "backup/backup_window.h"
#include "book/race_book_window.h"
#include "info/programmer_window.h"
#include "platform/conversions.h"
#include "platform/dialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {
template <class W>
void bringUp(W *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}
}  // namespace

void BettingOfficeWindow::stakeCodes()
{
    // Each code is the whole stake text, letter for letter.
    const QString text = Text3->currentText();
    if (text == QLatin1String("vesko")) {
        bringUp(app::window<AdminPasswordWindow>());
        Text3->setEditText(QString());  // runs the change again with the empty text
    } else if (text == QLatin1String("Odmar Vellis Trunch") && Option1->text() == text) {
        bringUp(app::window<ProgrammerWindow>());
    } else if (text == QLatin1String("lanternbounty")) {
        // Set, not added; the next save stores it. Never under a race's settlement.
        if (!refusedDuringRace(QStringLiteral("change your cash")))
            Text1->setText(QStringLiteral("100000"));
    }
}

void BettingOfficeWindow::takeConsoleAmounts(qint32 cash, qint32 debt)
{
    Text1->setText(platform::moneyText(cash));
    Text2->setText(platform::moneyText(debt));
}

void BettingOfficeWindow::backup_Click() { bringUp(app::window<BackupWindow>()); }

void BettingOfficeWindow::mnuBook_Click() { bringUp(app::window<RaceBookWindow>()); }
