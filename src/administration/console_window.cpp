#include "administration/console_window.h"

#include "administration/console.h"
#include "app/window_registry.h"
#include "game/session.h"
#include "platform/dialogs.h"
#include "platform/intervals.h"
#include "platform/twips.h"
#include "platform/widgets/placed.h"
#include "platform/widgets/window_fit.h"

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
    // Built smaller as a whole where the screen is too small for it.
    const platform::TwipsScale scaled(platform::fitWindow(this, 6600, 2760));
    setObjectName(QStringLiteral("frmadim"));
    setWindowTitle(QStringLiteral("Tamblor Networks Paddox Admin"));
    setWindowIcon(QIcon(QStringLiteral(":/app/paddox.svg")));
    setModal(false);
    setFixedSize(platform::twipsSize(6600, 2760));

    QLabel *nameCaption = caption(this, QStringLiteral("Label1"), QStringLiteral("All these actions Will Effect User 1:"),
                                  twipsRect(180, 225, 3300, 300));
    nameField = field(this, QStringLiteral("Text1"), nameCaption, twipsRect(3540, 180, 2880, 360));
    nameField->setReadOnly(true);
    QLabel *cashCaption = caption(this, QStringLiteral("Label2"), QStringLiteral("User 1 Cash:"), twipsRect(180, 765, 1500, 300));
    cashField = field(this, QStringLiteral("Text2"), cashCaption, twipsRect(1740, 720, 2400, 360));
    QLabel *debtCaption = caption(this, QStringLiteral("Label3"), QStringLiteral("User 1 Debt"), twipsRect(180, 1245, 1500, 300));
    debtField = field(this, QStringLiteral("Text3"), debtCaption, twipsRect(1740, 1200, 2400, 360));
    for (QLineEdit *money : {cashField, debtField})
        money->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto *applyButton = platform::placed(new QPushButton(QStringLiteral("Apply"), this), QStringLiteral("Command1"),
                                         twipsRect(4380, 720, 2040, 420));
    auto *closeButton = platform::placed(new QPushButton(QStringLiteral("Close"), this), QStringLiteral("Command2"),
                                         twipsRect(4380, 1200, 2040, 420));
    applyButton->setDefault(true);  // Enter in an amount applies
    connect(applyButton, &QPushButton::clicked, this, &AdminConsoleWindow::onApplyClicked);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    lifetimeBar = platform::placed(new QProgressBar(this), QStringLiteral("ProgressBar1"), twipsRect(180, 2160, 6240, 300));
    lifetimeBar->setRange(0, platform::consoleLifetimeTicks);
    lifetimeBar->setValue(0);
    lifetimeBar->setTextVisible(false);
    lifetimeBar->setAccessibleName(QStringLiteral("Time left"));
    auto *note = caption(this, QStringLiteral("lblLifetime"), QStringLiteral("The console closes when this bar is full."),
                         twipsRect(180, 1800, 6240, 300));
    note->setBuddy(lifetimeBar);

    // The console's life runs from the moment it opens.
    lifetimeTimer = new QTimer(this);
    lifetimeTimer->setObjectName(QStringLiteral("Timer1"));
    lifetimeTimer->setInterval(platform::effectiveInterval(platform::consoleLifetimeMs));
    connect(lifetimeTimer, &QTimer::timeout, this, &AdminConsoleWindow::onLifetimeTick);

    setTabOrder(cashField, debtField);
    setTabOrder(debtField, applyButton);
    setTabOrder(applyButton, closeButton);
    load();
    lifetimeTimer->start();
}

AdminConsoleWindow::~AdminConsoleWindow() = default;

void AdminConsoleWindow::load()
{
    // A file that cannot be read leaves its field as it is.
    const administration::SlotOneRecord record = administration::readSlotOne();
    const std::pair<QLineEdit *, std::optional<QString>> fields[] = {
        {nameField, record.name}, {cashField, record.cash}, {debtField, record.debt}};
    for (const auto &[edit, value] : fields) {
        if (value) {
            edit->setText(*value);
            edit->setCursorPosition(0);
        }
    }
}

void AdminConsoleWindow::onApplyClicked()
{
    // The console's life stands still while its messages are up.
    lifetimeTimer->stop();
    const auto resume = qScopeGuard([this] { lifetimeTimer->start(); });
    game::Session &session = game::session();
    const administration::AmountsCheck check = administration::checkAmounts(cashField->text(), debtField->text());
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

void AdminConsoleWindow::onLifetimeTick()
{
    lifetimeBar->setValue(lifetimeBar->value() + 1);
    if (lifetimeBar->value() >= platform::consoleLifetimeTicks) {
        lifetimeTimer->stop();
        close();
    }
}
