#include "app/splash_window.h"

#include "app/window_registry.h"
#include "platform/intervals.h"
#include "platform/program.h"
#include "platform/twips.h"
#include "platform/widgets/svg_picture.h"
#include "platform/version.h"
#include "player/country_window.h"
#include "player/record_files.h"
#include "player/sign_in_window.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

SplashWindow::SplashWindow()
{
    using platform::twipsRect;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Welcome To Tamblor Networks Paddox2002"));
    setFixedSize(platform::twipsSize(7200, 4920));

    const qreal ratio = devicePixelRatioF();
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twipsRect(120, 120, 6960, 3480));
    Picture1->setPixmap(platform::svgPixmap(QStringLiteral(":/app/splash.svg"), Picture1->size(), ratio));
    Picture1->setCursor(Qt::PointingHandCursor);
    Picture1->setAccessibleName(QStringLiteral("Paddox"));
    Picture1->installEventFilter(this);

    Picture2 = new QLabel(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(twipsRect(120, 3720, 1080, 1080));
    Picture2->setPixmap(platform::svgPixmap(QStringLiteral(":/app/paddox.svg"), Picture2->size(), ratio));

    Label5 = new QLabel(QStringLiteral(">"), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setGeometry(twipsRect(1440, 3690, 360, 600));
    Label6 = new QLabel(QStringLiteral("  Professional"), this);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setGeometry(twipsRect(1800, 3690, 5280, 600));
    QFont large = font();
    large.setPointSizeF(large.pointSizeF() * 1.8);
    large.setBold(true);
    large.setItalic(true);
    Label5->setFont(large);
    Label6->setFont(large);

    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(twipsRect(1440, 4320, 5640, 360));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(platform::effectiveInterval(platform::splashMs));
    connect(Timer1, &QTimer::timeout, this, &SplashWindow::Timer1_Timer);

    Form_Load();
    Timer1->start();
}

SplashWindow::~SplashWindow() = default;

void SplashWindow::Form_Load()
{
    Label3->setText(QStringLiteral("Paddox Version  %1.%2.%3")
                        .arg(platform::versionMajor)
                        .arg(platform::versionMinor)
                        .arg(platform::versionRevision));
}

bool SplashWindow::firstRun() { return !QFileInfo::exists(platform::dataPath(player::countryFileName)); }

void SplashWindow::Timer1_Timer() { leave(); }

void SplashWindow::Picture1_Click() { leave(); }

void SplashWindow::leave()
{
    // The timer and a click can both arrive; the way in opens once.
    if (left_)
        return;
    left_ = true;
    Timer1->stop();
    if (firstRun())
        app::window<CountryWindow>()->show();
    else
        app::window<SignInWindow>()->show();
    close();
}

bool SplashWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Picture1 && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && Picture1->rect().contains(mouse->position().toPoint())) {
            Picture1_Click();
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
