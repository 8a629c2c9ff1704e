#include "info/programmer_window.h"

#include "platform/maker.h"
#include "platform/twips.h"
#include "platform/widgets/svg_picture.h"
#include "platform/widgets/placed.h"

#include <QLabel>
#include <QPushButton>

using platform::twipsRect;

namespace {
QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &at, bool bold = false)
{
    auto *l = platform::placed(new QLabel(text, parent), name, at);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}
}  // namespace

ProgrammerWindow::ProgrammerWindow()
{
    setObjectName(QStringLiteral("frmprog"));
    setWindowTitle(QStringLiteral("Meet The Programmer"));
    setFixedSize(platform::twipsSize(6600, 4020));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twipsRect(240, 240, 1200, 1200));
    Image1->setPixmap(platform::svgPixmap(QStringLiteral(":/info/programmer.svg"), Image1->size(), devicePixelRatioF()));
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(twipsRect(240, 1560, 1200, 1200));
    Image2->setPixmap(platform::svgPixmap(QStringLiteral(":/app/paddox.svg"), Image2->size(), devicePixelRatioF()));

    Label1 = label(this, QStringLiteral("Label1"), QStringLiteral("Name:"), twipsRect(1680, 240, 1080, 300), true);
    Label4 = label(this, QStringLiteral("Label4"), QStringLiteral("The Paddox programmer at Tamblor Networks"),
                   twipsRect(2880, 240, 3480, 540));
    Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("Details:"), twipsRect(1680, 900, 1080, 300), true);
    Label5 = label(this, QStringLiteral("Label5"),
                   QStringLiteral("Wrote Paddox in his spare evenings, one race at a time. He has never won a bet on "
                                  "Mr Ed and still backs him every Saturday."),
                   twipsRect(2880, 900, 3480, 1380));
    Label3 = label(this, QStringLiteral("Label3"), QStringLiteral("Contact:"), twipsRect(1680, 2400, 1080, 300), true);
    Label6 = label(this, QStringLiteral("Label6"),
                   QStringLiteral("Through the Tamblor Networks web site: ") + QString::fromLatin1(platform::makerWebHost),
                   twipsRect(2880, 2400, 3480, 540));
    Label6->setTextInteractionFlags(Qt::TextSelectableByMouse);

    Command1 = new QPushButton(QStringLiteral("&Close"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(4920, 3360, 1440, 420));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &ProgrammerWindow::Command1_Click);
}

ProgrammerWindow::~ProgrammerWindow() = default;

void ProgrammerWindow::Command1_Click() { close(); }
