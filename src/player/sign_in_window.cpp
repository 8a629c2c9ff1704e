#include "player/sign_in_window.h"

#include "app/window_registry.h"
#include "info/help_window.h"
#include "game/session.h"
#include "platform/dialogs.h"
#include "platform/intervals.h"
#include "platform/program.h"
#include "platform/twips.h"
#include "platform/widgets/svg_picture.h"
#include "player/import.h"
#include "player/record_files.h"
#include "player/record_safety.h"
#include "platform/conversions.h"
#include "platform/widgets/placed.h"
#include "platform/widgets/window_fit.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using platform::placed;

namespace {
const QString moreCaption = QStringLiteral("More >>");
const QString lessCaption = QStringLiteral("Less <<");
constexpr int signInWidth = 5175;
constexpr int signInHeight = 2670;
constexpr int maintenanceHeight = 1500;


QLineEdit *hiddenField(QWidget *parent, const QString &name, const QString &accessible)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setAccessibleName(accessible);
    field->hide();
    return field;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption, const QRect &at)
{
    return placed(new QPushButton(caption, parent), name, at);
}
}  // namespace

SignInWindow::SignInWindow()
{
    // Built smaller as a whole where the screen is too small for it.
    const platform::TwipsScale scaled(platform::fitWindow(this, signInWidth, signInHeight + maintenanceHeight));
    buildControls();
    buildHiddenControls();
    load();
}

SignInWindow::~SignInWindow() = default;

void SignInWindow::buildControls()
{
    using platform::twipsRect;
    setObjectName(QStringLiteral("frmcontrol"));
    setWindowTitle(QStringLiteral("paddox login"));
    setFixedSize(platform::twipsSize(signInWidth, signInHeight));

    playerList = placed(new QListWidget(this), QStringLiteral("combo1"), twipsRect(120, 120, 3375, 1500));
    playerList->setSelectionMode(QAbstractItemView::SingleSelection);
    playerList->setAccessibleName(QStringLiteral("Players"));
    connect(playerList, &QListWidget::itemClicked, this, &SignInWindow::onPlayerClicked);
    connect(playerList, &QListWidget::currentRowChanged, this, &SignInWindow::onPlayerClicked);

    selectPlayerButton = button(this, QStringLiteral("Command9"), QStringLiteral("Select Player"), twipsRect(3615, 120, 1440, 390));
    playButton = button(this, QStringLiteral("Command6"), QStringLiteral("&Play >"), twipsRect(3615, 570, 1440, 390));
    playButton->setToolTip(QStringLiteral("Select Your Username And Then Press Play"));
    playButton->setEnabled(false);
    playButton->installEventFilter(this);
    moreButton = button(this, QStringLiteral("Command8"), moreCaption, twipsRect(3615, 1020, 1440, 390));
    moreButton->setEnabled(false);
    QPushButton *exitButton = button(this, QStringLiteral("Command2"), QStringLiteral("E&xit"), twipsRect(3615, 1470, 1440, 390));
    exitButton->setToolTip(QStringLiteral("Exit Paddox"));
    connect(selectPlayerButton, &QPushButton::clicked, this, &SignInWindow::onSelectPlayerClicked);
    connect(playButton, &QPushButton::clicked, this, &SignInWindow::onPlayClicked);
    connect(moreButton, &QPushButton::clicked, this, &SignInWindow::onMoreClicked);
    connect(exitButton, &QPushButton::clicked, this, [] { platform::endProgram(); });

    auto *horseshoe = placed(new QLabel(this), QStringLiteral("Picture2"), twipsRect(3615, 1980, 570, 570));
    horseshoe->setPixmap(platform::svgPixmap(QStringLiteral(":/player/horseshoe.svg"), horseshoe->size(), devicePixelRatioF()));

    helpLabel = placed(new QLabel(QStringLiteral("Help?"), this), QStringLiteral("Label2"), twipsRect(4305, 2130, 750, 300));
    helpLabel->setToolTip(QStringLiteral("Select For 'Help'"));
    helpLabel->setCursor(Qt::PointingHandCursor);
    helpLabel->installEventFilter(this);

    // The password group appears when the chosen slot has a password.
    passwordCaption = placed(new QLabel(QStringLiteral("Enter Password"), this), QStringLiteral("Label3"), twipsRect(120, 1740, 3375, 270));
    passwordField = placed(new QLineEdit(this), QStringLiteral("Text11"), twipsRect(120, 2040, 1380, 375));
    passwordField->setEchoMode(QLineEdit::Password);
    // Every typed character shows as "*".
    passwordField->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    passwordField->setAccessibleName(QStringLiteral("Enter Password"));
    passwordCaption->setBuddy(passwordField);
    confirmPasswordButton = button(this, QStringLiteral("Command10"), QStringLiteral("Confirm Password"), twipsRect(1590, 2025, 1905, 405));
    connect(confirmPasswordButton, &QPushButton::clicked, this, &SignInWindow::onConfirmPasswordClicked);
    passwordCaption->hide();
    passwordField->hide();
    confirmPasswordButton->hide();

    // The maintenance section, below the first height until "More >>".
    auto *maintenance =
        placed(new QLabel(QStringLiteral("Maintenance"), this), QStringLiteral("Label1"), twipsRect(120, signInHeight + 180, 4935, 300));
    QFont bold = maintenance->font();
    bold.setBold(true);
    maintenance->setFont(bold);
    QPushButton *renameButton = button(this, QStringLiteral("Command5"), QStringLiteral("&Re-name User"),
                                       twipsRect(120, signInHeight + 600, 2400, 450));
    renameButton->setToolTip(QStringLiteral("To rename user first select user name"));
    QPushButton *changePasswordButton = button(this, QStringLiteral("Command7"), QStringLiteral("&Change Password"),
                                               twipsRect(2655, signInHeight + 600, 2400, 450));
    changePasswordButton->setToolTip(QStringLiteral("To change user password  first select user name"));
    connect(renameButton, &QPushButton::clicked, this, &SignInWindow::onRenameClicked);
    connect(changePasswordButton, &QPushButton::clicked, this, &SignInWindow::onChangePasswordClicked);
}

