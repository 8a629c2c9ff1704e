#pragma once
#include <QDialog>
#include <array>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
namespace game {
class GrandNationalBetting;
}

// The Grand National betting window: the owned horse against the four field horses, a stake of
// up to 1000 and one runner to back. It shows the player's Grand National entry; made on the
// first entry, hidden after each race and shown again at the next entry.
class GrandNationalWindow : public QDialog {
    Q_OBJECT
public:
    GrandNationalWindow();
    ~GrandNationalWindow() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void load();
    void showEntry();
    void onConfirmClicked();
    void onSelectClicked();
    void onStartClicked();

    std::shared_ptr<game::GrandNationalBetting> entry_;
    QLineEdit *cashField = nullptr;   // the window's own copy of the cash
    QLineEdit *debtField = nullptr;   // and of the debt
    QComboBox *stakeBox = nullptr;
    QLineEdit *lastWinnerField = nullptr;
    std::array<QRadioButton *, 5> runnerOptions{};
    std::array<QLabel *, 5> oddsLabels{};
    QLabel *greetingLabel = nullptr;
    QLabel *startedLabel = nullptr;
    QLabel *cashCaption = nullptr;
    QLabel *debtCaption = nullptr;
    QLabel *ownedLabel = nullptr;
    QLabel *stakeLabel = nullptr;
    QLabel *winningsLabel = nullptr;
    QLabel *backedLabel = nullptr;
    QPushButton *confirmButton = nullptr;
    QPushButton *startButton = nullptr;
    QPushButton *selectButton = nullptr;
    QTabWidget *tabs = nullptr;
    bool leaving_ = false;    // the entry is given up: the window closes without asking
};
