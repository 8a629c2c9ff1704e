#pragma once
// The production message and input boxes: QMessageBox and QInputDialog.
#include "platform/dialogs.h"

#include <QObject>
#include <QSet>
#include <utility>

class QWidget;

namespace platform {

class QtDialogs final : public Dialogs {
public:
    Answer message(const QString &text, Icon icon, Buttons buttons, const QString &title) override;
    std::optional<QString> input(const QString &prompt, const QString &title, const QString &defaultText,
                                 bool password) override;
};

// While a box is open, a held key answers nothing: a player who holds Space (the race's speed
// key) or Enter through the end of a race sees every message. A key that was already down when
// the box opened reaches none of the box's widgets, neither its repeats nor its release (a Space
// release would click the focused button); a key pressed in the box works as ever, but its
// repeats answer nothing either. Only typing repeats: a key pressed in an input box's text field
// and held there (a letter, a blank, Backspace), unless it is Enter or Escape. It guards the box
// (and everything in it) for as long as it lives.
class HeldKeyGuard final : public QObject {
public:
    explicit HeldKeyGuard(QWidget *box);
    ~HeldKeyGuard() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static bool typing(const QWidget *widget, int key);

    static inline std::pair<int, quint64> lastRelease_;  // key and moment of the last release a box saw
    QWidget *box_;
    QSet<int> pressedHere_;  // keys whose first press came while the box was open
};

}  // namespace platform
