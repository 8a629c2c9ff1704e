// The Shares tab of the betting office: the horse auction. The player checks the share prices,
// buys a share in one horse of the race card and sells it again.
#include "office/betting_office_window.h"

#include "game/session.h"
#include "office/betting_office_window_controls.h"
#include "platform/twips.h"
#include "player/record_files.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using platform::twipsRect;

namespace {

constexpr int saleTop = 360;  // first row of the sale list, in twips below its headings
constexpr int saleRow = 400;

}  // namespace

void BettingOfficeWindow::buildSharesTab(QWidget *tab)
{
    checkPricesButton = new QPushButton(QStringLiteral("&Check Share Prices"), tab);
    checkPricesButton->setObjectName(QStringLiteral("Command4"));
    checkPricesButton->setGeometry(twipsRect(120, 120, 2520, 480));
    connect(checkPricesButton, &QPushButton::clicked, this, &BettingOfficeWindow::onCheckPricesClicked);

    buyButton = new QPushButton(QStringLiteral("&Buy Selected Horse"), tab);
    buyButton->setObjectName(QStringLiteral("Command5"));
    buyButton->setGeometry(twipsRect(2760, 120, 2520, 480));
    buyButton->hide();
    connect(buyButton, &QPushButton::clicked, this, &BettingOfficeWindow::onBuyClicked);

    // The sale list: one row per horse of the race card, its name and its price.
    auto *list = new QWidget(tab);
    list->setObjectName(QStringLiteral("saleList"));
    list->setGeometry(twipsRect(120, 720, 5160, 2400));

    auto *nameHeading = new QLabel(QStringLiteral("Horse Name"), list);
    nameHeading->setObjectName(QStringLiteral("Label45_1"));
    auto *costHeading = new QLabel(QStringLiteral("Cost"), list);
    costHeading->setObjectName(QStringLiteral("Label45_0"));
    QFont headingFont = costHeading->font();
    headingFont.setBold(true);
    headingFont.setUnderline(true);
    nameHeading->setFont(headingFont);
    costHeading->setFont(headingFont);
    nameHeading->setGeometry(twipsRect(0, 0, 3360, 330));
    costHeading->setGeometry(twipsRect(3600, 0, 1440, 330));

    for (int horse = 1; horse <= 5; ++horse) {
        const int i = horse - 1;
        const int top = saleTop + i * saleRow;
        auto *option = new QRadioButton(list);
        option->setObjectName(QStringLiteral("Option%1").arg(horse + 5));
        option->setGeometry(twipsRect(0, top, 3480, 360));
        option->hide();
        connect(option, &QRadioButton::clicked, this, [this, horse] { session_.chooseSaleHorse(horse); });
        saleOptions[i] = option;

        auto *field = new QLineEdit(list);
        field->setObjectName(QStringLiteral("Text%1").arg(horse + 4));
        field->setAccessibleName(QStringLiteral("Share price of horse %1").arg(horse));
        field->hide();
        salePriceFields[i] = field;

        auto *price = new QLabel(list);
        price->setObjectName(QStringLiteral("Label%1").arg(horse + 50));
        price->setGeometry(twipsRect(3600, top, 1440, 360));
        salePriceLabels[i] = price;
    }

    horseCostLabel = new QLabel(QStringLiteral("0"), tab);
    horseCostLabel->setObjectName(QStringLiteral("horsecost_1"));
    QFont costFont = horseCostLabel->font();
    costFont.setBold(true);
    horseCostLabel->setFont(costFont);
    horseCostLabel->setGeometry(twipsRect(1800, 4900, 2400, 300));
    horseCostLabel->hide();

    // The share held, and the auction where it is sold.
    auto *holding = new QGroupBox(QStringLiteral("Your Horse Shares Information"), tab);
    holding->setObjectName(QStringLiteral("Frame_shares"));
    holding->setGeometry(twipsRect(5520, 120, 4140, 1200));
    auto *holdingCaption = new QLabel(QStringLiteral("You Have Shares In"), holding);
    holdingCaption->setObjectName(QStringLiteral("Label_sharesIn"));
    holdingCaption->setGeometry(twipsRect(180, 330, 3780, 300));

    auto *auction = new QGroupBox(QStringLiteral("Horse Auction"), tab);
    auction->setObjectName(QStringLiteral("Frame_auction"));
    auction->setGeometry(twipsRect(5520, 1440, 4140, 1740));
    auto *auctionNote = new QLabel(QStringLiteral("Horse horse not doing to well, or you short of cash then sell your "
                                                  "horse, when the button below is active"),
                                   auction);
    auctionNote->setObjectName(QStringLiteral("Label58"));
    auctionNote->setWordWrap(true);
    auctionNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auctionNote->setGeometry(twipsRect(180, 330, 3780, 720));
    sellButton = new QPushButton(QStringLiteral("&Sell Your Horse Shares At The Auction"), auction);
    sellButton->setObjectName(QStringLiteral("Command8"));
    sellButton->setGeometry(twipsRect(180, 1080, 3780, 480));
    sellButton->hide();
    connect(sellButton, &QPushButton::clicked, this, &BettingOfficeWindow::onSellClicked);

    auto *helpCaption = new QLabel(QStringLiteral("Help?"), tab);
    helpCaption->setObjectName(QStringLiteral("Label35"));
    QFont helpFont = helpCaption->font();
    helpFont.setBold(true);
    helpCaption->setFont(helpFont);
    helpCaption->setGeometry(twipsRect(120, 3300, 2400, 300));
    auto *helpText = new QLabel(
        QStringLiteral("Select 'Check Share Prices' to display the horses that are for sale. Then click on any of the "
                       "horses to see how much they cost. The price of the horse will be shown at the bottom of the "
                       "screen. If you wish to buy any horse then select 'Buy' at the top of the screen and if you "
                       "have enough money the horse will be yours. If you wish to sell your horse then simply select "
                       "'Sell' and you horse will be sold to the highest bidder."),
        tab);
    helpText->setObjectName(QStringLiteral("Label36"));
    helpText->setWordWrap(true);
    helpText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    helpText->setGeometry(twipsRect(120, 3600, 9540, 1200));

    horseCostCaption = office::label(tab, QStringLiteral("Label17_0"), QStringLiteral("Horse Price"), twipsRect(120, 4900, 1600, 300));
    horseCostCaption->hide();  // shown with the price it labels
    // The share: part of the player's record, shown in the share frame.
    shareLabel = office::label(holding, QStringLiteral("Label16"), player::noShares, twipsRect(180, 690, 3780, 330));
    shareLabel->setFont(office::bolder(shareLabel->font()));
}

