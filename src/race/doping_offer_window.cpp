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

    Label1 = new QLabel(QStringLiteral(
                            "The Race Is About To Start, But You Bump Into Les Linem (The number1 horse drugger in "
                            "the UK) He offers to sell you some performance enhancing drugs for your horse so that it "
                            "will win the race. The Drugs Will Cost You: "),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setGeometry(twipsRect(1680, 240, 5520, 1320));

    Label3 = new QLabel(QStringLiteral("amount"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    QFont priceFont = Label3->font();
    priceFont.setBold(true);
    priceFont.setPointSizeF(priceFont.pointSizeF() * 1.4);
    Label3->setFont(priceFont);
    QPalette pricePalette = Label3->palette();
    pricePalette.setColor(QPalette::WindowText, QColor(170, 20, 20));
    Label3->setPalette(pricePalette);
    Label3->setGeometry(twipsRect(1680, 1620, 5520, 480));

    Label4 = new QLabel(QStringLiteral("NOTE: "), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    QFont noteFont = Label4->font();
    noteFont.setBold(true);
    Label4->setFont(noteFont);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label4->setGeometry(twipsRect(240, 2280, 900, 360));

    Label5 = new QLabel(QStringLiteral("If you are found to have drugged your horse then you will be heavily fined and "
                                       "your horse will be destroyed."),
                        this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setWordWrap(true);
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label5->setGeometry(twipsRect(1140, 2280, 6060, 720));

    Label2 = new QLabel(QStringLiteral("Do You Wish To Drug Your Horse?"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont questionFont = Label2->font();
    questionFont.setBold(true);
    Label2->setFont(questionFont);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setGeometry(twipsRect(240, 3180, 6960, 420));

    Command1 = new QPushButton(QStringLiteral("YES"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(1560, 3840, 1920, 600));
    connect(Command1, &QPushButton::clicked, this, &DopingOfferWindow::Command1_Click);

    Command2 = new QPushButton(QStringLiteral("NO"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(twipsRect(3960, 3840, 1920, 600));
    connect(Command2, &QPushButton::clicked, this, &DopingOfferWindow::Command2_Click);

    Form_Load();
}

DopingOfferWindow::~DopingOfferWindow() = default;

void DopingOfferWindow::Form_Load()
{
    Label3->setText(game::session().sign() + QString::number(race::drugPrice));
}

void DopingOfferWindow::Command1_Click()
{
    if (answered_)
        return;
    answered_ = true;
    game::tell(game::session().acceptDrugs());
    app::window<RaceWindow>()->show();
    close();
}

void DopingOfferWindow::Command2_Click()
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