// Working controls the player never sees.
void SignInWindow::buildHiddenControls()
{
    for (int slot = 1; slot <= player::slotCount; ++slot) {
        QRadioButton *&slotButton = slotButtons[slot - 1];
        slotButton = new QRadioButton(this);
        slotButton->setObjectName(QStringLiteral("Option%1").arg(slot));
        slotButton->setAccessibleName(QStringLiteral("Slot %1").arg(slot));
        slotButton->hide();
    }
    cashField = hiddenField(this, QStringLiteral("txtcash"), QStringLiteral("Cash"));
    debtField = hiddenField(this, QStringLiteral("Txtdebt"), QStringLiteral("Debt"));
    shareField = hiddenField(this, QStringLiteral("txtshare"), QStringLiteral("Share"));
    for (int horse = 1; horse <= 5; ++horse)
        horseFields[horse - 1] = hiddenField(this, QStringLiteral("Txthor%1").arg(horse), QStringLiteral("Horse %1").arg(horse));
    nameField = hiddenField(this, QStringLiteral("Txtuser"), QStringLiteral("Player Name"));
    storedPasswordField = hiddenField(this, QStringLiteral("txtPass"), QStringLiteral("Password"));

    handOverTimer = new QTimer(this);
    handOverTimer->setObjectName(QStringLiteral("Timer1"));
    handOverTimer->setInterval(platform::effectiveInterval(platform::signInHandOverMs));
    handOverTimer->setSingleShot(true);
    connect(handOverTimer, &QTimer::timeout, this, &SignInWindow::onHandOverTimer);

    // The load, the writing of the names and the import, as buttons.
    QPushButton *loadButton = button(this, QStringLiteral("Command1"), QStringLiteral("Command1"), QRect());
    QPushButton *writeNamesButton = button(this, QStringLiteral("Command3"), QStringLiteral("Command3"), QRect());
    QPushButton *importButton = button(this, QStringLiteral("Command4"), QStringLiteral("Command4"), QRect());
    for (QPushButton *hidden : {loadButton, writeNamesButton, importButton}) {
        hidden->hide();
        hidden->setAutoDefault(false);
    }
    connect(loadButton, &QPushButton::clicked, this, &SignInWindow::signInChosenSlot);
    connect(writeNamesButton, &QPushButton::clicked, this, [this] { tellNothingChanged(writeNames()); });
    connect(importButton, &QPushButton::clicked, this, [] { tellNothingChanged(player::importOtherEdition().writeProblem); });

    // Shown by no step of the sign-in: hidden from the start.
    auto *progress = new QProgressBar(this);
    progress->setObjectName(QStringLiteral("ProgressBar1"));
    auto *loading = new QLabel(QStringLiteral("Loading Your Data:"), this);
    loading->setObjectName(QStringLiteral("lblData"));
    progress->hide();
    loading->hide();
}

int SignInWindow::chosenSlot() const
{
    for (int slot = 1; slot <= player::slotCount; ++slot) {
        if (slotButtons[slot - 1]->isChecked())
            return slot;
    }
    return 0;
}

