#include "player/sign_in_window.h"

#include "app/window_registry.h"
#include "info/help_window.h"
#include "game/session.h"
#include "platform/control_array.h"
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

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

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
    return platform::placed(new QPushButton(caption, parent), name, at);
}
}  // namespace

SignInWindow::SignInWindow()
{
    buildControls();
    Form_Load();
}

SignInWindow::~SignInWindow() = default;

void SignInWindow::buildControls()
{
    using platform::twipsRect;
    setObjectName(QStringLiteral("frmcontrol"));
    setWindowTitle(QStringLiteral("paddox login"));
    setFixedSize(platform::twipsSize(signInWidth, signInHeight));

    combo1 = new QListWidget(this);
    combo1->setObjectName(QStringLiteral("combo1"));
    combo1->setGeometry(twipsRect(120, 120, 3375, 1500));
    combo1->setSelectionMode(QAbstractItemView::SingleSelection);
    combo1->setAccessibleName(QStringLiteral("Players"));
    connect(combo1, &QListWidget::itemClicked, this, &SignInWindow::combo1_Click);
    connect(combo1, &QListWidget::currentRowChanged, this, &SignInWindow::combo1_Click);

    Command9 = button(this, QStringLiteral("Command9"), QStringLiteral("Select Player"), twipsRect(3615, 120, 1440, 390));
    Command6 = button(this, QStringLiteral("Command6"), QStringLiteral("&Play >"), twipsRect(3615, 570, 1440, 390));
    Command6->setToolTip(QStringLiteral("Select Your Username And Then Press Play"));
    Command6->setEnabled(false);
    Command6->installEventFilter(this);
    Command8 = button(this, QStringLiteral("Command8"), moreCaption, twipsRect(3615, 1020, 1440, 390));
    Command8->setEnabled(false);
    Command2 = button(this, QStringLiteral("Command2"), QStringLiteral("E&xit"), twipsRect(3615, 1470, 1440, 390));
    Command2->setToolTip(QStringLiteral("Exit Paddox"));
    connect(Command9, &QPushButton::clicked, this, &SignInWindow::Command9_Click);
    connect(Command6, &QPushButton::clicked, this, &SignInWindow::Command6_Click);
    connect(Command8, &QPushButton::clicked, this, &SignInWindow::Command8_Click);
    connect(Command2, &QPushButton::clicked, this, &SignInWindow::Command2_Click);

    Picture2 = new QLabel(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(twipsRect(3615, 1980, 570, 570));
    Picture2->setPixmap(platform::svgPixmap(QStringLiteral(":/player/horseshoe.svg"), Picture2->size(), devicePixelRatioF()));

    Label2 = new QLabel(QStringLiteral("Help?"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(twipsRect(4305, 2130, 750, 300));
    Label2->setToolTip(QStringLiteral("Select For 'Help'"));
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->installEventFilter(this);

    // The password group appears when the chosen slot has a password.
    Label3 = new QLabel(QStringLiteral("Enter Password"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(twipsRect(120, 1740, 3375, 270));
    Text11 = new QLineEdit(this);
    Text11->setObjectName(QStringLiteral("Text11"));
    Text11->setGeometry(twipsRect(120, 2040, 1380, 375));
    Text11->setEchoMode(QLineEdit::Password);
    // Every typed character shows as "*".
    Text11->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    Text11->setAccessibleName(QStringLiteral("Enter Password"));
    Label3->setBuddy(Text11);
    Command10 = button(this, QStringLiteral("Command10"), QStringLiteral("Confirm Password"), twipsRect(1590, 2025, 1905, 405));
    connect(Command10, &QPushButton::clicked, this, &SignInWindow::Command10_Click);
    Label3->hide();
    Text11->hide();
    Command10->hide();

    // The maintenance section, below the first height until "More >>".
    Label1 = new QLabel(QStringLiteral("Maintenance"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(120, signInHeight + 180, 4935, 300));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Command5 = button(this, QStringLiteral("Command5"), QStringLiteral("&Re-name User"),
                      twipsRect(120, signInHeight + 600, 2400, 450));
    Command5->setToolTip(QStringLiteral("To rename user first select user name"));
    Command7 = button(this, QStringLiteral("Command7"), QStringLiteral("&Change Password"),
                      twipsRect(2655, signInHeight + 600, 2400, 450));
    Command7->setToolTip(QStringLiteral("To change user password  first select user name"));
    connect(Command5, &QPushButton::clicked, this, &SignInWindow::Command5_Click);
    connect(Command7, &QPushButton::clicked, this, &SignInWindow::Command7_Click);

    // Working controls the player never sees.
    QRadioButton **options[] = {&Option1, &Option2, &Option3, &Option4, &Option5};
    for (int slot = 1; slot <= player::slotCount; ++slot) {
        auto *option = new QRadioButton(this);
        option->setObjectName(QStringLiteral("Option%1").arg(slot));
        option->setAccessibleName(QStringLiteral("Slot %1").arg(slot));
        option->hide();
        *options[slot - 1] = option;
    }
    txtcash = hiddenField(this, QStringLiteral("txtcash"), QStringLiteral("Cash"));
    Txtdebt = hiddenField(this, QStringLiteral("Txtdebt"), QStringLiteral("Debt"));
    txtshare = hiddenField(this, QStringLiteral("txtshare"), QStringLiteral("Share"));
    QLineEdit **horses[] = {&Txthor1, &Txthor2, &Txthor3, &Txthor4, &Txthor5};
    for (int horse = 1; horse <= 5; ++horse)
        *horses[horse - 1] = hiddenField(this, QStringLiteral("Txthor%1").arg(horse), QStringLiteral("Horse %1").arg(horse));
    Txtuser = hiddenField(this, QStringLiteral("Txtuser"), QStringLiteral("Player Name"));
    txtPass = hiddenField(this, QStringLiteral("txtPass"), QStringLiteral("Password"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(platform::effectiveInterval(platform::signInHandOverMs));
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &SignInWindow::Timer1_Timer);

    Command1 = button(this, QStringLiteral("Command1"), QStringLiteral("Command1"), QRect());
    Command3 = button(this, QStringLiteral("Command3"), QStringLiteral("Command3"), QRect());
    Command4 = button(this, QStringLiteral("Command4"), QStringLiteral("Command4"), QRect());
    for (QPushButton *hidden : {Command1, Command3, Command4}) {
        hidden->hide();
        hidden->setAutoDefault(false);
    }
    connect(Command1, &QPushButton::clicked, this, &SignInWindow::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &SignInWindow::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &SignInWindow::Command4_Click);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    lblData = new QLabel(QStringLiteral("Loading Your Data:"), this);
    lblData->setObjectName(QStringLiteral("lblData"));
}

QRadioButton *SignInWindow::slotButton(int slot) const
{
    return platform::numbered(slot, {Option1, Option2, Option3, Option4, Option5});
}

QLineEdit *SignInWindow::horseField(int horse) const
{
    return platform::numbered(horse, {Txthor1, Txthor2, Txthor3, Txthor4, Txthor5});
}

int SignInWindow::chosenSlot() const
{
    for (int slot = 1; slot <= player::slotCount; ++slot) {
        if (slotButton(slot)->isChecked())
            return slot;
    }
    return 0;
}

// ---- load ----

void SignInWindow::Form_Load()
{
    combo1->clear();
    Timer1->stop();
    ProgressBar1->hide();
    lblData->hide();

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
        combo1->addItem(damaged_[slot - 1] ? player::damagedSlotEntry(slot) : names.names[slot - 1]);
        slotButton(slot)->setText(names.names[slot - 1]);
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
        if (problem.ok()) {
            Command4_Click();
            problem = importProblem_;
        }
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

std::optional<QString> SignInWindow::storedPassword(int slot)
{
    if (!slotUsable(slot, {player::passwordSuffix}))
        return std::nullopt;
    const player::FieldRead password = player::readRecordField(slot, player::passwordSuffix);
    if (!password.problem.ok())
        return std::nullopt;
    // A file with no line leaves the hidden field as it was, and means no password.
    if (password.text)
        txtPass->setText(*password.text);
    return password.text.value_or(QString());
}

// ---- choosing a player ----

void SignInWindow::combo1_Click()
{
    Command6->setEnabled(false);
    Command8->setEnabled(false);
    // The password asked for belongs to the player chosen before: another
    // player's password must never open this one.
    hidePasswordGroup();
}

void SignInWindow::hidePasswordGroup()
{
    passwordSlot_ = 0;
    Label3->hide();
    Text11->hide();
    Text11->clear();
    Command10->hide();
    Command10->setDefault(false);
}

void SignInWindow::Command9_Click()
{
    for (int entry = 0; entry < player::slotCount && entry < combo1->count(); ++entry) {
        if (combo1->item(entry)->isSelected())
            slotButton(entry + 1)->setChecked(true);
    }
    Command6->setEnabled(true);
    Command8->setEnabled(true);
}

void SignInWindow::Command6_Click()
{
    if (unusable_)
        return;
    const int slot = chosenSlot();
    QString password;
    if (slot) {
        if (!slotUsable(slot, player::recordSuffixes()))
            return;
        const std::optional<QString> stored = storedPassword(slot);
        if (!stored)
            return;
        password = *stored;
    }
    if (password.isEmpty()) {
        Command1_Click();
        return;
    }
    passwordSlot_ = slot;
    Label3->show();
    Text11->show();
    Command10->show();
    Command10->setDefault(true);
    Text11->setFocus();
}

void SignInWindow::Command10_Click()
{
    // The password in txtPass is the one read for the slot Play was pressed on.
    if (!passwordSlot_ || passwordSlot_ != chosenSlot()) {
        hidePasswordGroup();
        return;
    }
    if (Text11->text() == txtPass->text()) {
        Command1_Click();
        return;
    }
    platform::say(QStringLiteral("Incorrect Password, Please Check And Try Again"), platform::Icon::Critical);
}

// Loads the chosen slot into the hidden record fields and the betting office.
void SignInWindow::Command1_Click()
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
    QLineEdit *fields[] = {txtcash, Txtdebt, txtshare, Txthor1, Txthor2, Txthor3, Txthor4, Txthor5, Txtuser};
    for (int i = 0; i < suffixes.size(); ++i) {
        const player::FieldRead read = player::readRecordField(slot, suffixes[i]);
        if (!read.problem.ok()) {
            platform::say(player::dataFolderProblemText(read.problem, player::AfterProblem::NothingChanged),
                          platform::Icon::Critical);
            return;
        }
        if (read.text)
            fields[i]->setText(*read.text);
    }
    if (!amountOrZero(slot, txtcash, player::playingSuffixes[0]) || !amountOrZero(slot, Txtdebt, player::playingSuffixes[1]))
        return;

    QStringList playing;
    for (QLineEdit *field : {txtcash, Txtdebt, txtshare, Txthor1, Txthor2, Txthor3, Txthor4, Txthor5})
        playing << field->text();
    game::session().signIn(game::recordFromFiles(slot, playing, Txtuser->text()));
    app::openBettingOffice();
    Timer1->start();
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
        platform::say(player::dataFolderProblemText(problem, player::AfterProblem::NothingChanged),
                      platform::Icon::Critical);
        return false;
    }
    field->setText(QStringLiteral("0"));
    return true;
}

void SignInWindow::Timer1_Timer()
{
    Timer1->stop();
    handingOver_ = true;
    app::showBettingOffice();
    close();
}

// ---- window ----

void SignInWindow::Command8_Click()
{
    const int step = platform::twips(maintenanceHeight);
    if (Command8->text() == moreCaption) {
        setFixedSize(width(), height() + step);
        Command8->setText(lessCaption);
    } else {
        setFixedSize(width(), height() - step);
        Command8->setText(moreCaption);
    }
}

void SignInWindow::Command2_Click() { platform::endProgram(); }

void SignInWindow::Label2_Click() { info::openHelpWindow(); }

void SignInWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (handingOver_)
        return;
    // After a log off the betting office is hidden: closing the sign-in window
    // then leaves nothing to return to, so the game ends (the player was saved).
    if (game::session().officeOpen() && !game::session().record().signedIn())
        platform::endProgram();
}

// Escape does not close the sign-in window; the close box and "E&xit" do.
void SignInWindow::reject() {}

bool SignInWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Command6 && (event->type() == QEvent::FocusOut || event->type() == QEvent::MouseButtonRelease)) {
        Command6->setBackgroundRole(QPalette::Button);
        Command6->setPalette(palette());
    } else if (watched == Label2 && event->type() == QEvent::MouseButtonRelease) {
        Label2_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// ---- slot maintenance ----

void SignInWindow::setPlayerName(int slot, const QString &name)
{
    slotButton(slot)->setText(name);
    // A new name is not a new choice: Play and More stay as they are.
    const QSignalBlocker quiet(combo1);
    const bool wasCurrent = combo1->currentRow() == slot - 1;
    delete combo1->takeItem(slot - 1);
    combo1->insertItem(slot - 1, name);
    if (wasCurrent)
        combo1->setCurrentRow(slot - 1);
}

void SignInWindow::Command5_Click()
{
    const int slot = chosenSlot();
    if (!slot)
        return;
    const std::optional<QString> stored = storedPassword(slot);
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
    const QString oldName = slotButton(slot)->text();
    setPlayerName(slot, *name);
    Command3_Click();
    if (!namesProblem_.ok()) {
        // The old name stays, in the list and in its file.
        setPlayerName(slot, oldName);
        player::writeRecordField(slot, player::nameSuffix, oldName);
        platform::say(player::dataFolderProblemText(namesProblem_, player::AfterProblem::NothingChanged),
                      platform::Icon::Critical);
        return;
    }
    platform::say(QStringLiteral("User %1 As Been Renamed ").arg(slot) + *name);
}

void SignInWindow::Command3_Click()
{
    namesProblem_ = {};
    for (int slot = 1; slot <= player::slotCount; ++slot) {
        if (damaged_[slot - 1])
            continue;  // left for the player to repair when he chooses that slot
        namesProblem_ = player::writeRecordField(slot, player::nameSuffix, slotButton(slot)->text());
        if (!namesProblem_.ok())
            return;
    }
}

void SignInWindow::Command7_Click()
{
    const int slot = chosenSlot();
    if (!slot)
        return;
    const std::optional<QString> current = storedPassword(slot);
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
    const player::FileProblem problem = player::writeRecordField(slot, player::passwordSuffix, *second);
    if (!problem.ok()) {
        platform::say(player::dataFolderProblemText(problem, player::AfterProblem::NothingChanged),
                      platform::Icon::Critical);
        return;
    }
    platform::say(QStringLiteral("Your Password As Been Changed"));
    txtPass->setText(*second);
}

void SignInWindow::Command4_Click() { importProblem_ = player::importOtherEdition().writeProblem; }
