#pragma once
// What a race window says in words. The caller: one line under the course, read by a screen
// reader as it changes. "Results In The Race Window": the settlement's messages after a race together in a panel over
// the course, in order, with one OK, instead of one box each. Questions still come in boxes.
#include "game/reply.h"

#include <QFrame>
#include <QLabel>
#include <QStringList>
#include <memory>

class QPushButton;
namespace platform {
class HeldKeyGuard;
}

namespace race {

class CallerLine final : public QLabel {
public:
    // White plain text in the given font; the names in a line are shown as typed.
    CallerLine(QWidget *parent, const QFont &font, const QRect &geometry);
    // Shows the line, and names the label after it, when it differs from the last.
    void call(const QString &line);
};

class ResultsPanel final : public QFrame {
    Q_OBJECT
public:
    explicit ResultsPanel(QWidget *parent);
    ~ResultsPanel() override;

    // Tells a settlement: with results in the race window on, its plain messages are kept for the
    // panel (shown by showHeldResults); otherwise, and for its questions, the boxes as ever.
    void tell(const game::Reply &reply);
    // Shows the messages kept, if any, over the course, the OK button taking the keyboard; false
    // when there were none to show.
    bool showHeldResults();

signals:
    void accepted();

private:
    QStringList lines_;
    QLabel *text_ = nullptr;
    QPushButton *ok_ = nullptr;
    std::unique_ptr<platform::HeldKeyGuard> guard_;  // held keys answer nothing, as in a box
};

}  // namespace race
