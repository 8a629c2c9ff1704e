#pragma once
// The production message and input boxes: QMessageBox and QInputDialog.
#include "platform/dialogs.h"

namespace platform {

class QtDialogs final : public Dialogs {
public:
    Answer message(const QString &text, Icon icon, Buttons buttons, const QString &title) override;
    std::optional<QString> input(const QString &prompt, const QString &title, const QString &defaultText,
                                 bool password) override;
};

}  // namespace platform
