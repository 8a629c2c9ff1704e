#include "platform/dialogs.h"

namespace platform {

namespace {
// Before anything is installed (a rule used outside the program), messages are
// dropped and questions answered with their safe choice.
class SilentDialogs final : public Dialogs {
public:
    Answer message(const QString &, Icon, Buttons buttons, const QString &) override
    {
        return buttons == Buttons::Ok ? Answer::Ok : (buttons == Buttons::OkCancel ? Answer::Cancel : Answer::No);
    }
    std::optional<QString> input(const QString &, const QString &, const QString &, bool) override
    {
        return std::nullopt;
    }
};

SilentDialogs silent;
Dialogs *current = &silent;
}  // namespace

Dialogs &dialogs() { return *current; }
void setDialogs(Dialogs *implementation) { current = implementation ? implementation : &silent; }

}  // namespace platform
