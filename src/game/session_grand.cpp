// The session's Grand National: entering the owned horse (filled in with the Grand National's model).
#include "game/grand_national_betting.h"
#include "game/session.h"

namespace game {

Reply Session::enterGrandNational() { return Reply(); }

void Session::leaveGrandNational() { grandNational_.reset(); }

}  // namespace game
