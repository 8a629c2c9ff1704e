#pragma once
#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// The Grand National betting window: the owned horse against the four field horses, a stake of
// up to 1000 and one runner to back. Made on the first entry, then hidden and shown again.
class GrandNationalWindow : public QDialog {
    Q_OBJECT
public:
    GrandNationalWindow();
    ~GrandNationalWindow() override;

    QLineEdit *Text1 = nullptr;     // working cash
    QLineEdit *Text2 = nullptr;     // working debt
    QComboBox *Text3 = nullptr;     // stake box
    QLineEdit *Text4 = nullptr;     // the last Grand National's winner
    QRadioButton *Option1 = nullptr;  // the runners of lanes 1..5
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QRadioButton *Option5 = nullptr;
    QLabel *Label1 = nullptr;       // greeting
    QLabel *Label2 = nullptr;       // start time
    QLabel *Label3 = nullptr;       // "Cash " + sign
    QLabel *Label4 = nullptr;       // "Debt " + sign
    QLabel *Label9 = nullptr;       // the owned horse
    QLabel *Label10 = nullptr;      // the confirmed stake
    QLabel *Label11 = nullptr;      // promised winnings
    QLabel *Label12 = nullptr;      // the backed horse
    QLabel *Label13 = nullptr;      // "Odd/1"
    QLabel *Label14 = nullptr;      // odds of lanes 1..5
    QLabel *Label15 = nullptr;
    QLabel *Label16 = nullptr;
    QLabel *Label17 = nullptr;
    QLabel *Label18 = nullptr;
    QPushButton *Command1 = nullptr;  // "Confirm"
    QPushButton *Command2 = nullptr;  // "Start The Race"
    QPushButton *Command3 = nullptr;  // "Select Horse"
    QTabWidget *SSTab1 = nullptr;

    QRadioButton *runner(int lane) const;
    QLabel *oddsLabel(int lane) const;
    // The lane 1..5 the owned horse runs in, drawn when the window was made.
    int ownedLane() const { return ownedLane_; }
    // A stake is confirmed and not raced yet.
    bool stakeConfirmed() const { return stakeConfirmed_; }

    // The entry: the debt and the owned horse are the betting office's as they stand now.
    void takeOfficeDebtAndHorse();
    // The five horses were renamed (the names before and after, horses 1..5): the entered horse
    // keeps its entry under its new name.
    void horsesRenamed(const QStringList &before, const QStringList &after);
    // The entry fee is paid: the horse is entered and has not run yet.
    void entryPaid() { feePaid_ = true; }
    // Leaving the game or the player's turn: closes the betting window, asking first when the fee
    // is paid and the horse has not run. False when the player chose to stay.
    static bool leaveEntry();
    // The race's settlement is over: the stake is spent, the window waits for the next entry.
    void raceSettled();
    // True while the Grand National holds the office's money: a confirmed stake not raced yet,
    // or its race running or being settled.
    static bool holdsOfficeMoney();

public slots:
    void Form_Load();
    void Text3_Change();
    void Command1_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Command3_Click();
    void Command2_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void runnerClicked(int lane);
    int ownedLane_ = 0;
    bool stakeConfirmed_ = false;
    bool feePaid_ = false;
    int stake_ = 0;  // the stake taken at Confirm, in whole pounds
};
