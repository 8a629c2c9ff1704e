#include "player/horse_options_window.h"

#include "app/window_registry.h"
#include "game/session.h"
#include "office/race_card.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "platform/widgets/placed.h"
#include "player/record_files.h"
#include "platform/widgets/window_fit.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

using platform::placed;
using platform::twipsRect;

HorseOptionsWindow::HorseOptionsWindow()
{
    // Built smaller as a whole where the screen is too small for it.
    const platform::TwipsScale scaled(platform::fitWindow(this, 6075, 4185));
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Horse Options"));
    setWindowIcon(QIcon(QStringLiteral(":/office/rename.svg")));
    setModal(false);
    setFixedSize(platform::twipsSize(6075, 4185));

    auto *frame = placed(new QGroupBox(QStringLiteral("Horse options"), this), QStringLiteral("Frame1"), twipsRect(120, 90, 5835, 3330));
    for (int i = 0; i < 5; ++i) {
        const int y = 390 + i * 540;
        auto *caption = placed(new QLabel(QStringLiteral("Rename Horse %1").arg(i + 1), frame), QStringLiteral("Label1_%1").arg(i),
                               twipsRect(150, y + 30, 1600, 300));
        QLineEdit *field = horseFields[i] = placed(new QLineEdit(frame), QStringLiteral("txtHorse_%1").arg(i), twipsRect(1800, y, 2450, 360));
        field->setAccessibleName(caption->text());
        caption->setBuddy(field);
    }
    std::array<QRadioButton *, 3> selections{};
    for (int k = 0; k < 3; ++k) {
        selections[k] = placed(new QRadioButton(QStringLiteral("Selection %1").arg(k + 1), frame), QStringLiteral("selec_%1").arg(k),
                               twipsRect(4440, 420 + k * 480, 1300, 330));
        connect(selections[k], &QRadioButton::clicked, this, [this, k] { showNames(k + 1); });
    }
    auto *resetButton = placed(new QPushButton(QStringLiteral("&Reset"), frame), QStringLiteral("Command2"), twipsRect(4440, 1980, 1230, 420));
    auto *picture = placed(new QLabel(frame), QStringLiteral("picHorse"), twipsRect(4560, 2520, 990, 690));
    picture->setPixmap(QIcon(QStringLiteral(":/office/rename.svg")).pixmap(picture->size()));
    picture->setAlignment(Qt::AlignCenter);

    auto *okButton = placed(new QPushButton(QStringLiteral("&OK"), this), QStringLiteral("Command1"), twipsRect(3240, 3600, 1300, 420));
    okButton->setDefault(true);
    auto *closeButton = placed(new QPushButton(QStringLiteral("&Close"), this), QStringLiteral("Command4"), twipsRect(4650, 3600, 1300, 420));

    connect(resetButton, &QPushButton::clicked, this, [this] { showNames(0); });
    connect(okButton, &QPushButton::clicked, this, &HorseOptionsWindow::onOkClicked);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    for (int i = 0; i < 4; ++i)
        setTabOrder(horseFields[i], horseFields[i + 1]);
    setTabOrder(horseFields[4], selections[0]);
    setTabOrder(selections[0], resetButton);
    setTabOrder(resetButton, okButton);
    setTabOrder(okButton, closeButton);

    load();
}

HorseOptionsWindow::~HorseOptionsWindow() = default;

void HorseOptionsWindow::load()
{
    const game::PlayerRecord &record = game::session().record();
    for (int i = 0; i < 5; ++i) {
        const QString name = record.horses[i];
        horseFields[i]->setText(name);
    }
}

void HorseOptionsWindow::showNames(int set)
{
    const auto names = office::preparedHorseNames(set);
    for (int i = 0; i < 5; ++i)
        horseFields[i]->setText(names[i]);
}

void HorseOptionsWindow::onOkClicked()
{
    if (!game::session().record().signedIn()) {
        close();
        return;
    }
    std::array<QString, 5> names;
    for (int i = 0; i < 5; ++i)
        names[i] = horseFields[i]->text();
    int badHorse = 0;
    bool renamed = false;
    game::tell(game::session().renameHorses(names, &badHorse, [&renamed] { renamed = true; }));
    if (renamed)
        close();
    else if (badHorse >= 1 && badHorse <= 5)
        horseFields[badHorse - 1]->setFocus();
}
