#include "player/horse_options_window.h"

#include "app/window_registry.h"
#include "game/session.h"
#include "office/race_card.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "player/record_files.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

using platform::twipsRect;

namespace {
// A horse's name is one line of its record file, and it has to fit the race card.
constexpr int longestName = 30;
}  // namespace

HorseOptionsWindow::HorseOptionsWindow()
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Horse Options"));
    setWindowIcon(QIcon(QStringLiteral(":/office/rename.svg")));
    setModal(false);
    setFixedSize(platform::twipsSize(6075, 4185));

    Frame1 = new QGroupBox(QStringLiteral("Horse options"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twipsRect(120, 90, 5835, 3330));
    for (int i = 0; i < 5; ++i) {
        const int y = 390 + i * 540;
        Label1[i] = new QLabel(QStringLiteral("Rename Horse %1").arg(i + 1), Frame1);
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        Label1[i]->setGeometry(twipsRect(150, y + 30, 1600, 300));
        txtHorse[i] = new QLineEdit(Frame1);
        txtHorse[i]->setObjectName(QStringLiteral("txtHorse_%1").arg(i));
        txtHorse[i]->setGeometry(twipsRect(1800, y, 2450, 360));
        txtHorse[i]->setMaxLength(longestName);
        txtHorse[i]->setAccessibleName(Label1[i]->text());
        Label1[i]->setBuddy(txtHorse[i]);
    }
    for (int k = 0; k < 3; ++k) {
        selec[k] = new QRadioButton(QStringLiteral("Selection %1").arg(k + 1), Frame1);
        selec[k]->setObjectName(QStringLiteral("selec_%1").arg(k));
        selec[k]->setGeometry(twipsRect(4440, 420 + k * 480, 1300, 330));
        connect(selec[k], &QRadioButton::clicked, this, [this, k] { selec_Click(k); });
    }
    Command2 = new QPushButton(QStringLiteral("&Reset"), Frame1);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(twipsRect(4440, 1980, 1230, 420));
    auto *picture = new QLabel(Frame1);
    picture->setObjectName(QStringLiteral("picHorse"));
    picture->setGeometry(twipsRect(4560, 2520, 990, 690));
    picture->setPixmap(QIcon(QStringLiteral(":/office/rename.svg")).pixmap(picture->size()));
    picture->setAlignment(Qt::AlignCenter);

    Command1 = new QPushButton(QStringLiteral("&OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(3240, 3600, 1300, 420));
    Command1->setDefault(true);
    Command4 = new QPushButton(QStringLiteral("&Close"), this);
    Command4->setObjectName(QStringLiteral("Command4"));
    Command4->setGeometry(twipsRect(4650, 3600, 1300, 420));

    connect(Command2, &QPushButton::clicked, this, &HorseOptionsWindow::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &HorseOptionsWindow::Command1_Click);
    connect(Command4, &QPushButton::clicked, this, &HorseOptionsWindow::Command4_Click);

    setTabOrder(txtHorse[0], txtHorse[1]);
    for (int i = 1; i < 4; ++i)
        setTabOrder(txtHorse[i], txtHorse[i + 1]);
    setTabOrder(txtHorse[4], selec[0]);
    setTabOrder(selec[0], Command2);
    setTabOrder(Command2, Command1);
    setTabOrder(Command1, Command4);

    Form_Load();
}

HorseOptionsWindow::~HorseOptionsWindow() = default;

void HorseOptionsWindow::Form_Load()
{
    const game::PlayerRecord &record = game::session().record();
    for (int i = 0; i < 5; ++i) {
        const QString name = record.horses[i];
        // A longer name brought in from elsewhere is shown whole, never cut by opening this window.
        txtHorse[i]->setMaxLength(std::max<int>(longestName, name.size()));
        txtHorse[i]->setText(name);
    }
}

void HorseOptionsWindow::fill(int set)
{
    const auto names = office::preparedHorseNames(set);
    for (int i = 0; i < 5; ++i)
        txtHorse[i]->setText(names[i]);
}

void HorseOptionsWindow::selec_Click(int index)
{
    if (index >= 0 && index < 3)
        fill(index + 1);
}

void HorseOptionsWindow::Command2_Click() { fill(0); }

void HorseOptionsWindow::Command1_Click()
{
    if (!game::session().record().signedIn()) {
        close();
        return;
    }
    std::array<QString, 5> names;
    for (int i = 0; i < 5; ++i)
        names[i] = txtHorse[i]->text();
    int badHorse = 0;
    bool renamed = false;
    game::tell(game::session().renameHorses(names, &badHorse, [&renamed] { renamed = true; }));
    if (renamed)
        close();
    else if (badHorse >= 1 && badHorse <= 5)
        txtHorse[badHorse - 1]->setFocus();
}

void HorseOptionsWindow::Command4_Click() { close(); }
