#pragma once
// Message boxes and input boxes. Every window asks through this interface, so a
// test can answer them from a script and see every message the game shows.
#include <QString>
#include <optional>

namespace platform {

enum class Icon { None, Information, Warning, Critical, Question };
enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel };
enum class Answer { Ok, Yes, No, Cancel };

// The game's own title for message and input boxes.
inline constexpr const char *programTitle = "Paddox6";

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows a modal message and returns the button pressed. An empty title
    // means the program's own title.
    virtual Answer message(const QString &text, Icon icon = Icon::None, Buttons buttons = Buttons::Ok,
                           const QString &title = QString()) = 0;
    // Asks for a line of text; nullopt when the player cancelled.
    virtual std::optional<QString> input(const QString &prompt, const QString &title = QString(),
                                         const QString &defaultText = QString(), bool password = false) = 0;
};

// The dialogs in use. Production installs the Qt message boxes at start-up;
// tests install a scripted implementation.
Dialogs &dialogs();
void setDialogs(Dialogs *implementation);

// Shorthand for the common case.
inline Answer say(const QString &text, Icon icon = Icon::None, Buttons buttons = Buttons::Ok,
                  const QString &title = QString())
{
    return dialogs().message(text, icon, buttons, title);
}

}  // namespace platform
