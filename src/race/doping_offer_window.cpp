// The doping offer: Les Linem sells drugs for the owned horse before the race.
// Either answer leads on to the race window.
#include "race/doping_offer_window.h"

#include "app/window_registry.h"
#include "game/session.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "platform/widgets/svg_picture.h"
#include "race/race_rules.h"
#include "race/race_window.h"
#include "race/settlement.h"
#include "platform/widgets/window_fit.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

using platform::twipsRect;

DopingOfferWindow::DopingOfferWindow()
{
    // Built smaller as a whole where the screen is too small for it.
    const platform::TwipsScale scaled(platform::fitWindow(this, 7440, 4740));
    setObjectName(QStringLiteral("Form13"));
    setModal(false);
    setWindowTitle(QStringLiteral("Drug Your Horse?......"));
    setFixedSize(platform::twipsSize(7440, 4740));

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(twipsRect(240, 240, 1200, 1200));
    picture->setPixmap(platform::svgPixmap(QStringLiteral(":/race/drugs.svg"), picture->size(), devicePixelRatioF()));

    auto *offer = new QLabel(QStringLiteral(
                            "The Race Is About To Start, But You Bump Into Les Linem (The number1 horse drugger in "
                            "the UK) He offers to sell you some performance enhancing drugs for your horse so that it "
                            "will win the race. The Drugs Will Cost You: "),
                        this);
    offer->setObjectName(QStringLiteral("Label1"));
    offer->setWordWrap(true);
    offer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    offer->setGeometry(twipsRect(1680, 240, 5520, 1320));

    priceLabel = new QLabel(QStringLiteral("amount"), this);
    priceLabel->setObjectName(QStringLiteral("Label3"));
    QFont priceFont = priceLabel->font();
    priceFont.setBold(true);
    priceFont.setPointSizeF(priceFont.pointSizeF() * 1.4);
    priceLabel->setFont(priceFont);
    QPalette pricePalette = priceLabel->palette();
    pricePalette.setColor(QPalette::WindowText, QColor(170, 20, 20));
    priceLabel->setPalette(pricePalette);
    priceLabel->setGeometry(twipsRect(1680, 1620, 5520, 480));

    auto *note = new QLabel(QStringLiteral("NOTE: "), this);
    note->setObjectName(QStringLiteral("Label4"));
    QFont noteFont = note->font();
    noteFont.setBold(true);
    note->setFont(noteFont);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note->setGeometry(twipsRect(240, 2280, 900, 360));

    auto *warning = new QLabel(QStringLiteral("If you are found to have drugged your horse then you will be heavily fined and "
                                       "your horse will be destroyed."),
                        this);
    warning->setObjectName(QStringLiteral("Label5"));
    warning->setWordWrap(true);
    warning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    warning->setGeometry(twipsRect(1140, 2280, 6060, 720));

    auto *question = new QLabel(QStringLiteral("Do You Wish To Drug Your Horse?"), this);
    question->setObjectName(QStringLiteral("Label2"));
    QFont questionFont = question->font();
    questionFont.setBold(true);
    question->setFont(questionFont);
    question->setAlignment(Qt::AlignCenter);
    question->setGeometry(twipsRect(240, 3180, 6960, 420));

    auto *yes = new QPushButton(QStringLiteral("YES"), this);
    yes->setObjectName(QStringLiteral("Command1"));
    yes->setGeometry(twipsRect(1560, 3840, 1920, 600));
    connect(yes, &QPushButton::clicked, this, &DopingOfferWindow::onYesClicked);

    auto *no = new QPushButton(QStringLiteral("NO"), this);
    no->setObjectName(QStringLiteral("Command2"));
    no->setGeometry(twipsRect(3960, 3840, 1920, 600));
    connect(no, &QPushButton::clicked, this, &DopingOfferWindow::onNoClicked);

    priceLabel->setText(game::session().sign() + QString::number(race::drugPrice));
}

DopingOfferWindow::~DopingOfferWindow() = default;

void DopingOfferWindow::onYesClicked()
{
    if (answered_)
        return;
    answered_ = true;
    game::tell(game::session().acceptDrugs());
    app::window<RaceWindow>()->show();
    close();
}

void DopingOfferWindow::onNoClicked()
{
    if (answered_)
        return;
    decline();
    close();
}

void DopingOfferWindow::decline()
{
    answered_ = true;
    game::session().declineDrugs();
    app::window<RaceWindow>()->show();
}

void DopingOfferWindow::closeEvent(QCloseEvent *event)
{
    if (!answered_)
        decline();
    event->accept();
}

void DopingOfferWindow::reject() { close(); }
