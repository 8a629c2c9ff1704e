#include "info/about_window.h"

#include "info/page_window.h"
#include "info/pages.h"
#include "office/office_files.h"
#include "platform/maker.h"
#include "platform/twips.h"
#include "platform/version.h"
#include "platform/widgets/link_label.h"
#include "platform/widgets/svg_picture.h"
#include "platform/widgets/placed.h"
#include "platform/widgets/window_fit.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

using platform::twipsRect;

namespace {
constexpr int aboutWidth = 6900;
constexpr int aboutHeight = 4680;
constexpr int moreHeight = 1500;

QString versionDigits()
{
    return QStringLiteral("%1.%2.%3").arg(platform::versionMajor).arg(platform::versionMinor).arg(platform::versionRevision);
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &at)
{
    auto *l = platform::placed(new QLabel(text, parent), name, at);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QFrame *line(QWidget *parent, const QString &name, const QRect &at)
{
    auto *l = platform::placed(new QFrame(parent), name, at);
    l->setFrameShape(QFrame::HLine);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}
}  // namespace

AboutWindow::AboutWindow()
{
    // Built smaller as a whole where the screen is too small for it.
    const platform::TwipsScale scaled(platform::fitWindow(this, aboutWidth, aboutHeight + moreHeight));
    setObjectName(QStringLiteral("Form6"));
    setFixedSize(platform::twipsSize(aboutWidth, aboutHeight));

    tabs = platform::placed(new QTabWidget(this), QStringLiteral("SSTab1"), twipsRect(120, 120, aboutWidth - 240, aboutHeight - 240));
    auto *page = platform::called(new QWidget, QStringLiteral("tabAbout"));
    tabs->addTab(page, QStringLiteral("About Paddox"));

    auto *picture = platform::placed(new QLabel(page), QStringLiteral("Image1"), twipsRect(180, 180, 1080, 1080));
    picture->setPixmap(platform::svgPixmap(QStringLiteral(":/app/paddox.svg"), picture->size(), devicePixelRatioF()));

    auto *product = label(page, QStringLiteral("lblProduct"), QStringLiteral("Paddox6"), twipsRect(1440, 150, 4980, 480));
    QFont big = product->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    product->setFont(big);
    versionLabel = label(page, QStringLiteral("Label1"), QString(), twipsRect(1440, 660, 4980, 300));
    label(page, QStringLiteral("Label2"), QStringLiteral("Release Date: October 2005"), twipsRect(1440, 960, 4980, 300));
    auto *makerLink = platform::placed(new platform::LinkLabel(QString::fromLatin1(platform::makerWebAddress), page), QStringLiteral("Label3"), twipsRect(1440, 1260, 4980, 300));
    makerLink->setToolTip(QStringLiteral("Visit Tamblor Networks On The Internet"));
    connect(makerLink, &platform::LinkLabel::clicked, this, &AboutWindow::onMakerLinkClicked);

    line(page, QStringLiteral("Line1"), twipsRect(180, 1680, 6240, 30));
    label(page, QStringLiteral("Label4"),
          QStringLiteral("Paddox6 was written and drawn by Tamblor Networks. Thanks to every player who "
                         "sent in a tip, a horse name or a bug."),
          twipsRect(180, 1800, 6240, 540));
    label(page, QStringLiteral("Label5"),
          QStringLiteral("Paddox is a game. Its money is play money: no real bet is placed and nothing can be "
                         "won or lost outside the game."),
          twipsRect(180, 2400, 6240, 540));
    line(page, QStringLiteral("Line2"), twipsRect(180, 3060, 6240, 30));
    label(page, QStringLiteral("Label6"),
          QStringLiteral("Copyright Tamblor Networks. Paddox may be copied and given away freely, as long as "
                         "it is not changed and not sold. It comes with no warranty of any kind."),
          twipsRect(180, 4200, 6240, 720));
    countryLabel = label(page, QStringLiteral("lblCountry"), QString(), twipsRect(180, 5010, 6240, 300));
    countryLabel->setTextFormat(Qt::PlainText);

    moreButton = platform::placed(new QPushButton(QStringLiteral("more >"), page), QStringLiteral("Command2"), twipsRect(3360, 3180, 1440, 420));
    auto *closeButton = platform::placed(new QPushButton(QStringLiteral("&Close"), page), QStringLiteral("Command1"), twipsRect(4980, 3180, 1440, 420));
    closeButton->setDefault(true);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(moreButton, &QPushButton::clicked, this, &AboutWindow::onMoreClicked);

    load();
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::load()
{
    setWindowTitle(QStringLiteral("About Paddox") + versionDigits());
    versionLabel->setText(QStringLiteral("Version: ") + QStringLiteral(" ") + versionDigits());
    const office::CountryRead country = office::readCountry();
    countryLabel->setText(QStringLiteral("Registered in: ") + (country.readable ? country.country : QStringLiteral("(unknown)")));
}

void AboutWindow::onMoreClicked()
{
    const platform::TwipsScale scaled(platform::windowScale(this));
    setFixedSize(width(), height() + platform::twips(moreHeight));
    tabs->resize(tabs->width(), tabs->height() + platform::twips(moreHeight));
    moreButton->setEnabled(false);
}

void AboutWindow::onMakerLinkClicked()
{
    info::setPageTarget(QString::fromLatin1(platform::makerHomePage));
    info::openPageWindow();
}
