#pragma once
// The game as the signed-in player plays it: the record, the race card, the bet, the bank and the
// auction, and whether a race is under way. Every window talks to this one session: it calls an
// operation for what the player did, tells the reply it gets back, and shows the values the
// session's signals announce. The session checks the rules and changes the values; it never opens
// a window or a message box itself.
#include "game/bet.h"
#include "game/ordinary_race.h"
#include "game/player_record.h"
#include "game/reply.h"

#include <QObject>
#include <functional>
#include <array>
#include <memory>
#include <optional>

namespace game {

class GrandNationalBetting;

// Where the ordinary race stands.
enum class RacePhase {
    None,           // no race: the office takes bets
    DopingOffer,    // the owner is offered drugs for his horse before the race
    WaitingToStart, // the race window is open, the horses at the start
    Running,        // the horses are running
    Settling,       // the winner is in; the settlement's messages are being told
};

// The race card of the next race.
struct RaceCard {
    std::array<int, horseCount> odds{};
    std::array<QString, horseCount> jockeys;
    int tipHorse = 0;  // the horse the tipster names, 0 before the first tip
};

// The horse auction of the Shares tab as the player last saw it.
struct Auction {
    std::array<Money, horseCount> prices{};  // the prices of the last "Check Share Prices"
    bool pricesDrawn = false;
    bool listShown = false;   // the horses for sale, their prices and "Buy" are shown
    int choice = 0;           // the horse chosen in the list, 0 for none
    Money shownPrice = 0;     // the price shown under the list (the horse last chosen)
    bool sellShown = false;   // "Sell Your Horse Shares At The Auction" is offered
};

class Session : public QObject {
    Q_OBJECT
public:
    // The game's one session.
    static Session &instance();
    // A new session in place of the old (tests start each case afresh).
    static void reset();

    Session();
    ~Session() override;

    // ---- what the windows show ----
    const PlayerRecord &record() const { return record_; }
    const QString &sign() const { return record_.currencySign; }
    const RaceCard &card() const { return card_; }
    const Bet &bet() const { return bet_; }
    const Auction &auction() const { return auction_; }
    // "&Borrow" is offered: one loan or repayment between two races.
    bool mayBorrow() const { return mayBorrow_; }
    // The guidance in the betting office's status bar.
    const QString &guidance() const { return guidance_; }
    // The winner of the last ordinary race (empty before the first).
    const QString &lastWinner() const { return lastWinner_; }
    // The last save failed: the game is not stored.
    bool unsaved() const { return unsaved_; }
    // "Scorhers Hot Tip" may be asked (again after every confirmed stake).
    bool tipOffered() const { return tipOffered_; }

    RacePhase racePhase() const { return racePhase_; }
    // The race of this moment (from the race window's opening to its settlement).
    std::shared_ptr<OrdinaryRace> race() const { return race_; }
    // From "Start The Race" to the end of its settlement, and while the Grand National holds the
    // player's money: nothing the settlements read may change.
    bool raceUnderWay() const;
    // The Grand National entry of this player, from the first entry until its betting window closes.
    std::shared_ptr<GrandNationalBetting> grandNational() const { return grandNational_; }

    // ---- the betting office opens: the country, the tip, the jockeys, the first odds ----
    void openOffice(const QString &country, bool countryKnown);
    bool officeOpen() const { return officeOpen_; }
    // ---- sign-in and log off ----
    void signIn(const PlayerRecord &record);
    // Asks, saves with the display and signs the player off (see signedOut).
    Reply logOff();

    // ---- saving ----
    // The save with the display: savingStarted first; on a failure savingFailed and the message.
    // `afterSaved` runs when everything was written.
    Reply save(std::function<void()> afterSaved = {});
    // The silent save, done at once: a failure is told once (the reply), and the status bar keeps
    // saying it (saveStateChanged) until a save gets through.
    Reply saveQuietly();
    // Exit and the close box: the silent save, then Yes/No when the game is not stored. `leave`
    // runs when the player may go.
    Reply leave(const QString &what, std::function<void()> leave);

    // ---- the bet ----
    // The stake field's text changed (typed or picked): the hidden codes, and the stake shown.
    Reply stakeTextChanged(const QString &text);
    // "Place Your Stake": the question, and on Yes the confirm step.
    Reply placeStake(const QString &stakeText);
    // The confirm step: the stake checks; an accepted stake opens the choice of horse.
    Reply confirmStake(const QString &stakeText);
    // The wizard's "Select Current Stake": the picker's text checked; accepted, it goes on as if
    // placed on the Betting tab (the caller puts it in the stake field first).
    Reply checkWizardStake(const QString &pickerText, bool *accepted);
    void chooseHorse(int horse);
    Reply placeBet();
    // "Start The Race": the doping offer for an owner, else the race window (see raceOpened).
    void startRace();
    // "Cancel Your Bet." (and the race window closed before its start): back to the stake.
    void cancelBet();
    void drawTip();
    // The player was told how to go on with no cash and no loan left; told once until it changes.
    Reply tellWhenStuck();