void SignInWindow::tellNothingChanged(const player::FileProblem &problem)
{
    if (!problem.ok())
        platform::say(player::dataFolderProblemText(problem, player::AfterProblem::NothingChanged), platform::Icon::Critical);
}

// ---- load ----

void SignInWindow::load()
{
    playerList->clear();
    handOverTimer->stop();

    player::NameList names = player::readNames();
    if (!names.problem.ok()) {
        if (!setUpMissingSlots())
            return;
        names = player::readNames();
        if (names.unreadable() == player::slotCount) {
            dataFolderUnusable(names.problem);
            return;
        }
    }
    // A slot whose name file cannot be read is marked in the list; the others play on.
    for (int slot = 1; slot <= player::slotCount; ++slot) {
        damaged_[slot - 1] = !names.problems[slot - 1].ok();
        playerList->addItem(damaged_[slot - 1] ? player::damagedSlotEntry(slot) : names.names[slot - 1]);
        slotButtons[slot - 1]->setText(names.names[slot - 1]);
    }
}

bool SignInWindow::setUpMissingSlots()
{
    const QList<int> missing = player::slotsWithoutNameFile();
    if (missing.isEmpty())
        return true;  // a name file is there but unreadable: the second reading reports it
    player::FileProblem problem = player::makeDataFolder();
    if (problem.ok() && missing.size() == player::slotCount && !player::anyRecordFileExists()) {
        // A new installation: every slot, then the players of the other edition.
        problem = player::writeSetUpFiles();
        if (problem.ok())
            problem = player::importOtherEdition().writeProblem;
    } else {
        // Only some players, or only some files, are missing: those files start with a new
        // player's values and every file that is there keeps what it holds.
        for (int slot : missing) {
            if (!problem.ok())
                break;
            problem = player::rebuildMissingFiles(slot);
        }
    }
    if (!problem.ok()) {
        dataFolderUnusable(problem);
        return false;
    }
    return true;
}

void SignInWindow::dataFolderUnusable(const player::FileProblem &problem)
{
    unusable_ = true;
    platform::say(player::dataFolderProblemText(problem, player::AfterProblem::Closing),
                  platform::Icon::Critical);
    platform::endProgram(1);
}

bool SignInWindow::slotUsable(int slot, const QStringList &suffixes)
{
    QStringList unusable = player::unusableFiles(slot, suffixes);
    if (unusable.isEmpty())
        return true;
    QStringList names;
    for (const QString &suffix : unusable)
        names << player::recordFileName(slot, suffix);
    QString question = player::damagedSlotQuestion(slot, names);
    if (unusable.contains(player::passwordSuffix))
        question += QStringLiteral("\nThe rebuilt password is %1.").arg(player::defaultPassword);
    if (platform::say(question, platform::Icon::Warning, platform::Buttons::YesNo) != platform::Answer::Yes)
        return false;
    player::FileProblem problem = player::writeDefaultFields(slot, unusable);
    if (problem.ok()) {
        unusable = player::unusableFiles(slot, suffixes);
        if (!unusable.isEmpty())
            problem = player::readRecordField(slot, unusable.first()).problem;
    }
    if (!problem.ok()) {
        platform::say(player::dataFolderProblemText(problem, player::AfterProblem::NotRepaired),
                      platform::Icon::Critical);
        return false;
    }
    if (const player::FieldRead name = player::readRecordField(slot, player::nameSuffix); damaged_[slot - 1] && name.problem.ok()) {
        damaged_[slot - 1] = false;
        setPlayerName(slot, name.text.value_or(QString()));
    }
    return true;
}

std::optional<QString> SignInWindow::readPassword(int slot)
{
    if (!slotUsable(slot, {player::passwordSuffix}))
        return std::nullopt;
    const player::FieldRead password = player::readRecordField(slot, player::passwordSuffix);
    if (!password.problem.ok())
        return std::nullopt;
    // A file with no line leaves the hidden field as it was, and means no password.
    if (password.text)
        storedPasswordField->setText(*password.text);
    return password.text.value_or(QString());
}

// ---- choosing a player ----

void SignInWindow::onPlayerClicked()
{
    playButton->setEnabled(false);
    moreButton->setEnabled(false);
    // The password asked for belongs to the player chosen before: another
    // player's password must never open this one.
    hidePasswordGroup();
}

void SignInWindow::hidePasswordGroup()
{
    passwordSlot_ = 0;
    passwordCaption->hide();
    passwordField->hide();
    passwordField->clear();
    confirmPasswordButton->hide();
    confirmPasswordButton->setDefault(false);
}

