#include "info/page_window.h"

#include "app/window_registry.h"
#include "info/pages.h"
#include "game/session.h"
#include "platform/program.h"
#include "platform/twips.h"
#include "platform/widgets/placed.h"
#include "platform/widgets/web_view.h"
#include "platform/widgets/window_fit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

using platform::twips;
using platform::twipsRect;

namespace {
constexpr int startWidth = 9600;
constexpr int startHeight = 7200;
const QString firstCaption = QStringLiteral("Paddox6.6 The Way Paddox Was Supposed To Be!");
bool gone = false;
}  // namespace

namespace info {
bool mainWindowGone() { return gone || !game::session().officeOpen(); }
void setMainWindowGone(bool g) { gone = g; }

void openPageWindow()
{
    if (PageWindow *open = app::existingWindow<PageWindow>()) {
        open->load();
        open->show();
        open->raise();
        open->activateWindow();
        return;
    }
    app::window<PageWindow>()->show();
}
}  // namespace info

PageWindow::PageWindow()
{
    // Built smaller as a whole where the screen is too small for it.
    const platform::TwipsScale scaled(platform::fitWindow(this, startWidth, startHeight));
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(firstCaption);
    setSizeGripEnabled(true);
    resize(platform::twipsSize(startWidth, startHeight));
    setMinimumSize(platform::twipsSize(6000, 3600));

    auto button = [this](const QString &name, const QString &caption, const QRect &at, const QString &tip) {
        auto *b = platform::placed(new QPushButton(caption, this), name, at);
        b->setToolTip(tip);
        b->setAutoDefault(false);
        return b;
    };
    backButton = button(QStringLiteral("Command1"), QStringLiteral("<"), twipsRect(120, 120, 495, 390), QStringLiteral("Back"));
    closeButton = button(QStringLiteral("Command2"), QStringLiteral("X"), twipsRect(675, 120, 495, 390), QStringLiteral("Close"));
    addressField = platform::placed(new QLineEdit(QStringLiteral("http://"), this), QStringLiteral("Text1"), twipsRect(1290, 120, 6960, 390));
    addressField->setAccessibleName(QStringLiteral("Address"));
    addressField->setMaxLength(2000);
    goButton = button(QStringLiteral("Command3"), QStringLiteral("GO"), twipsRect(8310, 120, 700, 390), QStringLiteral("Go to the address"));
    skipCreditsBox = platform::placed(new QCheckBox(QStringLiteral("Dont Show Credits Again"), this), QStringLiteral("Check1"), twipsRect(1290, 150, 4200, 330));
    progressBar = platform::called(new QProgressBar(this), QStringLiteral("ProgressBar1"));
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    progressBar->setTextVisible(false);
    view = platform::called(new platform::WebView(this), QStringLiteral("Webcred"));
    statusBar = platform::called(new QStatusBar(this), QStringLiteral("StatusBar1"));
    statusBar->setSizeGripEnabled(false);

    connect(backButton, &QPushButton::clicked, view, &platform::WebView::goBack);
    connect(closeButton, &QPushButton::clicked, this, &PageWindow::onCloseClicked);
    connect(goButton, &QPushButton::clicked, this, &PageWindow::onGoClicked);
    connect(addressField, &QLineEdit::textEdited, this, &PageWindow::onAddressEdited);
    connect(addressField, &QLineEdit::returnPressed, this, &PageWindow::onGoClicked);
    connect(view, &platform::WebView::documentComplete, this, &PageWindow::onPageLoaded);
    connect(view, &platform::WebView::statusTextChanged, statusBar, [this](const QString &text) { statusBar->showMessage(text); });
    connect(view, &platform::WebView::progressChanged, this, &PageWindow::onProgress);

    load();
}

PageWindow::~PageWindow() = default;

void PageWindow::load()
{
    skipCreditsBox->setChecked(false);
    // 1., 2. The player asked to leave without the credits.
    const QString target = info::pageTarget();
    if (target.isEmpty() && info::creditsSkipped()) {
        platform::endProgram();
        return;
    }
    addressMode_ = !target.isEmpty();
    if (addressMode_) {
        // 3. A web address.
        progressBar->setValue(0);
        progressBar->show();
        skipCreditsBox->hide();
        info::setPageTarget(QString());
        addressField->setText(target);
        addressField->show();
        goButton->show();
        view->navigate(QUrl::fromUserInput(target));
    } else {
        // 4. The credits.
        progressBar->hide();
        addressField->hide();
        goButton->hide();
        skipCreditsBox->show();
        view->navigate(QUrl::fromLocalFile(info::installedPage(info::creditsPage)));
    }
}

void PageWindow::onPageLoaded()
{
    addressField->setText(view->address().toString());
    setWindowTitle(view->title() + QStringLiteral(" - Quarn Browser."));
}

void PageWindow::onProgress(int progress)
{
    if (progress >= progressBar->minimum() && progress <= progressBar->maximum())
        progressBar->setValue(progress);
}

void PageWindow::onAddressEdited(const QString &text)
{
    if (const std::optional<QString> completed = info::completedAddress(text))
        addressField->setText(*completed);
}

void PageWindow::onGoClicked()
{
    const QString typed = addressField->text().trimmed();
    if (typed.isEmpty())
        return;
    view->navigate(QUrl::fromUserInput(typed));
}

void PageWindow::storeCreditsChoice()
{
    // A web page hides the box: the choice made on the credits page stays as it was.
    if (!addressMode_)
        info::writeCreditsFlag(skipCreditsBox->isChecked());
}

void PageWindow::onCloseClicked()
{
    storeCreditsChoice();
    if (info::mainWindowGone())
        platform::endProgram();
    else
        close();
}

void PageWindow::closeEvent(QCloseEvent *event)
{
    storeCreditsChoice();
    event->accept();
}

void PageWindow::resizeEvent(QResizeEvent *event)
{
    const platform::TwipsScale scaled(platform::windowScale(this));
    QDialog::resizeEvent(event);
    const int statusHeight = statusBar->sizeHint().height();
    progressBar->setGeometry(0, twips(600), width(), twips(225));
    view->setGeometry(twips(175), twips(900), std::max(0, width() - twips(350)), std::max(0, height() - twips(1500)));
    statusBar->setGeometry(0, height() - statusHeight, width(), statusHeight);
}
