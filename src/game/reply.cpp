#include "game/reply.h"

namespace game {

Reply::Reply(Notice notice) { tell(std::move(notice)); }

Reply &Reply::tell(Notice notice)
{
    steps_.append(Step{std::move(notice), {}});
    return *this;
}

Reply &Reply::then(Change change)
{
    if (change)
        steps_.append(Step{std::nullopt, [change = std::move(change)](platform::Answer) {
                               change();
                               return Reply();
                           }});
    return *this;
}

Reply &Reply::thenTell(Next next)
{
    if (next)
        steps_.append(Step{std::nullopt, [next = std::move(next)](platform::Answer) { return next(); }});
    return *this;
}

Reply &Reply::ask(Notice question, Answered answered)
{
    steps_.append(Step{std::move(question), std::move(answered)});
    return *this;
}

Reply &Reply::append(Reply other)
{
    steps_.append(std::move(other.steps_));
    return *this;
}

platform::Answer Reply::tell() const
{
    return tell([](const Notice &notice) {
        return platform::say(notice.text, notice.icon, notice.buttons, notice.title);
    });
}

platform::Answer Reply::tell(const Shower &show) const
{
    platform::Answer last = platform::Answer::Ok;
    for (const Step &step : steps_) {
        platform::Answer answer = platform::Answer::Ok;
        if (step.notice) {
            answer = show(*step.notice);
            last = answer;
        }
        if (step.next) {
            const Reply following = step.next(answer);
            if (!following.isEmpty())
                last = following.tell(show);
        }
    }
    return last;
}

}  // namespace game
