#include "player/country_window.h"

#include "app/window_registry.h"
#include "platform/dialogs.h"
#include "platform/program.h"
#include "platform/text_files.h"
#include "platform/twips.h"
#include "platform/widgets/placed.h"
#include "platform/widgets/svg_picture.h"
#include "platform/widgets/typed_combo.h"
#include "player/first_run.h"
#include "player/record_files.h"
#include "player/sign_in_window.h"
#include "platform/widgets/window_fit.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString selectCountry = QStringLiteral("Select Country");

// The countries offered, in list order.
const QStringList countries{
    "United Kingdom", "Austria",     "Belgium",     "Denmark",     "Eire",
    "Finland",        "France",      "Germany",     "Greece",      "Italy",
    "Luxembourg",     "Netherlands", "N Ireland",   "Portgual",    "Russia",
    "Spain",          "Sweden",      "Switzerland", "Other Parts Of Europe", "South America",
    "Canada",         "China",       "Japan",       "S Koera",     "Other Parts Of Asia",
    "Africa",         "Australlia",  "New Zealand", "United States Of America"};
}  // namespace

CountryWindow::CountryWindow()
{
    // Built smaller as a whole where the screen is too small for it.
    const platform::TwipsScale scaled(platform::fitWindow(this, 6600, 3600));
    using platform::placed;
    using platform::twipsRect;
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("Welcome To Paddox6.6"));
    setFixedSize(platform::twipsSize(6600, 3600));
    const qreal ratio = devicePixelRatioF();

    auto *horseshoe = placed(new QLabel(this), QStringLiteral("Picture2"), twipsRect(120, 120, 960, 960));
    horseshoe->setPixmap(platform::svgPixmap(QStringLiteral(":/player/horseshoe.svg"), horseshoe->size(), ratio));

    QFont heading = font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    placed(new QLabel(QStringLiteral("Important Information"), this), QStringLiteral("Label8"), twipsRect(1320, 120, 5160, 420))
        ->setFont(heading);

    QFont bold = font();
    bold.setBold(true);
    placed(new QLabel(QStringLiteral("Parental Notice"), this), QStringLiteral("Label1"), twipsRect(1320, 600, 5160, 300))
        ->setFont(bold);

    auto *notice = placed(new QLabel(QStringLiteral("This software may not be suitable for those 16 years and younger. "
                                                    "We recommend that this software is used under Parental Supervision "),
                                     this),
                          QStringLiteral("Label5"), twipsRect(1320, 900, 5160, 900));
    notice->setWordWrap(true);
    notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *prompt = placed(new QLabel(QStringLiteral("Select Your Country And Press Continue:"), this), QStringLiteral("Label7"),
                          twipsRect(120, 2040, 6360, 300));

    countryBox = new QComboBox(this);
    countryBox->setObjectName(QStringLiteral("Comsel"));
    platform::keepTypedText(countryBox);
    countryBox->setMaxVisibleItems(15);
    countryBox->setGeometry(twipsRect(120, 2400, 4320, 375));
    countryBox->setAccessibleName(QStringLiteral("Select Your Country"));
    countryBox->lineEdit()->setAccessibleName(QStringLiteral("Select Your Country"));
    prompt->setBuddy(countryBox);

    auto *continueButton = new QPushButton(QStringLiteral("Continue"), this);
    continueButton->setObjectName(QStringLiteral("Command1"));
    continueButton->setGeometry(twipsRect(4680, 2340, 1800, 495));
    continueButton->setIcon(QIcon(platform::svgPixmap(QStringLiteral(":/player/continue.svg"), QSize(20, 20), ratio)));
    continueButton->setIconSize(QSize(20, 20));
    continueButton->setDefault(true);
    connect(continueButton, &QPushButton::clicked, this, &CountryWindow::onContinueClicked);

    QFont small = font();
    small.setItalic(true);
    placed(new QLabel(QStringLiteral("Designed For Microsoft Windows"), this), QStringLiteral("Label2"), twipsRect(120, 3120, 6360, 300))
        ->setFont(small);

    load();
}

CountryWindow::~CountryWindow() = default;

void CountryWindow::load()
{
    countryBox->addItems(countries);
    countryBox->setCurrentIndex(-1);
    countryBox->setEditText(selectCountry);
}

void CountryWindow::onContinueClicked()
{
    const QString country = countryBox->currentText();
    if (country == selectCountry) {
        platform::say(QStringLiteral("Please select your country"));
        return;
    }
    player::FileProblem problem = player::makeDataFolder();
    if (problem.ok()) {
        const QString path = platform::dataPath(player::countryFileName);
        const platform::WriteResult written = platform::writeTextLine(path, country);
        if (!written)
            problem = {path, written.error, true};
    }
    if (!problem.ok()) {
        // Without a data folder it can write to, the game cannot keep any player.
        platform::say(player::dataFolderProblemText(problem, player::AfterProblem::Closing), platform::Icon::Critical);
        platform::endProgram(1);
        return;
    }
    app::window<SignInWindow>()->show();
    close();
}

void CountryWindow::closeEvent(QCloseEvent *event) { event->accept(); }

// Escape does not dismiss the country choice: Continue or the close box does.
void CountryWindow::reject() {}
