#include "info/help_window.h"

#include "app/window_registry.h"
#include "info/pages.h"
#include "game/session.h"
#include "platform/twips.h"
#include "platform/widgets/web_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using platform::twips;
using platform::twipsRect;

namespace {
constexpr int contentsLeft = 120;
constexpr int contentsTop = 1380;
constexpr int mainLeft = 4080;
constexpr int mainTop = 780;
}  // namespace

namespace info {
void openHelpWindow()
{
    if (HelpWindow *open = app::existingWindow<HelpWindow>()) {
        open->Form_Load();
        open->show();
        open->raise();
        open->activateWindow();
        return;
    }
    app::window<HelpWindow>()->show();
}
}  // namespace info

HelpWindow::HelpWindow()
{
    setObjectName(QStringLiteral("frmHelp"));
    setSizeGripEnabled(true);
    setMinimumSize(platform::twipsSize(7200, 4800));
    resize(platform::twipsSize(12600, 8700));

    Label1 = new QLabel(QStringLiteral("Paddox6 - Help."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(120, 120, 3840, 540));
    QFont big = Label1->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    Label1->setFont(big);
    Label1->setStyleSheet(QStringLiteral("color: #075e2c;"));

    Command1 = new QPushButton(QStringLiteral("<< &Back"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(contentsLeft, 780, 1860, 420));
    Command2 = new QPushButton(QStringLiteral("&Home"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(twipsRect(2100, 780, 1860, 420));
    for (QPushButton *b : {Command1, Command2})
        b->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &HelpWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &HelpWindow::Command2_Click);

    WebBrowser1 = new platform::WebView(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setAccessibleName(QStringLiteral("Help contents"));
    WebBrowser2 = new platform::WebView(this);
    WebBrowser2->setObjectName(QStringLiteral("WebBrowser2"));
    WebBrowser2->setAccessibleName(QStringLiteral("Help page"));
    // The contents' links open their pages beside them.
    WebBrowser1->setLinkTarget(WebBrowser2);

    Form_Load();
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::Form_Load()
{
    setWindowTitle(QStringLiteral("paddox6.6") + QStringLiteral(" Help"));
    WebBrowser1->navigate(QUrl::fromLocalFile(info::installedPage(info::helpContentsPage)));
    // Before a player is signed in to the office (at the sign-in window), the main page.
    const game::Session &session = game::session();
    const bool inOffice = session.officeOpen() && session.record().signedIn();
    const QString page = inOffice ? info::helpPage() : info::helpMainPage;
    WebBrowser2->navigate(QUrl::fromLocalFile(info::installedPage(page)));
}

void HelpWindow::Command1_Click() { WebBrowser2->goBack(); }

void HelpWindow::Command2_Click() { WebBrowser2->navigate(QUrl::fromLocalFile(info::installedPage(info::helpMainPage))); }

void HelpWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int contentsHeight = height() - twips(1500);
    const int mainWidth = width() - twips(4200);
    const int mainHeight = height() - twips(900);
    if (contentsHeight > 0)
        WebBrowser1->setGeometry(twips(contentsLeft), twips(contentsTop), twips(3840), contentsHeight);
    if (mainWidth > 0 && mainHeight > 0)
        WebBrowser2->setGeometry(twips(mainLeft), twips(mainTop), mainWidth, mainHeight);
}
