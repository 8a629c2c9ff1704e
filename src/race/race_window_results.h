#pragma once
// "Results In The Race Window": the settlement's messages after a race together in a panel over
// the course, in order, with one OK, instead of one box each. Questions still come in boxes.
#include "game/reply.h"

#include <QFrame>
#include <QStringList>
#include <memory>

class QLabel;
class QPushButton;
namespace platform {
class HeldKeyGuard;
}

namespace race {

class ResultsPanel final : public QFrame {
    Q_OBJECT
public:
    explicit ResultsPanel(QWidget *parent);
    ~ResultsPanel() override;

    // Tells a settlement: with results in the race window on, its plain messages are kept for the
    // panel (shown by showResults); otherwise, and for its questions, the boxes as ever.
    void tell(const game::Reply &reply);
    bool holdsResults() const { return !lines_.isEmpty(); }
    // Shows the messages kept over the course, the OK button taking the keyboard.
    void showResults();

signals:
    void accepted();

private:
    QStringList lines_;
    QLabel *text_ = nullptr;
    QPushButton *ok_ = nullptr;
    std::unique_ptr<platform::HeldKeyGuard> guard_;  // held keys answer nothing, as in a box
};

}  // namespace race
