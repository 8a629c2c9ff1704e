#include "player/country_window.h"

#include "app/window_registry.h"
#include "platform/dialogs.h"
#include "platform/program.h"
#include "platform/text_files.h"
#include "platform/twips.h"
#include "platform/widgets/svg_picture.h"
#include "platform/widgets/typed_combo.h"
#include "player/first_run.h"
#include "player/record_files.h"
#include "player/sign_in_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString selectCountry = QStringLiteral("Select Country");

}  // namespace

const QStringList &CountryWindow::countries()
{
    static const QStringList list{
        "United Kingdom", "Austria",     "Belgium",     "Denmark",     "Eire",
        "Finland",        "France",      "Germany",     "Greece",      "Italy",
        "Luxembourg",     "Netherlands", "N Ireland",   "Portgual",    "Russia",
        "Spain",          "Sweden",      "Switzerland", "Other Parts Of Europe", "South America",
        "Canada",         "China",       "Japan",       "S Koera",     "Other Parts Of Asia",
        "Africa",         "Australlia",  "New Zealand", "United States Of America"};
    return list;
}

CountryWindow::CountryWindow()
{
    using platform::twipsRect;
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("Welcome To Paddox6.6"));
    setFixedSize(platform::twipsSize(6600, 3600));
    const qreal ratio = devicePixelRatioF();

    Picture2 = new QLabel(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(twipsRect(120, 120, 960, 960));
    Picture2->setPixmap(platform::svgPixmap(QStringLiteral(":/player/horseshoe.svg"), Picture2->size(), ratio));

    QFont heading = font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    Label8 = new QLabel(QStringLiteral("Important Information"), this);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setGeometry(twipsRect(1320, 120, 5160, 420));
    Label8->setFont(heading);

    QFont bold = font();
    bold.setBold(true);
    Label1 = new QLabel(QStringLiteral("Parental Notice"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(1320, 600, 5160, 300));
    Label1->setFont(bold);

    Label5 = new QLabel(QStringLiteral("This software may not be suitable for those 16 years and younger. We recommend "
                                       "that this software is used under Parental Supervision "),
                        this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setGeometry(twipsRect(1320, 900, 5160, 900));
    Label5->setWordWrap(true);
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label7 = new QLabel(QStringLiteral("Select Your Country And Press Continue:"), this);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setGeometry(twipsRect(120, 2040, 6360, 300));

    Comsel = new QComboBox(this);
    Comsel->setObjectName(QStringLiteral("Comsel"));
    platform::keepTypedText(Comsel);
    Comsel->setMaxVisibleItems(15);
    Comsel->setGeometry(twipsRect(120, 2400, 4320, 375));
    Comsel->setAccessibleName(QStringLiteral("Select Your Country"));
    Comsel->lineEdit()->setAccessibleName(QStringLiteral("Select Your Country"));
    Label7->setBuddy(Comsel);

    Command1 = new QPushButton(QStringLiteral("Continue"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(4680, 2340, 1800, 495));
    Command1->setIcon(QIcon(platform::svgPixmap(QStringLiteral(":/player/continue.svg"), QSize(20, 20), ratio)));
    Command1->setIconSize(QSize(20, 20));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &CountryWindow::Command1_Click);

    Label2 = new QLabel(QStringLiteral("Designed For Microsoft Windows"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(twipsRect(120, 3120, 6360, 300));
    QFont small = font();
    small.setItalic(true);
    Label2->setFont(small);

    Form_Load();
}

CountryWindow::~CountryWindow() = default;

void CountryWindow::Form_Load()
{
    Comsel->addItems(countries());
    Comsel->setCurrentIndex(-1);
    Comsel->setEditText(selectCountry);
}

void CountryWindow::Command1_Click()
{
    const QString country = Comsel->currentText();
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
