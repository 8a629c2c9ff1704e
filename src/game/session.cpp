// The session's life: the office opening, sign-in and log off, the saves, leaving, the reset, the
// horses' new names and the administration console's amounts.
#include "game/session.h"

#include "game/grand_national_betting.h"

#include <algorithm>
#include <memory>
#include "office/race_card.h"
#include "platform/dialogs.h"
#include "player/record_safety.h"

namespace game {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {
std::unique_ptr<Session> &current()
{
    static std::unique_ptr<Session> session;
    return session;
}
}  // namespace

Session &Session::instance()
{
    if (!current())
        current() = std::make_unique<Session>();
    return *current();
}

void Session::reset() { current().reset(); }

Session::Session() : guidance_(QStringLiteral("Welcome To Paddox6.6 ")) {}

Session::~Session() = default;

bool Session::raceUnderWay() const
{
    return racePhase_ != RacePhase::None || (grandNational_ && grandNational_->holdsPlayersMoney());
}

Reply Session::refusedDuringRace(const QString &what) const
{
    if (!raceUnderWay())
        return Reply();
    return Reply::message(QStringLiteral("Please wait until the race is over before you %1.").arg(what),
                          Icon::Information);
}

void Session::setGuidance(const QString &text)
{
    guidance_ = text;
    emit guidanceChanged();
}

void Session::setMoney(Money cash, Money debt)
{
    record_.cash = cash;
    record_.debt = debt;
    // Cash in hand ends being stuck: stuck again, the player is told again.
    if (cash > 0)
        stuckTold_ = false;
    emit recordChanged();
}

void Session::setShare(const QString &share)
{
    record_.share = share;
    emit recordChanged();
}

// ---- the office, sign-in, log off ----

void Session::openOffice(const QString &country, bool countryKnown)
{
    officeOpen_ = true;
    country_ = countryKnown ? country : QString();
    countrySign_ = (countryKnown ? office::currencySignFor(country) : std::nullopt).value_or(office::defaultCurrencySign());
    record_.country = country_;
    record_.currencySign = countrySign_;
    drawTip();
    const auto jockeys = office::dealJockeys(office::drawJockeyRotation());
    std::copy(jockeys.begin(), jockeys.end(), card_.jockeys.begin());
    setGuidance(QStringLiteral("Welcome To Paddox6.6 "));
    const auto odds = office::drawOdds();
    std::copy(odds.begin(), odds.end(), card_.odds.begin());
    emit cardChanged();
    emit recordChanged();
}

void Session::signIn(const PlayerRecord &record)
{
    record_ = record;
    record_.share = shareFromFile(record.share);
    if (officeOpen_) {
        record_.country = country_;
        record_.currencySign = countrySign_;
    }
    emit recordChanged();
    emit signedIn();
}

Reply Session::logOff()
{
    // The race end pays or takes this player's bet and saves his record: he stays until then.
    if (Reply refusal = refusedDuringRace(QStringLiteral("log off")); !refusal.isEmpty())
        return refusal;
    Reply reply;
    reply.ask(Notice{QStringLiteral("Are You Sure You Wish To Log Off?"), Icon::None, Buttons::YesNoCancel,
                     QStringLiteral("QUESTION")},
              [this](Answer answer) {
                  if (answer != Answer::Yes)
                      return Reply();
                  // A Grand National entry whose horse has not run is given up first, or the player stays.
                  auto entryLeft = std::make_shared<bool>(false);
                  Reply reply = leaveGrandNational([entryLeft] { *entryLeft = true; });
                  reply.thenTell([this, entryLeft] {
                      if (!*entryLeft)
                          return Reply();
                      // The player stays signed in while his game is not stored.
                      return save([this] {
                          clearPlayerState();
                          record_ = PlayerRecord();
                          record_.country = country_;
                          record_.currencySign = countrySign_;
                          emit recordChanged();
                          emit signedOut();
                      });
                  });
                  return reply;
              });
    return reply;
}

void Session::clearPlayerState()
{
    returnToStakeEntry();
    bet_ = Bet();
    emit betChanged();
    auction_ = Auction();
    emit auctionChanged();
    mayBorrow_ = true;
    emit bankChanged();
    stuckTold_ = false;
    setGuidance(QStringLiteral("Welcome To Paddox6.6 "));
}

// ---- saving ----

Reply Session::save(std::function<void()> afterSaved)
{
    Reply reply;
    reply.thenTell([this, afterSaved = std::move(afterSaved)] {
        emit savingStarted();
        // Only a signed-in player's record is written: after a log off the record is empty, and
        // writing it would wipe the slot last played.
        const bool slotKnown = record_.signedIn();
        if (slotKnown)
            player::setCurrentSlot(static_cast<short>(record_.slot));
        QString problem;
        if (!slotKnown)
            problem = QStringLiteral("No player is signed in, so there is nothing to save.");
        else if (const player::FileProblem failed = player::saveRecord(record_.slot, record_.playingFields()); !failed.ok())
            problem = player::saveProblemText(failed);
        if (problem.isEmpty()) {
            unsaved_ = false;
            if (afterSaved)
                afterSaved();
            return Reply();
        }
        // Nothing claims success: the display stops, and the player is told.
        emit savingFailed(unsaved_);
        unsaved_ = unsaved_ || slotKnown;
        return Reply::message(problem, Icon::Critical);
    });
    return reply;
}

Reply Session::saveQuietly()
{
    if (!record_.signedIn())
        return Reply();
    const player::FileProblem failed = player::saveRecord(record_.slot, record_.playingFields());
    if (failed.ok()) {
        if (unsaved_) {
            unsaved_ = false;
            emit saveStateChanged();
        }
        return Reply();
    }
    // Told once; the status bar keeps saying it until a save gets through.
    const bool toldBefore = unsaved_;
    unsaved_ = true;
    emit saveStateChanged();
    return toldBefore ? Reply() : Reply::message(player::saveProblemText(failed), Icon::Critical);
}

Reply Session::leave(const QString &what, std::function<void()> leave)
{
    // Leaving during a race would save the record before the stake is taken and the interest added.
    if (Reply refusal = refusedDuringRace(what); !refusal.isEmpty())
        return refusal;
    // A Grand National entry whose horse has not run is given up first, or the player stays.
    auto entryLeft = std::make_shared<bool>(false);
    Reply reply = leaveGrandNational([entryLeft] { *entryLeft = true; });
    reply.thenTell([this, entryLeft] { return *entryLeft ? saveQuietly() : Reply(); });
    reply.thenTell([this, entryLeft, leave = std::move(leave)] {
        if (!*entryLeft)
            return Reply();
        if (!unsaved_) {
            leave();
            return Reply();
        }
        Reply question;
        question.ask(Notice{player::leaveUnsavedQuestion(), Icon::Warning, Buttons::YesNo, QString()},
                     [leave](Answer answer) {
                         if (answer == Answer::Yes)
                             leave();
                         return Reply();
                     });
        return question;
    });
    return reply;
}

// ---- the reset, the horses' names, the console ----

Reply Session::resetMoney()
{
    if (Reply refusal = refusedDuringRace(QStringLiteral("reset your data")); !refusal.isEmpty())
        return refusal;
    const QString title = QStringLiteral("Reset All Your Data?");
    Reply reply;
    reply.ask(Notice{QStringLiteral("Are You Sure You Want To Reset Your Cash & Debt Back To 500?"), Icon::None,
                     Buttons::YesNoCancel, title},
              [this, title](Answer answer) {
                  if (answer != Answer::Yes)
                      return Reply();
                  const Money fresh = platform::moneyOrZero(player::defaultMoney);
                  setMoney(fresh, fresh);
                  Reply done(Notice{QStringLiteral("Cash & Debt Are Now Reset To £500"), Icon::None, Buttons::Ok, title});
                  return done.append(save());
              });
    return reply;
}

Reply Session::renameHorses(const std::array<QString, horseCount> &typed, int *badHorse, std::function<void()> renamed)
{
    // The race in progress runs, and pays, under the names it started with.
    if (Reply refusal = refusedDuringRace(QStringLiteral("rename your horses")); !refusal.isEmpty())
        return refusal;
    std::array<QString, horseCount> names = typed;
    auto refuse = [badHorse](int horse, const QString &text) {
        if (badHorse)
            *badHorse = horse;
        return Reply::message(text, Icon::Warning);
    };
    for (int i = 0; i < horseCount; ++i) {
        names[i].replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (names[i].trimmed().isEmpty())
            return refuse(i + 1, QStringLiteral("Please give every horse a name: Horse %1 has none.").arg(i + 1));
        // A name is one line of its record file and fits the race card; one kept as it was may be longer.
        if (names[i].size() > player::longestName && names[i] != record_.horses[i])
            return refuse(i + 1, QStringLiteral("Horse %1's name is longer than %2 characters, please choose a shorter name.")
                                     .arg(i + 1)
                                     .arg(player::longestName));
        // The share is written down by its horse's name, and "You Have No Shares" (or "0") means none:
        // a horse of that name would lose its owner his share.
        if (names[i] == player::noShares || names[i] == QLatin1String("0"))
            return refuse(i + 1, QStringLiteral("Horse %1 cannot be called \"%2\", please choose another name.")
                                     .arg(i + 1)
                                     .arg(names[i]));
        // The race is won by a name: two horses of one name would both win a bet on either of them.
        for (int j = 0; j < i; ++j) {
            if (names[j] == names[i])
                return refuse(i + 1, QStringLiteral("Every horse needs a name of its own: Horse %1 and Horse %2 are both "
                                                    "called \"%3\".")
                                         .arg(j + 1)
                                         .arg(i + 1)
                                         .arg(names[i]));
        }
    }
    const std::array<QString, horseCount> before = record_.horses;
    if (grandNational_) {
        const auto entered = std::find(before.begin(), before.end(), grandNational_->ownedHorse());
        if (entered != before.end())
            grandNational_->horseRenamed(*entered, names[entered - before.begin()]);
    }
    const int owned = record_.ownsHorse() ? office::shareHorse(record_.share, before) : 0;
    record_.horses = names;
    if (owned)
        record_.share = names[owned - 1];
    // The horse backed in this bet keeps its bet under its new name.
    if (bet_.horse >= 1 && bet_.backed == before[bet_.horse - 1]) {
        bet_.backed = names[bet_.horse - 1];
        emit betChanged();
    }
    emit recordChanged();
    emit cardChanged();  // the tip names the horse by its new name
    if (renamed)
        renamed();
    return Reply();
}

Reply Session::checkConsoleMayApply()
{
    return refusedDuringRace(QStringLiteral("change your cash and debt"));
}

void Session::takeConsoleAmounts(Money cash, Money debt) { setMoney(cash, debt); }

}  // namespace game
