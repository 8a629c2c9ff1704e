#include "info/page_window.h"

#include "app/window_registry.h"
#include "info/pages.h"
#include "game/session.h"
#include "platform/program.h"
#include "platform/twips.h"
#include "platform/widgets/web_view.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
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
        open->Form_Load();
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
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(firstCaption);
    setSizeGripEnabled(true);
    resize(platform::twipsSize(startWidth, startHeight));
    setMinimumSize(platform::twipsSize(6000, 3600));

    auto button = [this](const QString &name, const QString &caption, const QRect &at, const QString &tip) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(at);
        b->setToolTip(tip);
        b->setAutoDefault(false);
        return b;
    };
    Command1 = button(QStringLiteral("Command1"), QStringLiteral("<"), twipsRect(120, 120, 495, 390), QStringLiteral("Back"));
    Command2 = button(QStringLiteral("Command2"), QStringLiteral("X"), twipsRect(675, 120, 495, 390), QStringLiteral("Close"));
    Text1 = new QLineEdit(QStringLiteral("http://"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twipsRect(1290, 120, 6960, 390));
    Text1->setAccessibleName(QStringLiteral("Address"));
    Text1->setMaxLength(2000);
    Command3 = button(QStringLiteral("Command3"), QStringLiteral("GO"), twipsRect(8310, 120, 700, 390), QStringLiteral("Go to the address"));
    Check1 = new QCheckBox(QStringLiteral("Dont Show Credits Again"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(twipsRect(1290, 150, 4200, 330));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    Webcred = new platform::WebView(this);
    Webcred->setObjectName(QStringLiteral("Webcred"));
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);

    connect(Command1, &QPushButton::clicked, this, &PageWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &PageWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &PageWindow::Command3_Click);
    connect(Text1, &QLineEdit::textEdited, this, &PageWindow::Text1_Change);
    connect(Text1, &QLineEdit::returnPressed, this, &PageWindow::Command3_Click);
    connect(Webcred, &platform::WebView::documentComplete, this, &PageWindow::Webcred_DocumentComplete);
    connect(Webcred, &platform::WebView::statusTextChanged, this, &PageWindow::Webcred_StatusTextChange);
    connect(Webcred, &platform::WebView::progressChanged, this, &PageWindow::Webcred_ProgressChange);

    Form_Load();
}

PageWindow::~PageWindow() = default;

void PageWindow::Form_Load()
{
    Check1->setChecked(false);
    // 1., 2. The player asked to leave without the credits.
    const QString target = info::pageTarget();
    if (target.isEmpty() && info::creditsSkipped()) {
        platform::endProgram();
        return;
    }
    addressMode_ = !target.isEmpty();
    if (addressMode_) {
        // 3. A web address.
        ProgressBar1->setValue(0);
        ProgressBar1->show();
        Check1->hide();
        info::setPageTarget(QString());
        Text1->setText(target);
        Text1->show();
        Command3->show();
        Webcred->navigate(QUrl::fromUserInput(target));
    } else {
        // 4. The credits.
        ProgressBar1->hide();
        Text1->hide();
        Command3->hide();
        Check1->show();
        Webcred->navigate(QUrl::fromLocalFile(info::installedPage(info::creditsPage)));
    }
}

void PageWindow::Webcred_DocumentComplete()
{
    Text1->setText(Webcred->address().toString());
    setWindowTitle(Webcred->title() + QStringLiteral(" - Quarn Browser."));
}

void PageWindow::Webcred_StatusTextChange(const QString &text) { StatusBar1->showMessage(text); }

void PageWindow::Webcred_ProgressChange(int progress)
{
    if (progress >= ProgressBar1->minimum() && progress <= ProgressBar1->maximum())
        ProgressBar1->setValue(progress);
}

void PageWindow::Text1_Change(const QString &text)
{
    if (const std::optional<QString> completed = info::completedAddress(text))
        Text1->setText(*completed);
}

void PageWindow::Command3_Click()
{
    const QString typed = Text1->text().trimmed();
    if (typed.isEmpty())
        return;
    Webcred->navigate(QUrl::fromUserInput(typed));
}

void PageWindow::Command1_Click() { Webcred->goBack(); }

void PageWindow::storeCreditsChoice()
{
    // A web page hides the box: the choice made on the credits page stays as it was.
    if (!addressMode_)
        info::writeCreditsFlag(Check1->isChecked());
}

void PageWindow::Command2_Click()
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
    QDialog::resizeEvent(event);
    const int statusHeight = StatusBar1->sizeHint().height();
    ProgressBar1->setGeometry(0, twips(600), width(), twips(225));
    Webcred->setGeometry(twips(175), twips(900), std::max(0, width() - twips(350)), std::max(0, height() - twips(1500)));
    StatusBar1->setGeometry(0, height() - statusHeight, width(), statusHeight);
}
