#include "info/help_window.h"

#include "app/window_registry.h"
#include "info/pages.h"
#include "game/session.h"
#include "platform/twips.h"
#include "platform/widgets/placed.h"
#include "platform/widgets/web_view.h"
#include "platform/widgets/window_fit.h"

#include <QLabel>
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
        open->load();
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
    // Built smaller as a whole where the screen is too small for it.
    const platform::TwipsScale scaled(platform::fitWindow(this, 12600, 8700));
    setObjectName(QStringLiteral("frmHelp"));
    setSizeGripEnabled(true);
    setMinimumSize(platform::twipsSize(7200, 4800));
    resize(platform::twipsSize(12600, 8700));

    auto *title = platform::placed(new QLabel(QStringLiteral("Paddox6 - Help."), this), QStringLiteral("Label1"), twipsRect(120, 120, 3840, 540));
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    title->setFont(big);
    title->setStyleSheet(QStringLiteral("color: #075e2c;"));

    backButton = platform::placed(new QPushButton(QStringLiteral("<< &Back"), this), QStringLiteral("Command1"), twipsRect(contentsLeft, 780, 1860, 420));
    homeButton = platform::placed(new QPushButton(QStringLiteral("&Home"), this), QStringLiteral("Command2"), twipsRect(2100, 780, 1860, 420));
    for (QPushButton *b : {backButton, homeButton})
        b->setAutoDefault(false);

    contentsView = platform::called(new platform::WebView(this), QStringLiteral("WebBrowser1"));
    contentsView->setAccessibleName(QStringLiteral("Help contents"));
    pageView = platform::called(new platform::WebView(this), QStringLiteral("WebBrowser2"));
    pageView->setAccessibleName(QStringLiteral("Help page"));
    // The contents' links open their pages beside them.
    contentsView->setLinkTarget(pageView);

    connect(backButton, &QPushButton::clicked, pageView, &platform::WebView::goBack);
    connect(homeButton, &QPushButton::clicked, this,
            [this] { pageView->navigate(QUrl::fromLocalFile(info::installedPage(info::helpMainPage))); });

    load();
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::load()
{
    setWindowTitle(QStringLiteral("paddox6.6") + QStringLiteral(" Help"));
    contentsView->navigate(QUrl::fromLocalFile(info::installedPage(info::helpContentsPage)));
    // Before a player is signed in to the office (at the sign-in window), the main page.
    const game::Session &session = game::session();
    const bool inOffice = session.officeOpen() && session.record().signedIn();
    const QString page = inOffice ? info::helpPage() : info::helpMainPage;
    pageView->navigate(QUrl::fromLocalFile(info::installedPage(page)));
}

void HelpWindow::resizeEvent(QResizeEvent *event)
{
    const platform::TwipsScale scaled(platform::windowScale(this));
    QDialog::resizeEvent(event);
    const int contentsHeight = height() - twips(1500);
    const int mainWidth = width() - twips(4200);
    const int mainHeight = height() - twips(900);
    if (contentsHeight > 0)
        contentsView->setGeometry(twips(contentsLeft), twips(contentsTop), twips(3840), contentsHeight);
    if (mainWidth > 0 && mainHeight > 0)
        pageView->setGeometry(twips(mainLeft), twips(mainTop), mainWidth, mainHeight);
}
