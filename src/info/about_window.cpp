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
    auto *l = new QFrame(parent);
    l->setObjectName(name);
    l->setFrameShape(QFrame::HLine);
    l->setFrameShadow(QFrame::Sunken);
    l->setGeometry(at);
    return l;
}
}  // namespace

AboutWindow::AboutWindow()
{
    setObjectName(QStringLiteral("Form6"));
    setFixedSize(platform::twipsSize(aboutWidth, aboutHeight));

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(twipsRect(120, 120, aboutWidth - 240, aboutHeight - 240));
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tabAbout"));
    SSTab1->addTab(page, QStringLiteral("About Paddox"));

    Image1 = new QLabel(page);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twipsRect(180, 180, 1080, 1080));
    Image1->setPixmap(platform::svgPixmap(QStringLiteral(":/app/paddox.svg"), Image1->size(), devicePixelRatioF()));

    auto *product = label(page, QStringLiteral("lblProduct"), QStringLiteral("Paddox6"), twipsRect(1440, 150, 4980, 480));
    QFont big = product->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    product->setFont(big);
    Label1 = label(page, QStringLiteral("Label1"), QString(), twipsRect(1440, 660, 4980, 300));
    Label2 = label(page, QStringLiteral("Label2"), QStringLiteral("Release Date: October 2005"), twipsRect(1440, 960, 4980, 300));
    Label3 = new platform::LinkLabel(QString::fromLatin1(platform::makerWebAddress), page);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(twipsRect(1440, 1260, 4980, 300));
    Label3->setToolTip(QStringLiteral("Visit Tamblor Networks On The Internet"));
    connect(Label3, &platform::LinkLabel::clicked, this, &AboutWindow::Label3_Click);

    line(page, QStringLiteral("Line1"), twipsRect(180, 1680, 6240, 30));
    Label4 = label(page, QStringLiteral("Label4"),
                   QStringLiteral("Paddox6 was written and drawn by Tamblor Networks. Thanks to every player who "
                                  "sent in a tip, a horse name or a bug."),
                   twipsRect(180, 1800, 6240, 540));
    Label5 = label(page, QStringLiteral("Label5"),
                   QStringLiteral("Paddox is a game. Its money is play money: no real bet is placed and nothing can be "
                                  "won or lost outside the game."),
                   twipsRect(180, 2400, 6240, 540));
    line(page, QStringLiteral("Line2"), twipsRect(180, 3060, 6240, 30));
    Label6 = label(page, QStringLiteral("Label6"),
                   QStringLiteral("Copyright Tamblor Networks. Paddox may be copied and given away freely, as long as "
                                  "it is not changed and not sold. It comes with no warranty of any kind."),
                   twipsRect(180, 4200, 6240, 720));
    lblCountry = label(page, QStringLiteral("lblCountry"), QString(), twipsRect(180, 5010, 6240, 300));
    lblCountry->setTextFormat(Qt::PlainText);

    Command2 = new QPushButton(QStringLiteral("more >"), page);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(twipsRect(3360, 3180, 1440, 420));
    Command1 = new QPushButton(QStringLiteral("&Close"), page);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(4980, 3180, 1440, 420));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &AboutWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &AboutWindow::Command2_Click);

    Form_Load();
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::Form_Load()
{
    setWindowTitle(QStringLiteral("About Paddox") + versionDigits());
    Label1->setText(QStringLiteral("Version: ") + QStringLiteral(" ") + versionDigits());
    const office::CountryRead country = office::readCountry();
    lblCountry->setText(QStringLiteral("Registered in: ") + (country.readable ? country.country : QStringLiteral("(unknown)")));
}

void AboutWindow::Command1_Click() { close(); }

void AboutWindow::Command2_Click()
{
    setFixedSize(width(), height() + platform::twips(moreHeight));
    SSTab1->resize(SSTab1->width(), SSTab1->height() + platform::twips(moreHeight));
    Command2->setEnabled(false);
}

void AboutWindow::Label3_Click()
{
    info::setPageTarget(QString::fromLatin1(platform::makerHomePage));
    info::openPageWindow();
}
