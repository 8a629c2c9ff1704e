#pragma once
#include "player/first_run.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;

// The sign-in window: the five players, the password step and slot maintenance.
// Its hidden record fields carry a slot's record from the files to the betting office.
class SignInWindow : public QDialog {
    Q_OBJECT
public:
    SignInWindow();
    ~SignInWindow() override;

    QListWidget *combo1 = nullptr;       // the player list, entry 0 is slot 1
    QPushButton *Command9 = nullptr;     // "Select Player"
    QPushButton *Command6 = nullptr;     // "&Play >"
    QPushButton *Command8 = nullptr;     // "More >>" / "Less <<"
    QPushButton *Command2 = nullptr;     // "E&xit"
    QLabel *Label2 = nullptr;            // "Help?"
    QLabel *Picture2 = nullptr;
    // password group
    QLabel *Label3 = nullptr;            // "Enter Password"
    QLineEdit *Text11 = nullptr;         // the password box
    QPushButton *Command10 = nullptr;    // "Confirm Password"
    // maintenance section
    QLabel *Label1 = nullptr;            // "Maintenance"
    QPushButton *Command5 = nullptr;     // "&Re-name User"
    QPushButton *Command7 = nullptr;     // "&Change Password"
    // invisible working controls
    QRadioButton *Option1 = nullptr;     // slot buttons 1..5; captions hold the names
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QRadioButton *Option5 = nullptr;
    QLineEdit *txtcash = nullptr;        // hidden record fields
    QLineEdit *Txtdebt = nullptr;
    QLineEdit *txtshare = nullptr;
    QLineEdit *Txthor1 = nullptr;
    QLineEdit *Txthor2 = nullptr;
    QLineEdit *Txthor3 = nullptr;
    QLineEdit *Txthor4 = nullptr;
    QLineEdit *Txthor5 = nullptr;
    QLineEdit *Txtuser = nullptr;
    QLineEdit *txtPass = nullptr;
    QTimer *Timer1 = nullptr;            // hands over to the betting office
    QPushButton *Command1 = nullptr;     // loads the chosen slot
    QPushButton *Command3 = nullptr;     // writes the five name files
    QPushButton *Command4 = nullptr;     // import from the other edition
    QProgressBar *ProgressBar1 = nullptr;
    QLabel *lblData = nullptr;           // "Loading Your Data:"

    QRadioButton *slotButton(int slot) const;
    QLineEdit *horseField(int horse) const;
    // The slot whose slot button is set, 0 when none is.
    int chosenSlot() const;

public slots:
    void Form_Load();
    void combo1_Click();
    void Command9_Click();
    void Command6_Click();
    void Command10_Click();
    void Command1_Click();
    void Command8_Click();
    void Command2_Click();
    void Label2_Click();
    void Timer1_Timer();
    void Command5_Click();
    void Command7_Click();
    void Command3_Click();
    void Command4_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    // Sets up the slots whose name file is missing; false when the data folder
    // cannot be used (the player has been told and the program is ending).
    bool setUpMissingSlots();
    void dataFolderUnusable(const player::FileProblem &problem);
    // Checks that the files of a slot can be read; when some cannot, asks whether
    // to rebuild them. True when the slot can be used now.
    bool slotUsable(int slot, const QStringList &suffixes);
    // The stored password of a slot (no line: none); nothing when the player
    // declined to repair a damaged password file.
    std::optional<QString> storedPassword(int slot);
    void setPlayerName(int slot, const QString &name);
    // A money field that does not hold an amount: asks whether to set it (and its file) to 0.
    // True when the field holds an amount now.
    bool amountOrZero(int slot, QLineEdit *field, const QString &suffix);
    // Puts the password group away; a new choice of player starts over.
    void hidePasswordGroup();

    QString rememberedPassword_;   // the password the last rename asked for
    int passwordSlot_ = 0;         // the slot whose password the password group asks for
    player::FileProblem importProblem_;
    player::FileProblem namesProblem_;
    bool handingOver_ = false;     // closing because the betting office takes over
    bool unusable_ = false;        // the data folder could not be used
    std::array<bool, 5> damaged_{};  // slots whose name file could not be read
};