void SignInWindow::onSelectPlayerClicked()
{
    for (int entry = 0; entry < player::slotCount && entry < playerList->count(); ++entry) {
        if (playerList->item(entry)->isSelected())
            slotButtons[entry]->setChecked(true);
    }
    playButton->setEnabled(true);
    moreButton->setEnabled(true);
}

void SignInWindow::onPlayClicked()
{
    if (unusable_)
        return;
    const int slot = chosenSlot();
    QString password;
    if (slot) {
        if (!slotUsable(slot, player::recordSuffixes()))
            return;
        const std::optional<QString> stored = readPassword(slot);
        if (!stored)
            return;
        password = *stored;
    }
    if (password.isEmpty()) {
        signInChosenSlot();
        return;
    }
    passwordSlot_ = slot;
    passwordCaption->show();
    passwordField->show();
    confirmPasswordButton->show();
    confirmPasswordButton->setDefault(true);
    passwordField->setFocus();
}

void SignInWindow::onConfirmPasswordClicked()
{
    // The stored password field holds the one read for the slot Play was pressed on.
    if (!passwordSlot_ || passwordSlot_ != chosenSlot()) {
        hidePasswordGroup();
        return;
    }
    if (passwordField->text() == storedPasswordField->text()) {
        signInChosenSlot();
        return;
    }
    platform::say(QStringLiteral("Incorrect Password, Please Check And Try Again"), platform::Icon::Critical);
}

void SignInWindow::signInChosenSlot()
{
    if (unusable_)
        return;
    const int slot = chosenSlot();
    if (!slot) {
        platform::say(QStringLiteral("You Must Select Your User Name Before You Can Play Paddox6"));
        return;
    }
    // A save of this player that was interrupted is completed before the record is read.
    if (const player::JournalFinish finish = player::finishJournal(slot); finish.outcome == player::JournalOutcome::Failed) {
        platform::say(player::unfinishedSaveText(finish.problem), platform::Icon::Critical);
        return;
    }
    QStringList suffixes = player::playingSuffixes;
    suffixes << player::nameSuffix;
    if (!slotUsable(slot, suffixes))
        return;
    const std::array<QLineEdit *, 8> playing = {cashField, debtField, shareField, horseFields[0], horseFields[1],
                                                horseFields[2], horseFields[3], horseFields[4]};
    for (int i = 0; i < suffixes.size(); ++i) {
        const player::FieldRead read = player::readRecordField(slot, suffixes[i]);
        if (!read.problem.ok()) {
            tellNothingChanged(read.problem);
            return;
        }
        if (read.text)
            (i < 8 ? playing[i] : nameField)->setText(*read.text);
    }
    if (!amountOrZero(slot, cashField, player::playingSuffixes[0]) || !amountOrZero(slot, debtField, player::playingSuffixes[1]))
        return;

    QStringList texts;
    for (QLineEdit *field : playing)
        texts << field->text();
    game::session().signIn(game::recordFromFiles(slot, texts, nameField->text()));
    app::openBettingOffice();
    handOverTimer->start();
}

bool SignInWindow::amountOrZero(int slot, QLineEdit *field, const QString &suffix)
{
    if (platform::readMoney(field->text()).ok())
        return true;
    if (platform::say(player::notAnAmountQuestion(player::recordFileName(slot, suffix)), platform::Icon::Warning,
                      platform::Buttons::YesNo) != platform::Answer::Yes)
        return false;
    const player::FileProblem problem = player::writeRecordField(slot, suffix, QStringLiteral("0"));
    if (!problem.ok()) {
        tellNothingChanged(problem);
        return false;
    }
    field->setText(QStringLiteral("0"));
    return true;
}

void SignInWindow::onHandOverTimer()
{
    handOverTimer->stop();
    app::showBettingOffice();
    close();
}

// ---- window ----

void SignInWindow::onMoreClicked()
{
    const platform::TwipsScale scaled(platform::windowScale(this));
    const int step = platform::twips(maintenanceHeight);
    if (moreButton->text() == moreCaption) {
        setFixedSize(width(), height() + step);
        moreButton->setText(lessCaption);
    } else {
        setFixedSize(width(), height() - step);
        moreButton->setText(moreCaption);
    }
}

void SignInWindow::onHelpClicked() { info::openHelpWindow(); }

void SignInWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    // After a log off the betting office is hidden: closing the sign-in window
    // then leaves nothing to return to, so the game ends (the player was saved). Handing
    // over to the office after a sign-in closes it with the player signed in: the game goes on.
    if (game::session().officeOpen() && !game::session().record().signedIn())
        platform::endProgram();
}

