// The session's bet: the stake and its hidden codes, the horse, the bet, the start of the race,
// calling the bet off, and the tipster.
#include "game/session.h"

#include "office/race_card.h"
#include "platform/random.h"

namespace game {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

Reply Session::stakeTextChanged(const QString &text)
{
    // Each code is the whole stake text, letter for letter.
    if (text == QLatin1String("vesko")) {
        emit administrationRequested();
        emit stakeFieldCleared();
        bet_.stakeShown = QString();
        emit betChanged();
        return Reply();
    }
    Reply reply;
    if (text == QLatin1String("Odmar Vellis Trunch") && record_.horses[0] == text) {
        emit programmerRequested();
    } else if (text == QLatin1String("lanternbounty")) {
        // Set, not added; the next save stores it. Never under a race's settlement.
        reply = refusedDuringRace(QStringLiteral("change your cash"));
        if (reply.isEmpty())
            setMoney(100000, record_.debt);
    }
    bet_.stakeShown = text;
    emit betChanged();
    return reply;
}

Reply Session::placeStake(const QString &stakeText)
{
    Reply reply;
    reply.ask(Notice{office::placeStakeQuestion(sign(), stakeText), Icon::None, Buttons::YesNo,
                     QStringLiteral("Paddox6 Is Asking You A Question?")},
              [this, stakeText](Answer answer) { return answer == Answer::Yes ? confirmStake(stakeText) : Reply(); });
    return reply;
}

Reply Session::confirmStake(const QString &stakeText)
{
    // A stake is confirmed once, at stake entry: never under a bet on its way to the race or under a
    // race, whose settlement takes the confirmed stake.
    if (bet_.phase != BetPhase::Stake)
        return Reply();
    const office::StakeCheck check =
        office::checkStakeUpTo(office::typedAmount(stakeText), record_.cash, office::stakeLimit);
    const QString message = office::stakeMessage(check, sign());
    Reply reply;
    switch (check.outcome) {
    case office::StakeOutcome::OverLimit: reply.tell(message, Icon::Critical); break;
    case office::StakeOutcome::NotEnoughCash:
        reply.tell(message, Icon::Warning).thenTell([this] { return tellWhenStuck(); });
        break;
    case office::StakeOutcome::NoStake: reply.tell(message, Icon::Information); break;
    case office::StakeOutcome::Accepted:
        reply.tell(message, Icon::Information).then([this, stake = check.stake] {
            bet_.phase = BetPhase::Horse;
            bet_.stake = stake;
            bet_.horse = 0;
            // The stake as confirmed, in plain digits: what the race takes or multiplies.
            bet_.stakeShown = platform::moneyText(stake);
            tipOffered_ = true;
            emit betChanged();
            emit cardChanged();
        });
        break;
    }
    reply.then([this] { setGuidance(QStringLiteral("Now Select The Horse You Wish To Bet On")); });
    return reply;
}

Reply Session::checkWizardStake(const QString &pickerText, bool *accepted)
{
    const office::WizardStake outcome = office::checkWizardStake(pickerText);
    *accepted = outcome == office::WizardStake::Accepted;
    return *accepted ? Reply() : Reply::message(office::wizardStakeMessage(outcome), Icon::None);
}

void Session::chooseHorse(int horse)
{
    if (horse < 1 || horse > horseCount || bet_.phase != BetPhase::Horse)
        return;
    const QString name = record_.horses[horse - 1];
    bet_.horse = horse;
    bet_.backed = name;
    bet_.winningsShown = office::promisedWinnings(card_.odds[horse - 1], bet_.stake);
    bet_.winnings = platform::moneyOrZero(bet_.winningsShown);
    emit betChanged();
    setGuidance(QStringLiteral("You Are Going To Place A Bet On: ") + name);
}

Reply Session::placeBet()
{
    if (bet_.phase != BetPhase::Horse || bet_.horse == 0)
        return Reply();
    Reply reply(Notice{office::betAnnouncement(sign(), bet_.stakeShown, bet_.backed, bet_.winningsShown),
                       Icon::Information, Buttons::Ok, QString()});
    reply.then([this] {
        bet_.phase = BetPhase::Placed;
        emit betChanged();
        setGuidance(QStringLiteral("Now Select 'Start Race' - good luck "));
    });
    return reply;
}

void Session::startRace()
{
    if (bet_.phase != BetPhase::Placed || racePhase_ != RacePhase::None)
        return;
    bet_.phase = BetPhase::Race;
    race_ = std::make_shared<OrdinaryRace>(record_.horses);
    const bool offer = record_.ownsHorse();
    racePhase_ = offer ? RacePhase::DopingOffer : RacePhase::WaitingToStart;
    emit betChanged();
    emit raceChanged();
    emit raceOpened(offer);
}

void Session::cancelBet()
{
    // While the doping offer is answered, or the horses run, the bet stays as it is: the race end
    // settles it.
    if (racePhase_ == RacePhase::DopingOffer || racePhase_ == RacePhase::Running || racePhase_ == RacePhase::Settling)
        return;
    returnToStakeEntry();
    // A race not started yet is called off with its bet.
    if (racePhase_ == RacePhase::WaitingToStart) {
        racePhase_ = RacePhase::None;
        race_.reset();
        emit raceChanged();
        emit raceCalledOff();
    }
}

void Session::returnToStakeEntry()
{
    setGuidance(QStringLiteral("Enter The Amount You Wish To Place On This Race"));
    bet_.phase = BetPhase::Stake;
    emit betChanged();
}

void Session::drawTip()
{
    card_.tipHorse = office::drawTipHorse();
    tipOffered_ = false;
    emit cardChanged();
}

Reply Session::tellWhenStuck()
{
    const bool stuck = record_.cash <= 0 && !mayBorrow_;
    if (!stuck) {
        stuckTold_ = false;
        return Reply();
    }
    if (stuckTold_)
        return Reply();
    stuckTold_ = true;
    QString ways = QStringLiteral("You have no cash to bet with, and you have already used this race's loan, so you "
                                  "cannot place a bet now.\n\nYou can go on ");
    if (record_.ownsHorse())
        ways += QStringLiteral("by selling your horse share on the Shares tab, or ");
    ways += QStringLiteral("by starting again with Reset All Data on the Paddox Actions menu (cash and debt back to ") +
            sign() + QStringLiteral("500).");
    return Reply::message(ways, Icon::Information);
}

}  // namespace game
