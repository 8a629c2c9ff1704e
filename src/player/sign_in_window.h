#pragma once
#include "player/first_run.h"
#include "player/record_files.h"

#include <QDialog>
#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;

// The sign-in window: the five players, the password step and slot maintenance.
// Its hidden record fields carry a slot's record from the files to the game session.
class SignInWindow : public QDialog {
    Q_OBJECT
public:
    SignInWindow();
    ~SignInWindow() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildHiddenControls();
    // Lists the five players from their name files, after setting up the slots that are missing.
    void load();
    // Sets up the slots whose name file is missing; false when the data folder
    // cannot be used (the player has been told and the program is ending).
    bool setUpMissingSlots();
    void dataFolderUnusable(const player::FileProblem &problem);
    // Checks that the files of a slot can be read; when some cannot, asks whether
    // to rebuild them. True when the slot can be used now.
    bool slotUsable(int slot, const QStringList &suffixes);
    // The stored password of a slot (no line: none); nothing when the player
    // declined to repair a damaged password file.
    std::optional<QString> readPassword(int slot);
    // The slot whose slot button is set, 0 when none is.
    int chosenSlot() const;

    // ---- choosing and signing in ----
    // A click on the list (or another current entry) is a new choice: Play and More wait for Select Player.
    void onPlayerClicked();
    void onSelectPlayerClicked();
    void onPlayClicked();
    void onConfirmPasswordClicked();
    // Puts the password group away; a new choice of player starts over.
    void hidePasswordGroup();
    // Reads the chosen slot into the hidden record fields, signs the player in and makes the betting office.
    void signInChosenSlot();
    // A money field that does not hold an amount: asks whether to set it (and its file) to 0.
    // True when the field holds an amount now.
    bool amountOrZero(int slot, QLineEdit *field, const QString &suffix);
    // The betting office takes over: it is shown and this window closes.
    void onHandOverTimer();

    // ---- the window ----
    void onMoreClicked();
    void onHelpClicked();

    // ---- slot maintenance ----
    void onRenameClicked();
    void onChangePasswordClicked();
    void setPlayerName(int slot, const QString &name);
    // Writes the five name files from the slot buttons. A damaged slot's file is left for the player
    // to repair when he chooses that slot, unless it is the slot just renamed: its new name replaces it.
    player::FileProblem writeNames(int renamedSlot = 0);
    // The player is told a problem with the data folder, after which nothing has changed.
    static void tellNothingChanged(const player::FileProblem &problem);

    QListWidget *playerList = nullptr;       // entry 0 is slot 1
    QPushButton *selectPlayerButton = nullptr;
    QPushButton *playButton = nullptr;
    QPushButton *moreButton = nullptr;       // "More >>" / "Less <<"
    QLabel *helpLabel = nullptr;
    // the password group
    QLabel *passwordCaption = nullptr;
    QLineEdit *passwordField = nullptr;
    QPushButton *confirmPasswordButton = nullptr;
    // the working controls the player never sees
    std::array<QRadioButton *, player::slotCount> slotButtons{};  // the set one is the chosen slot; captions hold the names
    QLineEdit *cashField = nullptr;          // the hidden record fields
    QLineEdit *debtField = nullptr;
    QLineEdit *shareField = nullptr;
    std::array<QLineEdit *, 5> horseFields{};
    QLineEdit *nameField = nullptr;
    QLineEdit *storedPasswordField = nullptr;
    QTimer *handOverTimer = nullptr;

    QString rememberedPassword_;   // the password the last rename asked for
    int passwordSlot_ = 0;         // the slot whose password the password group asks for
    bool unusable_ = false;        // the data folder could not be used
    std::array<bool, player::slotCount> damaged_{};  // slots whose name file could not be read
};