    // ---- the bank ----
    Reply borrow(const QString &amountText);
    Reply payBack(const QString &amountText);

    // ---- the auction ----
    void checkSharePrices();
    void chooseSaleHorse(int horse);
    Reply buyShare();
    Reply sellShare();

    // ---- the race ----
    Reply acceptDrugs();
    void declineDrugs();
    // "Start The Race" in the race window: the winner is drawn and the head starts given.
    void startRunning();
    // The drawn winner has finished: the settlement (every message, the money, the next odds,
    // the save and the race book).
    Reply settleRace();

    // ---- the Grand National ----
    // "Send Your Horse To The Grand National": the checks, the fee, the betting window (made at the
    // first entry, its odds and the owned horse's lane drawn then).
    Reply enterGrandNational();
    void grandNationalStakeTyped();
    // "Confirm": the stake checks; an accepted stake is paid at once.
    Reply confirmGrandNationalStake(const QString &stakeText);
    void chooseGrandNationalRunner(int lane);
    void selectGrandNationalRunner();
    // "Start" at Aintree: the whole race is run now; false when no stake is confirmed (nothing to run).
    bool runGrandNational();
    // An ordinary race is running or being settled: the Grand National's settlement waits for it.
    bool ordinaryRaceRunning() const { return racePhase_ == RacePhase::Running || racePhase_ == RacePhase::Settling; }
    // The playback is over: the settlement.
    Reply settleGrandNational();
    // Leaving the entry (its window closed, log off, leaving the game). A race being run cannot be
    // left; while the fee or a stake would be lost the player is asked. `left` runs when the entry
    // is given up (at once when there is none).
    Reply leaveGrandNational(std::function<void()> left);

    // ---- the rest of the office ----
    Reply resetMoney();
    // The horse options window's names: checked (a refusal sets *badHorse to the horse 1..5 it is
    // about), then the horses, the share and the bet follow. `renamed` runs when they were taken.
    Reply renameHorses(const std::array<QString, horseCount> &names, int *badHorse, std::function<void()> renamed);
    // The administration console's amounts become the signed-in player's cash and debt.
    Reply checkConsoleMayApply();
    void takeConsoleAmounts(Money cash, Money debt);
    // A refusal while a race is under way ("Please wait until the race is over before you ...");
    // empty when no race is.
    Reply refusedDuringRace(const QString &what) const;

    // The guidance in the status bar becomes `text` (the office's own notes: the update check, a
    // stake picked from the list).
    void setGuidance(const QString &text);
    // The betting office is gone: nothing is signed in to it any more.
    void closeOffice() { officeOpen_ = false; }

signals:
    void recordChanged();     // money, share, horses, name
    void cardChanged();       // odds, jockeys, tip
    void betChanged();
    void bankChanged();       // whether borrowing is offered
    void auctionChanged();
    void guidanceChanged();
    void raceChanged();       // the race phase, the race's lanes
    void saveStateChanged();  // unsaved or stored again
    void signedIn();
    void signedOut();
    // The race is opened: with the doping offer first (an owner's race), or straight to the race.
    void raceOpened(bool dopingOffer);
    // A race not started yet is called off: its window closes.
    void raceCalledOff();
    // The race is settled: its window closes.
    void raceSettled();
    // A save with the display begins; it failed (the display stops: `noteKept` when an earlier
    // failed save's note stays in the status bar).
    void savingStarted();
    void savingFailed(bool noteKept);
    // The stake field's hidden codes.
    void administrationRequested();
    void programmerRequested();
    void stakeFieldCleared();
    // The Grand National's betting window is to be shown; the entry is over (it closes); its race is
    // settled (the race window closes, the betting window hides).
    void grandNationalOpened();
    void grandNationalClosed();
    void grandNationalSettled();


private:
    void setMoney(Money cash, Money debt);
    void setShare(const QString &share);
    void returnToStakeEntry();
    void clearPlayerState();

    PlayerRecord record_;
    RaceCard card_;
    Bet bet_;
    Auction auction_;
    bool mayBorrow_ = true;
    QString guidance_;
    QString lastWinner_;
    bool unsaved_ = false;
    bool stuckTold_ = false;
    bool tipOffered_ = true;
    bool officeOpen_ = false;
    QString country_;
    QString countrySign_;
    RacePhase racePhase_ = RacePhase::None;
    std::shared_ptr<OrdinaryRace> race_;
    std::shared_ptr<GrandNationalBetting> grandNational_;
};

// Shorthand for the game's one session.
inline Session &session() { return Session::instance(); }

}  // namespace game
