#include "administration/console_window.h"

#include "administration/console.h"
#include "app/window_registry.h"
#include "game/session.h"
#include "platform/dialogs.h"
#include "platform/intervals.h"
#include "platform/twips.h"
#include "platform/widgets/placed.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScopeGuard>
#include <QPushButton>
#include <QTimer>

using platform::twipsRect;

namespace {
QLineEdit *field(QWidget *parent, const QString &name, QLabel *caption, const QRect &geometry)
{
    auto *edit = platform::placed(new QLineEdit(parent), name, geometry);
    edit->setAccessibleName(caption->text().remove(QLatin1Char(':')).trimmed());
    caption->setBuddy(edit);
    return edit;
}

QLabel *caption(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    return platform::placed(new QLabel(text, parent), name, geometry);
}
}  // namespace

AdminConsoleWindow::AdminConsoleWindow()
{
    setObjectName(QStringLiteral("frmadim"));
    setWindowTitle(QStringLiteral("Tamblor Networks Paddox Admin"));
    setWindowIcon(QIcon(QStringLiteral(":/app/paddox.svg")));
    setModal(false);
    setFixedSize(platform::twipsSize(6600, 2760));

    Label1 = caption(this, QStringLiteral("Label1"), QStringLiteral("All these actions Will Effect User 1:"),
                     twipsRect(180, 225, 3300, 300));
    Text1 = field(this, QStringLiteral("Text1"), Label1, twipsRect(3540, 180, 2880, 360));
    Text1->setReadOnly(true);
    Label2 = caption(this, QStringLiteral("Label2"), QStringLiteral("User 1 Cash:"), twipsRect(180, 765, 1500, 300));
    Text2 = field(this, QStringLiteral("Text2"), Label2, twipsRect(1740, 720, 2400, 360));
    Label3 = caption(this, QStringLiteral("Label3"), QStringLiteral("User 1 Debt"), twipsRect(180, 1245, 1500, 300));
    Text3 = field(this, QStringLiteral("Text3"), Label3, twipsRect(1740, 1200, 2400, 360));
    for (QLineEdit *money : {Text2, Text3})
        money->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Command1 = new QPushButton(QStringLiteral("Apply"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(4380, 720, 2040, 420));
    Command2 = new QPushButton(QStringLiteral("Close"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(twipsRect(4380, 1200, 2040, 420));
    Command1->setDefault(true);  // Enter in an amount applies
    connect(Command1, &QPushButton::clicked, this, &AdminConsoleWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &AdminConsoleWindow::Command2_Click);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, platform::consoleLifetimeTicks);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setAccessibleName(QStringLiteral("Time left"));
    ProgressBar1->setGeometry(twipsRect(180, 2160, 6240, 300));
    auto *note = caption(this, QStringLiteral("lblLifetime"), QStringLiteral("The console closes when this bar is full."),
                         twipsRect(180, 1800, 6240, 300));
    note->setBuddy(ProgressBar1);

    // The console's life runs from the moment it opens.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(platform::effectiveInterval(platform::consoleLifetimeMs));
    connect(Timer1, &QTimer::timeout, this, &AdminConsoleWindow::Timer1_Timer);

    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Command1);
    setTabOrder(Command1, Command2);
    Form_Load();
    Timer1->start();
}

AdminConsoleWindow::~AdminConsoleWindow() = default;

void AdminConsoleWindow::Form_Load()
{
    // A file that cannot be read leaves its field as it is.
    const administration::SlotOneRecord record = administration::readSlotOne();
    const std::pair<QLineEdit *, std::optional<QString>> fields[] = {
        {Text1, record.name}, {Text2, record.cash}, {Text3, record.debt}};
    for (const auto &[edit, value] : fields) {
        if (value) {
            edit->setText(*value);
            edit->setCursorPosition(0);
        }
    }
}

void AdminConsoleWindow::Command1_Click()
{
    // The console's life stands still while its messages are up.
    Timer1->stop();
    const auto resume = qScopeGuard([this] { Timer1->start(); });
    game::Session &session = game::session();
    const administration::AmountsCheck check = administration::checkAmounts(Text2->text(), Text3->text());
    if (!check.ok) {
        platform::say(check.message);
        return;
    }
    // While a race runs its settlement owns the cash and debt; the console waits.
    if (const game::Reply refusal = session.checkConsoleMayApply(); !refusal.isEmpty()) {
        game::tell(refusal);
        return;
    }
    if (const QString problem = administration::writeSlotOneMoney(check.cash, check.debt); !problem.isEmpty()) {
        platform::say(problem + QStringLiteral("\n\nThe betting office keeps its cash and debt."),
                      platform::Icon::Critical);
        return;
    }
    if (session.officeOpen())
        session.takeConsoleAmounts(check.cash, check.debt);
    platform::say(QStringLiteral("Actions Changed"));
}

void AdminConsoleWindow::Command2_Click() { close(); }

void AdminConsoleWindow::Timer1_Timer()
{
    ProgressBar1->setValue(ProgressBar1->value() + 1);
    if (ProgressBar1->value() >= platform::consoleLifetimeTicks) {
        Timer1->stop();
        close();
    }
}
