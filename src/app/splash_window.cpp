#include "app/splash_window.h"

#include "app/window_registry.h"
#include "platform/intervals.h"
#include "platform/program.h"
#include "platform/twips.h"
#include "platform/widgets/placed.h"
#include "platform/widgets/svg_picture.h"
#include "platform/version.h"
#include "player/country_window.h"
#include "player/record_files.h"
#include "player/sign_in_window.h"
#include "platform/widgets/window_fit.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace {
// A first run is one without a country file: the country window comes first.
bool firstRun() { return !QFileInfo::exists(platform::dataPath(player::countryFileName)); }
}  // namespace

SplashWindow::SplashWindow()
{
    // Built smaller as a whole where the screen is too small for it.
    const platform::TwipsScale scaled(platform::fitWindow(this, 7200, 4920));
    using platform::twipsRect;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Welcome To Tamblor Networks Paddox2002"));
    setFixedSize(platform::twipsSize(7200, 4920));

    const qreal ratio = devicePixelRatioF();
    picture = platform::placed(new QLabel(this), QStringLiteral("Picture1"), twipsRect(120, 120, 6960, 3480));
    picture->setPixmap(platform::svgPixmap(QStringLiteral(":/app/splash.svg"), picture->size(), ratio));
    picture->setCursor(Qt::PointingHandCursor);
    picture->setAccessibleName(QStringLiteral("Paddox"));
    picture->installEventFilter(this);

    auto *smallPicture = platform::placed(new QLabel(this), QStringLiteral("Picture2"), twipsRect(120, 3720, 1080, 1080));
    smallPicture->setPixmap(platform::svgPixmap(QStringLiteral(":/app/paddox.svg"), smallPicture->size(), ratio));

    auto *arrow = platform::placed(new QLabel(QStringLiteral(">"), this), QStringLiteral("Label5"), twipsRect(1440, 3690, 360, 600));
    auto *edition = platform::placed(new QLabel(QStringLiteral("  Professional"), this), QStringLiteral("Label6"),
                                     twipsRect(1800, 3690, 5280, 600));
    QFont large = font();
    large.setPointSizeF(large.pointSizeF() * 1.8);
    large.setBold(true);
    large.setItalic(true);
    arrow->setFont(large);
    edition->setFont(large);

    const QString version = QStringLiteral("Paddox Version  %1.%2.%3")
                                .arg(platform::versionMajor)
                                .arg(platform::versionMinor)
                                .arg(platform::versionRevision);
    platform::placed(new QLabel(version, this), QStringLiteral("Label3"), twipsRect(1440, 4320, 5640, 360));

    leaveTimer = new QTimer(this);
    leaveTimer->setObjectName(QStringLiteral("Timer1"));
    leaveTimer->setInterval(platform::effectiveInterval(platform::splashMs));
    connect(leaveTimer, &QTimer::timeout, this, &SplashWindow::leave);
    leaveTimer->start();
}

SplashWindow::~SplashWindow() = default;

void SplashWindow::leave()
{
    // The timer and a click can both arrive; the way in opens once.
    if (left_)
        return;
    left_ = true;
    leaveTimer->stop();
    if (firstRun())
        app::window<CountryWindow>()->show();
    else
        app::window<SignInWindow>()->show();
    close();
}

bool SplashWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == picture && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && picture->rect().contains(mouse->position().toPoint())) {
            leave();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Escape does not skip the way in: the splash leaves by its timer or a click.
void SplashWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
