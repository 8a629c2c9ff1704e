#include "administration/password_window.h"

#include "administration/console.h"
#include "administration/console_window.h"
#include "app/window_registry.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "platform/widgets/placed.h"
#include "platform/widgets/window_fit.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

using platform::twipsRect;

AdminPasswordWindow::AdminPasswordWindow()
{
    // Built smaller as a whole where the screen is too small for it.
    const platform::TwipsScale scaled(platform::fitWindow(this, 5400, 1500));
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("Tamblor Networks iPaddoxV Administration Area"));
    setWindowIcon(QIcon(QStringLiteral(":/app/paddox.svg")));
    setModal(false);
    setFixedSize(platform::twipsSize(5400, 1500));

    auto *picture = platform::placed(new QLabel(this), QStringLiteral("Image1"), twipsRect(180, 240, 720, 720));
    picture->setPixmap(QIcon(QStringLiteral(":/app/paddox.svg")).pixmap(picture->size()));
    platform::placed(new QLabel(QStringLiteral("Administrators only."), this), QStringLiteral("Label1"), twipsRect(1080, 240, 4140, 300));
    auto *enterButton = platform::placed(new QPushButton(QStringLiteral("Enter"), this), QStringLiteral("Command1"),
                                         twipsRect(3720, 780, 1500, 450));
    enterButton->setDefault(true);
    connect(enterButton, &QPushButton::clicked, this, &AdminPasswordWindow::onEnterClicked);
}

AdminPasswordWindow::~AdminPasswordWindow() = default;

void AdminPasswordWindow::onEnterClicked()
{
    // The answer starts as one blank, which has to go before the password can match.
    const std::optional<QString> typed = platform::dialogs().input(
        QStringLiteral("Enter The Administration Password:"), QStringLiteral("Enter Password"), QStringLiteral(" "),
        true);
    if (administration::passwordAccepted(typed)) {
        AdminConsoleWindow *console = app::window<AdminConsoleWindow>();
        console->show();
        console->raise();
    } else {
        platform::say(QStringLiteral("Password Is Incorrect"));
    }
    close();
}
