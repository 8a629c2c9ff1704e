#include "hall/hall_of_fame_window.h"

#include "info/page_window.h"
#include "game/session.h"
#include "platform/dialogs.h"
#include "platform/intervals.h"
#include "platform/twips.h"
#include "platform/widgets/svg_picture.h"
#include "platform/widgets/placed.h"
#include "platform/widgets/window_fit.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

using platform::twipsRect;

namespace {
constexpr int countdownSeconds = 10;

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &at)
{
    return platform::placed(new QLabel(text, parent), name, at);
}

QFont bold(QFont font, qreal scale = 1.0)
{
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}
}  // namespace

HallOfFameWindow::HallOfFameWindow()
{
    // Built smaller as a whole where the screen is too small for it.
    const platform::TwipsScale scaled(platform::fitWindow(this, 6960, 5640));
    setObjectName(QStringLiteral("frmHall"));
    setWindowTitle(QStringLiteral("paddox6 - Hall Of Fame"));
    setFixedSize(platform::twipsSize(6960, 5640));

    auto *picture = label(this, QStringLiteral("Image1"), QString(), twipsRect(240, 180, 900, 900));
    picture->setPixmap(platform::svgPixmap(QStringLiteral(":/hall/trophy.svg"), picture->size(), devicePixelRatioF()));
    auto *title = label(this, QStringLiteral("Label1"), QStringLiteral("Hall Of Fame"), twipsRect(1320, 300, 5400, 600));
    title->setFont(bold(title->font(), 1.9));
    title->setStyleSheet(QStringLiteral("color: #7a5a00;"));

    auto *line = platform::placed(new QFrame(this), QStringLiteral("Line1"), twipsRect(240, 1200, 6480, 30));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto *cashHeading = label(this, QStringLiteral("Label2"), QStringLiteral("Position And Cash"), twipsRect(240, 1320, 3000, 330));
    auto *nameHeading = label(this, QStringLiteral("Label3"), QStringLiteral("Name"), twipsRect(3360, 1320, 3360, 330));
    cashHeading->setFont(bold(cashHeading->font()));
    nameHeading->setFont(bold(nameHeading->font()));
    for (int i = 0; i < hall::positions; ++i) {
        const int y = 1740 + i * 420;
        auto *position = label(this, QStringLiteral("lblPosition_%1").arg(i), QString::number(i + 1), twipsRect(240, y, 420, 360));
        position->setFont(bold(position->font()));
        scoreLabels[i] = label(this, QStringLiteral("lblScore_%1").arg(i), QString(), twipsRect(720, y, 2520, 360));
        nameLabels[i] = label(this, QStringLiteral("lblName_%1").arg(i), QString(), twipsRect(3360, y, 3360, 360));
        for (QLabel *value : {scoreLabels[i], nameLabels[i]}) {
            value->setTextFormat(Qt::PlainText);  // names and scores come from files
            value->setFrameShape(QFrame::StyledPanel);
            value->setFrameShadow(QFrame::Sunken);
            value->setIndent(4);
        }
    }

    noteLabel = label(this, QStringLiteral("lblNote"), QString(), twipsRect(240, 3870, 6480, 330));
    noteLabel->setStyleSheet(QStringLiteral("color: #8a1010;"));
    noteLabel->hide();

    auto *caption = label(this, QStringLiteral("Label4"), QStringLiteral("This screen will close in:"),
                          twipsRect(240, 4320, 2160, 330));
    // The caption is shown whole and the seconds follow it after a blank, however wide the print.
    caption->resize(caption->sizeHint().width(), caption->height());
    const int secondsLeft = caption->x() + caption->width() + caption->fontMetrics().horizontalAdvance(QLatin1Char(' '));
    secondsLabel = label(this, QStringLiteral("lblSeconds"), QString(),
                         QRect(secondsLeft, caption->y(), platform::twips(1440), caption->height()));
    secondsLabel->setFont(bold(secondsLabel->font()));
    countdownBar = platform::placed(new QProgressBar(this), QStringLiteral("ProgressBar1"), twipsRect(240, 4740, 4800, 300));
    countdownBar->setRange(0, countdownSeconds);
    countdownBar->setTextVisible(false);
    closeButton = platform::placed(new QPushButton(QStringLiteral("&Close"), this), QStringLiteral("Command1"), twipsRect(5280, 4620, 1440, 480));
    closeButton->setDefault(true);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    countdownTimer = platform::called(new QTimer(this), QStringLiteral("Timer1"));
    countdownTimer->setInterval(platform::effectiveInterval(platform::hallCountdownMs));
    connect(countdownTimer, &QTimer::timeout, this, &HallOfFameWindow::onCountdownTick);

    load();
}

HallOfFameWindow::~HallOfFameWindow() = default;

void HallOfFameWindow::load()
{
    // 1. The countdown.
    countdownBar->setValue(countdownSeconds);
    secondsLabel->setText(QStringLiteral("%1 seconds").arg(countdownSeconds));
    countdownTimer->start();

    // 2., 3. The table.
    const hall::Loaded loaded = hall::loadTable();
    table_ = loaded.table;
    showTable();

    // 4. The signed-in player.
    const game::Session &session = game::session();
    if (!session.officeOpen())
        return;
    const platform::Money cash = session.record().cash;
    if (!loaded.stored) {
        noteLabel->setText(QStringLiteral("The hall of fame could not be stored, so no new entry can be made."));
        noteLabel->show();
        return;
    }

    // 5. Rank, 6. enter.
    if (const std::optional<int> index = hall::rank(cash, table_))
        enter(*index, cash, session.record().name);
}

void HallOfFameWindow::enter(int index, platform::Money cash, const QString &playerName)
{
    // The countdown waits while the player answers.
    countdownTimer->stop();
    prompting_ = true;
    const std::optional<QString> name =
        platform::dialogs().input(QStringLiteral("Enter Your Name"), QStringLiteral("You Have A High Score"), playerName);
    table_ = hall::withEntry(table_, index, cash, name.value_or(QString()));
    showTable();
    const bool stored = hall::storeEntry(table_, index, cash);
    platform::say(QStringLiteral("Your on the board"));
    if (!stored) {
        noteLabel->setText(QStringLiteral("Your entry could not be written to the hall folder."));
        noteLabel->show();
    }
    prompting_ = false;
    if (countdownBar->value() > 0)
        countdownTimer->start();
    else
        close();
}

void HallOfFameWindow::showTable()
{
    for (int i = 0; i < hall::positions; ++i) {
        scoreLabels[i]->setText(table_[i].score);
        nameLabels[i]->setText(table_[i].name);
        nameLabels[i]->setToolTip(table_[i].name);
    }
}

void HallOfFameWindow::onCountdownTick()
{
    const int left = std::max(0, countdownBar->value() - 1);
    countdownBar->setValue(left);
    secondsLabel->setText(QStringLiteral("%1 seconds").arg(left));
    if (left == 0)
        close();
}

void HallOfFameWindow::closeEvent(QCloseEvent *event)
{
    if (prompting_) {
        event->ignore();  // the name prompt is answered first
        return;
    }
    countdownTimer->stop();
    // After the betting office has gone, the way out passes the credits page.
    if (info::mainWindowGone())
        info::openPageWindow();
    event->accept();
}

// Escape closes the window the same way as "&Close".
void HallOfFameWindow::reject() { close(); }
