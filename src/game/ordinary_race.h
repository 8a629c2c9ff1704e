#pragma once
// One ordinary race of the five horses: each lane's progress from 0 towards 13000, the drawn
// winner's head start, and the ticks that move the horses on. The race window shows it and drives
// its ticks; the drawn winner always finishes first.
#include <QString>
#include <array>
#include <optional>

namespace game {

class OrdinaryRace {
public:
    static constexpr int lanes = 5;

    explicit OrdinaryRace(const std::array<QString, lanes> &names);

    const QString &name(int lane) const { return names_[index(lane)]; }
    // The lane's progress value, 0..13000 (a multiple of 10).
    int progress(int lane) const { return progress_[index(lane)]; }

    // The doping offer's answer: bought, every lane that runs the owned horse starts at 900.
    void drug(const QString &ownedHorse);
    void declineDrugs() { doped_ = false; }
    // Bought (true), declined (false), or the offer was never made.
    std::optional<bool> drugged() const { return doped_; }

    // Start: draws the winner and adds the head starts (2000, 1000, 500, 250, 0 from the winner on).
    void start();
    bool started() const { return drawnWinner_ != 0; }
    int drawnWinner() const { return drawnWinner_; }

    // While fast, every tick moves a horse four steps instead of one. The pace of a round is fixed at
    // the drawn winner's tick (its timer runs first), so all horses gain alike and it keeps its lead.
    void setFast(bool fast) { fast_ = fast; }
    // One tick of a lane. True when this tick finished the race: the lane had reached its finishing
    // post. Ticks after the finish change nothing.
    bool tick(int lane);
    // 0 until a horse finishes, then its lane.
    int winner() const { return winner_; }

private:
    static int index(int lane) { return lane >= 1 && lane <= lanes ? lane - 1 : 0; }
    std::array<QString, lanes> names_;
    std::array<int, lanes> progress_{};
    std::optional<bool> doped_;
    int drawnWinner_ = 0;
    int winner_ = 0;
    bool fast_ = false;
    int stepsThisRound_ = 1;
};

}  // namespace game
