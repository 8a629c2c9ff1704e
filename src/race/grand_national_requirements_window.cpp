// The Grand National's requirements: the entry fee and a share in a horse.
#include "race/grand_national_requirements_window.h"

#include "game/session.h"
#include "platform/widgets/placed.h"
#include "platform/twips.h"
#include "platform/widgets/window_fit.h"

#include <QLabel>
#include <QPushButton>

using platform::twipsRect;

GrandNationalRequirementsWindow::GrandNationalRequirementsWindow()
{
    // Built smaller as a whole where the screen is too small for it.
    const platform::TwipsScale scaled(platform::fitWindow(this, 5400, 2880));
    setObjectName(QStringLiteral("Form16"));
    setModal(false);
    setWindowTitle(QStringLiteral("GrandNational Requirements"));
    setFixedSize(platform::twipsSize(5400, 2880));

    auto *heading = platform::placed(
        new QLabel(QStringLiteral("To enter your horse into the Grand National Then You Will Require The Following:"), this),
        QStringLiteral("Label1"), twipsRect(240, 180, 4920, 660));
    heading->setWordWrap(true);
    auto *first = platform::placed(new QLabel(QStringLiteral("1:"), this), QStringLiteral("Label2"), twipsRect(480, 1020, 300, 300));
    auto *fee = platform::placed(new QLabel(game::session().sign() + QStringLiteral("30,000"), this), QStringLiteral("Label3"),
                                 twipsRect(780, 1020, 4380, 300));
    auto *second = platform::placed(new QLabel(QStringLiteral("2: Shares In A Horse"), this), QStringLiteral("Label4"),
                                    twipsRect(480, 1440, 4680, 300));
    QFont bold = fee->font();
    bold.setBold(true);
    for (QLabel *needed : {first, fee, second})
        needed->setFont(bold);
    auto *ok = platform::placed(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("Command1"),
                                twipsRect(1980, 2040, 1440, 480));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
}

GrandNationalRequirementsWindow::~GrandNationalRequirementsWindow() = default;
