#pragma once
// A betting office with a player signed in, over a fresh installation of five default players.
#include "app/window_registry.h"
#include "office/betting_office_window.h"
#include "support/scripted_dialogs.h"
#include "support/test_installation.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace admintest {

struct SignedIn : testing::TestInstallation {
    testing::ScriptedDialogs dialogs;
    Form2 *office = nullptr;
    explicit SignedIn(int slot, const QString &cash = QStringLiteral("777"), const QString &debt = QStringLiteral("88"))
    {
        writeDefaultPlayers();
        office = app::window<Form2>();
        office->Label23->setText(QString::number(slot));
        office->Text1->setText(cash);
        office->Text2->setText(debt);
    }
    QByteArray file(int slot, const char *suffix) const
    {
        return readData(QStringLiteral("user%1%2").arg(slot).arg(QLatin1String(suffix)));
    }
};

inline void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace admintest
