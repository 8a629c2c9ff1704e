#include "administration/password_window.h"

#include "administration/console.h"
#include "administration/console_window.h"
#include "app/window_registry.h"
#include "platform/dialogs.h"
#include "platform/twips.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

using platform::twipsRect;

AdminPasswordWindow::AdminPasswordWindow()
{
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("Tamblor Networks iPaddoxV Administration Area"));
    setWindowIcon(QIcon(QStringLiteral(":/app/paddox.svg")));
    setModal(false);
    setFixedSize(platform::twipsSize(5400, 1500));

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(twipsRect(180, 240, 720, 720));
    picture->setPixmap(QIcon(QStringLiteral(":/app/paddox.svg")).pixmap(picture->size()));
    Label1 = new QLabel(QStringLiteral("Administrators only."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(1080, 240, 4140, 300));
    Command1 = new QPushButton(QStringLiteral("Enter"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(3720, 780, 1500, 450));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &AdminPasswordWindow::Command1_Click);
}

AdminPasswordWindow::~AdminPasswordWindow() = default;

void AdminPasswordWindow::Command1_Click()
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
