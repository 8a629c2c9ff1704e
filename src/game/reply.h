#pragma once
// What the game tells the player after an action: messages in order, the changes that happen
// between them, and questions whose answers lead on. The game builds replies; a window tells
// them (game::tell), so the rules never open a box themselves and a test can read every word.
#include "platform/dialogs.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace game {

// One message box: its text, icon, buttons and title (empty: the program's own title).
struct Notice {
    Notice(QString text = QString(), platform::Icon icon = platform::Icon::None,
           platform::Buttons buttons = platform::Buttons::Ok, QString title = QString())
        : text(std::move(text)), icon(icon), buttons(buttons), title(std::move(title))
    {
    }
    QString text;
    platform::Icon icon = platform::Icon::None;
    platform::Buttons buttons = platform::Buttons::Ok;
    QString title;
};

class Reply {
public:
    using Change = std::function<void()>;
    using Next = std::function<Reply()>;
    using Answered = std::function<Reply(platform::Answer)>;

    Reply() = default;
    // A reply of one message.
    Reply(Notice notice);  // NOLINT: a notice is a reply
    static Reply message(const QString &text, platform::Icon icon = platform::Icon::None)
    {
        return Reply(Notice{text, icon, platform::Buttons::Ok, QString()});
    }

    // A message, shown where it stands.
    Reply &tell(Notice notice);
    Reply &tell(const QString &text, platform::Icon icon = platform::Icon::None)
    {
        return tell(Notice{text, icon, platform::Buttons::Ok, QString()});
    }
    // A change of the game's values at this point of the telling: after the messages before it,
    // before the ones after it.
    Reply &then(Change change);
    // The same, for a change that has something to tell: its reply is told in its place.
    Reply &thenTell(Next next);
    // A question; the answer chooses what follows (told in its place).
    Reply &ask(Notice question, Answered answered);
    // Another reply told after this one.
    Reply &append(Reply other);

    bool isEmpty() const { return steps_.isEmpty(); }

    // Shows the messages in order through the dialogs, runs the changes where they stand and
    // follows the answers. Returns the answer to the last message shown (Ok when none was).
    platform::Answer tell() const;
    // The same, with the messages shown by `show` (a window's own panel, say) instead.
    using Shower = std::function<platform::Answer(const Notice &)>;
    platform::Answer tell(const Shower &show) const;

private:
    struct Step {
        std::optional<Notice> notice;
        Answered next;  // run after the notice (with its answer), or alone (answer Ok)
    };
    QList<Step> steps_;
};

// Shorthand: tells a reply.
inline platform::Answer tell(const Reply &reply) { return reply.tell(); }

}  // namespace game
