#pragma once
// The Grand National entry of the signed-in player (filled in with the Grand National's model).
#include "platform/conversions.h"

namespace game {

class GrandNationalBetting {
public:
    bool holdsPlayersMoney() const { return false; }
};

}  // namespace game
