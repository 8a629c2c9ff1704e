#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

// The administration console: sets the cash and debt of player slot 1, whoever is signed in, and
// hands the amounts to the betting office. It closes itself once its progress bar is full.
class AdminConsoleWindow : public QDialog {
    Q_OBJECT
public:
    AdminConsoleWindow();
    ~AdminConsoleWindow() override;

    QLabel *Label1 = nullptr;        // "All these actions Will Effect User 1:"
    QLineEdit *Text1 = nullptr;      // slot 1's name, shown only
    QLabel *Label2 = nullptr;        // "User 1 Cash:"
    QLineEdit *Text2 = nullptr;      // slot 1's cash
    QLabel *Label3 = nullptr;        // "User 1 Debt"
    QLineEdit *Text3 = nullptr;      // slot 1's debt
    QPushButton *Command1 = nullptr; // "Apply"
    QPushButton *Command2 = nullptr; // "Close"
    QProgressBar *ProgressBar1 = nullptr;  // the console's remaining life, 0..1000 ticks
    QTimer *Timer1 = nullptr;

public slots:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Timer1_Timer();
};
