// The game's way in: the splash at start-up, and the hand-over from the sign-in to the betting
// office. Only here, at the top of the program, are the two ends known together.
#include "app/splash_window.h"
#include "app/window_registry.h"
#include "office/betting_office_window.h"

namespace app {

void startGame() { window<SplashWindow>()->show(); }

void openBettingOffice() { window<BettingOfficeWindow>(); }

void showBettingOffice() { window<BettingOfficeWindow>()->show(); }

}  // namespace app
