#pragma once
// A betting office with a player signed in, over a fresh installation of five default players.
#include "office/betting_office_window.h"
#include "player/fixture.h"

struct SignedIn : testing::TestInstallation {
    testing::ScriptedDialogs dialogs;
    BettingOfficeWindow *office = nullptr;
    explicit SignedIn(int slot, platform::Money cash = 777)
    {
        writeDefaultPlayers();
        office = app::window<BettingOfficeWindow>();
        signIn(slot, cash);
    }
    // The player of the slot, with this cash, a debt of 88, the share and horse 4 given.
    static void signIn(int slot, platform::Money cash, const QString &share = player::noShares, const QString &horse4 = "Whopper Meal With Fries")
    {
        game::PlayerRecord record;
        record.slot = slot, record.name = player::defaultName(slot), record.cash = cash, record.debt = 88;
        record.share = share, record.horses[3] = horse4;
        game::session().signIn(record);
    }
    // A bet of 100 on horse 1 placed and its race opened: nothing the race settles may change now.
    void startRace()
    {
        game::Session &session = game::session();
        dialogs.expectAnyMessage(), dialogs.expectAnyMessage();  // the stake and the bet
        game::tell(session.confirmStake(QStringLiteral("100"))), session.chooseHorse(1), game::tell(session.placeBet());
        session.startRace(), dialogs.clear();
    }
    QByteArray file(int slot, const char *suffix) const { return readData(QStringLiteral("user%1%2").arg(slot).arg(suffix)); }
    static platform::Money cash() { return game::session().record().cash; }
    static platform::Money debt() { return game::session().record().debt; }
};