// Escape does not close the sign-in window; the close box and "E&xit" do.
void SignInWindow::reject() {}

bool SignInWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == playButton && (event->type() == QEvent::FocusOut || event->type() == QEvent::MouseButtonRelease)) {
        playButton->setBackgroundRole(QPalette::Button);
        playButton->setPalette(palette());
    } else if (watched == helpLabel && event->type() == QEvent::MouseButtonRelease) {
        onHelpClicked();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// ---- slot maintenance ----

void SignInWindow::setPlayerName(int slot, const QString &name)
{
    slotButtons[slot - 1]->setText(name);
    // A new name is not a new choice: Play and More stay as they are.
    const QSignalBlocker quiet(playerList);
    const bool wasCurrent = playerList->currentRow() == slot - 1;
    delete playerList->takeItem(slot - 1);
    playerList->insertItem(slot - 1, name);
    if (wasCurrent)
        playerList->setCurrentRow(slot - 1);
}

void SignInWindow::onRenameClicked()
{
    const int slot = chosenSlot();
    if (!slot)
        return;
    const std::optional<QString> stored = readPassword(slot);
    if (!stored)
        return;
    rememberedPassword_ = *stored;
    const std::optional<QString> answer = platform::dialogs().input(
        QStringLiteral("Enter Password"), QStringLiteral("Enter Your Password"), QString(), true);
    if (!answer)
        return;
    if (*answer != rememberedPassword_) {
        platform::say(QStringLiteral("Incorrect Password, Please Check And Try Again"));
        return;
    }
    const std::optional<QString> name = platform::dialogs().input(QStringLiteral("Enter New Name"));
    if (!name)
        return;
    if (const QString refusal = player::nameRefusal(*name); !refusal.isEmpty()) {
        platform::say(refusal, platform::Icon::Warning);
        return;
    }
    const QString oldName = slotButtons[slot - 1]->text();
    setPlayerName(slot, *name);
    if (const player::FileProblem problem = writeNames(slot); !problem.ok()) {
        // The old name stays, in the list and in its file; a damaged slot stays marked.
        setPlayerName(slot, oldName);
        if (damaged_[slot - 1])
            playerList->item(slot - 1)->setText(player::damagedSlotEntry(slot));
        else
            player::writeRecordField(slot, player::nameSuffix, oldName);
        tellNothingChanged(problem);
        return;
    }
    damaged_[slot - 1] = false;  // the new name replaced a damaged name file
    platform::say(QStringLiteral("User %1 As Been Renamed ").arg(slot) + *name);
}

player::FileProblem SignInWindow::writeNames(int renamedSlot)
{
    for (int slot = 1; slot <= player::slotCount; ++slot) {
        if (damaged_[slot - 1] && slot != renamedSlot)
            continue;  // left for the player to repair when he chooses that slot
        if (const player::FileProblem problem = player::writeRecordField(slot, player::nameSuffix, slotButtons[slot - 1]->text());
            !problem.ok())
            return problem;
    }
    return {};
}

void SignInWindow::onChangePasswordClicked()
{
    const int slot = chosenSlot();
    if (!slot)
        return;
    const std::optional<QString> current = readPassword(slot);
    if (!current)
        return;
    const std::optional<QString> answer = platform::dialogs().input(
        QStringLiteral("Enter Password"), QStringLiteral("Enter Your Password"), QString(), true);
    if (!answer)
        return;
    if (*answer != *current) {
        platform::say(QStringLiteral("Password Is Incorrect"));
        return;
    }
    const std::optional<QString> first = platform::dialogs().input(
        QStringLiteral("Enter New Password"), QStringLiteral("Enter Your New Password"), QString(), true);
    if (!first)
        return;
    const std::optional<QString> second = platform::dialogs().input(
        QStringLiteral("Re-Enter New Password"), QStringLiteral("Re-Enter Your New Password"), QString(), true);
    if (!second)
        return;
    if (*second != *first) {
        platform::say(QStringLiteral("The New Passwords Do Not Match"));
        return;
    }
    if (const QString refusal = player::passwordRefusal(*second); !refusal.isEmpty()) {
        platform::say(refusal, platform::Icon::Warning);
        return;
    }
    if (const player::FileProblem problem = player::writeRecordField(slot, player::passwordSuffix, *second); !problem.ok()) {
        tellNothingChanged(problem);
        return;
    }
    platform::say(QStringLiteral("Your Password As Been Changed"));
    storedPasswordField->setText(*second);
}
