#include "game/ordinary_race.h"

#include "platform/intervals.h"
#include "platform/random.h"
#include "race/race_rules.h"

namespace game {

OrdinaryRace::OrdinaryRace(const std::array<QString, lanes> &names) : names_(names) {}

void OrdinaryRace::drug(const QString &ownedHorse)
{
    doped_ = true;
    for (int lane = 1; lane <= lanes; ++lane) {
        if (names_[lane - 1] == ownedHorse)
            progress_[lane - 1] = race::drugLead;
    }
}

void OrdinaryRace::start()
{
    if (started())
        return;
    drawnWinner_ = platform::draw(lanes);
    for (int lane = 1; lane <= lanes; ++lane)
        progress_[lane - 1] += race::headStart(lane, drawnWinner_);
}

bool OrdinaryRace::tick(int lane)
{
    if (!started() || winner_ != 0 || lane < 1 || lane > lanes)
        return false;
    int &progress = progress_[lane - 1];
    if (lane == drawnWinner_)
        stepsThisRound_ = fast_ ? platform::spaceHeldSpeedUp : 1;
    for (int step = 0; step < stepsThisRound_; ++step) {
        if (race::tickFinishes(lane, progress)) {
            winner_ = lane;
            return true;
        }
    }
    return false;
}

}  // namespace game
