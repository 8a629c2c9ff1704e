#include "info/programmer_window.h"

#include "platform/maker.h"
#include "platform/twips.h"
#include "platform/widgets/svg_picture.h"
#include "platform/widgets/placed.h"
#include "platform/widgets/window_fit.h"

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
    // Built smaller as a whole where the screen is too small for it.
    const platform::TwipsScale scaled(platform::fitWindow(this, 6600, 4020));
    setObjectName(QStringLiteral("frmprog"));
    setWindowTitle(QStringLiteral("Meet The Programmer"));
    setFixedSize(platform::twipsSize(6600, 4020));

    auto *author = platform::placed(new QLabel(this), QStringLiteral("Image1"), twipsRect(240, 240, 1200, 1200));
    author->setPixmap(platform::svgPixmap(QStringLiteral(":/info/programmer.svg"), author->size(), devicePixelRatioF()));
    auto *logo = platform::placed(new QLabel(this), QStringLiteral("Image2"), twipsRect(240, 1560, 1200, 1200));
    logo->setPixmap(platform::svgPixmap(QStringLiteral(":/app/paddox.svg"), logo->size(), devicePixelRatioF()));

    label(this, QStringLiteral("Label1"), QStringLiteral("Name:"), twipsRect(1680, 240, 1080, 300), true);
    label(this, QStringLiteral("Label4"), QStringLiteral("The Paddox programmer at Tamblor Networks"), twipsRect(2880, 240, 3480, 540));
    label(this, QStringLiteral("Label2"), QStringLiteral("Details:"), twipsRect(1680, 900, 1080, 300), true);
    label(this, QStringLiteral("Label5"),
          QStringLiteral("Wrote Paddox in his spare evenings, one race at a time. He has never won a bet on "
                         "Mr Ed and still backs him every Saturday."),
          twipsRect(2880, 900, 3480, 1380));
    label(this, QStringLiteral("Label3"), QStringLiteral("Contact:"), twipsRect(1680, 2400, 1080, 300), true);
    QLabel *contact = label(this, QStringLiteral("Label6"),
                            QStringLiteral("Through the Tamblor Networks web site: ") + QString::fromLatin1(platform::makerWebHost),
                            twipsRect(2880, 2400, 3480, 540));
    contact->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *closeButton = platform::placed(new QPushButton(QStringLiteral("&Close"), this), QStringLiteral("Command1"), twipsRect(4920, 3360, 1440, 420));
    closeButton->setDefault(true);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

ProgrammerWindow::~ProgrammerWindow() = default;
