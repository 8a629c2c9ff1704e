// The Grand National's requirements: the entry fee and a share in a horse.
#include "race/grand_national_requirements_window.h"

#include "app/window_registry.h"
#include "game/session.h"
#include "office/race_card.h"
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

    Label1 = new QLabel(QStringLiteral("To enter your horse into the Grand National Then You Will Require The Following:"), this);
    Label1->setWordWrap(true);
    Label1->setGeometry(twipsRect(240, 180, 4920, 660));
    Label2 = new QLabel(QStringLiteral("1:"), this);
    Label2->setGeometry(twipsRect(480, 1020, 300, 300));
    Label3 = new QLabel(QStringLiteral("30,000 or More."), this);
    Label3->setGeometry(twipsRect(780, 1020, 4380, 300));
    Label4 = new QLabel(QStringLiteral("2: Shares In A Horse"), this);
    Label4->setGeometry(twipsRect(480, 1440, 4680, 300));
    QFont bold = Label3->font();
    bold.setBold(true);
    for (QLabel *needed : {Label2, Label3, Label4})
        needed->setFont(bold);
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setDefault(true);
    Command1->setGeometry(twipsRect(1980, 2040, 1440, 480));
    const char *const names[] = {"Label1", "Label2", "Label3", "Label4", "Command1"};
    QWidget *const controls[] = {Label1, Label2, Label3, Label4, Command1};
    for (int i = 0; i < 5; ++i)
        controls[i]->setObjectName(QLatin1String(names[i]));
    connect(Command1, &QPushButton::clicked, this, &GrandNationalRequirementsWindow::Command1_Click);
    Form_Load();
}

GrandNationalRequirementsWindow::~GrandNationalRequirementsWindow() = default;

void GrandNationalRequirementsWindow::Form_Load()
{
    Label3->setText(game::session().sign() + QStringLiteral("30,000"));
}

void GrandNationalRequirementsWindow::Command1_Click() { close(); }
