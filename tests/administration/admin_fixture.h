#pragma once
// A betting office with a player signed in, over a fresh installation of five default players.
#include "app/window_registry.h"
#include "office/betting_office_window.h"
#include "support/scripted_dialogs.h"
#include "support/test_installation.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

struct SignedIn : testing::TestInstallation {
    testing::ScriptedDialogs dialogs;
    BettingOfficeWindow *office = app::window<BettingOfficeWindow>();
    explicit SignedIn(int slot, const QString &cash = QStringLiteral("777"))
    {
        writeDefaultPlayers();
        office->Label23->setText(QString::number(slot));
        office->Text1->setText(cash);
        office->Text2->setText(QStringLiteral("88"));
    }
    QByteArray file(int slot, const char *suffix) const { return readData(QStringLiteral("user%1%2").arg(slot).arg(suffix)); }
};
