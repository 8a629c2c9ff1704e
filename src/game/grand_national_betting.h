#pragma once
// The Grand National entry of the signed-in player: the betting window's own copy of the cash and
// debt, the runners with the owned horse in its drawn lane, the odds, the stake, the backed runner,
// and the race once it is run. Made at the first entry (the odds and the lane are drawn then), it
// lives until its betting window is closed; the session changes it.
#include "platform/conversions.h"
#include "race/grand_national.h"

#include <QObject>
#include <QString>
#include <array>

namespace game {

using platform::Money;

class GrandNationalBetting : public QObject {
    Q_OBJECT
public:
    // Draws the first odds (1..150 .. 1..1000) and the owned horse's lane.
    GrandNationalBetting(const QString &playerName, const QString &ownedHorse, Money debt);

    const QString &playerName() const { return playerName_; }
    Money cash() const { return cash_; }
    Money debt() const { return debt_; }
    const QString &ownedHorse() const { return owned_; }
    int ownedLane() const { return ownedLane_; }
    const std::array<QString, grand::laneCount> &runners() const { return runners_; }
    QString runner(int lane) const { return lane >= 1 && lane <= grand::laneCount ? runners_[lane - 1] : QString(); }
    const grand::Lanes &odds() const { return odds_; }
    Money stake() const { return stake_; }
    const QString &stakeShown() const { return stakeShown_; }      // "0" before the first stake
    const QString &winningsShown() const { return winningsShown_; }
    const QString &backed() const { return backed_; }             // "No Horse Selected" before a runner
    const QString &lastWinner() const { return lastWinner_; }

    // What the betting window offers.
    bool confirmOffered() const { return confirmOffered_; }
    bool stakeBoxOpen() const { return stakeBoxOpen_; }
    bool runnersOpen() const { return runnersOpen_; }
    bool selectOffered() const { return selectOffered_; }
    bool startOffered() const { return startOffered_; }
    // The betting window is showing (from the entry until the race is settled).
    bool shown() const { return shown_; }

    // The fee is paid and the horse has not run.
    bool feePaid() const { return feePaid_; }
    bool stakeConfirmed() const { return stakeConfirmed_; }
    // A confirmed stake not raced yet, or the race running or being settled.
    bool holdsPlayersMoney() const { return stakeConfirmed_ || running_; }
    // The race as run when Start was pressed; running from then to the end of its settlement.
    const grand::Race &race() const { return race_; }
    bool running() const { return running_; }

    // ---- what the session does with it ----
    // The entry: the debt and the owned horse as they are now, the fee paid, the cash left.
    void enter(Money cashLeft, Money debt, const QString &ownedHorse);
    void setMoney(Money cash, Money debt);
    void stakeTyped();
    void stakeTaken(Money stake, Money cashLeft, Money debt);
    void chooseRunner(int lane);
    void selectRunner();
    void raceStarted();
    void setLastWinner(const QString &name);
    void reopenBetting();
    void reopenStakeBox();
    void setOdds(const grand::Lanes &odds);
    void raceSettled();
    // The horses were renamed: the entered horse keeps its entry under its new name.
    void horseRenamed(const QString &before, const QString &after);
    void hide();

signals:
    void changed();

private:
    QString playerName_;
    Money cash_ = 0;
    Money debt_ = 0;
    QString owned_;
    int ownedLane_ = 0;
    std::array<QString, grand::laneCount> runners_;
    grand::Lanes odds_{};
    Money stake_ = 0;
    Money winnings_ = 0;
    QString stakeShown_ = QStringLiteral("0");
    QString winningsShown_ = QStringLiteral("0");
    QString backed_ = QStringLiteral("No Horse Selected");
    QString lastWinner_;
    bool confirmOffered_ = true;
    bool stakeBoxOpen_ = true;
    bool runnersOpen_ = false;
    bool selectOffered_ = false;
    bool startOffered_ = false;
    bool shown_ = false;
    bool feePaid_ = false;
    bool stakeConfirmed_ = false;
    bool running_ = false;
    grand::Race race_;

    friend class Session;
};

}  // namespace game
