#pragma once
// A race's windows under test: a fresh installation, slot 1 (Ann) signed in, scripted boxes and draws.
#include "app/window_registry.h"
#include "game/session.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_random.h"
#include "support/test_installation.h"
#include "support/test_main.h"

#include <QTest>
#include <QtWidgets>

struct RaceGame {
    testing::TestInstallation installation;
    testing::ScriptedDialogs dialogs;
    testing::ScriptedRandom random;
    game::Session &s = game::session();
    // Amounts shown with "€"; horse 2's name is written as markup. With `race`, 50 on Black Beauty and
    // the race opened.
    RaceGame(platform::Money cash, platform::Money debt, const QString &share, bool race = false)
    {
        installation.writeDefaultPlayers();
        s.signIn({.slot = 1, .name = "Ann", .country = "", .currencySign = "€", .cash = cash, .debt = debt, .share = share,
                  .horses = {"Red Rum", "<b>Desert</b> Orchard", "Mr Ed", "Whopper Meal With Fries", "Black Beauty"}});
        if (race) {
            dialogs.expectAnyMessage(), dialogs.expectAnyMessage();  // the stake, the bet
            game::tell(s.confirmStake("50")), s.chooseHorse(5), game::tell(s.placeBet()), s.startRace();
        }
    }
};
// A window's control by its name.
template <class W = QWidget> W *in(QWidget *window, const QString &name) { return window->findChild<W *>(name); }
inline void destroyClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