void BettingOfficeWindow::showAuction()
{
    const game::Auction &auction = session_.auction();
    for (int i = 0; i < 5; ++i) {
        const QString price = auction.pricesDrawn ? platform::moneyText(auction.prices[i]) : QString();
        salePriceFields[i]->setText(price);
        salePriceLabels[i]->setText(price);
        saleOptions[i]->setVisible(auction.listShown);
        salePriceLabels[i]->setVisible(auction.listShown);
        if (auction.choice == 0 && saleOptions[i]->isChecked()) {
            const QSignalBlocker quiet(saleOptions[i]);
            saleOptions[i]->setAutoExclusive(false);
            saleOptions[i]->setChecked(false);
            saleOptions[i]->setAutoExclusive(true);
        }
    }
    horseCostLabel->setText(platform::moneyText(auction.shownPrice));
    for (QWidget *w : std::initializer_list<QWidget *>{horseCostCaption, horseCostLabel, buyButton})
        w->setVisible(auction.listShown);
    sellButton->setVisible(auction.sellShown);
}

void BettingOfficeWindow::onCheckPricesClicked() { session_.checkSharePrices(); }

void BettingOfficeWindow::onBuyClicked() { tell(session_.buyShare()); }

void BettingOfficeWindow::onSellClicked() { tell(session_.sellShare()); }
