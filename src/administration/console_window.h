#pragma once
#include <QDialog>

class QLineEdit;
class QProgressBar;
class QTimer;

// The administration console: sets the cash and debt of player slot 1, whoever is signed in, and
// hands the amounts to the game session. It closes itself once its progress bar is full.
class AdminConsoleWindow : public QDialog {
    Q_OBJECT
public:
    AdminConsoleWindow();
    ~AdminConsoleWindow() override;

private:
    // Shows slot 1's name, cash and debt from its files.
    void load();
    void onApplyClicked();
    // One tick of the console's life: the bar grows, and when it is full the console closes.
    void onLifetimeTick();

    QLineEdit *nameField = nullptr;  // slot 1's name, shown only
    QLineEdit *cashField = nullptr;  // slot 1's cash
    QLineEdit *debtField = nullptr;  // slot 1's debt
    QProgressBar *lifetimeBar = nullptr;  // the console's life, 0..1000 ticks
    QTimer *lifetimeTimer = nullptr;
};
