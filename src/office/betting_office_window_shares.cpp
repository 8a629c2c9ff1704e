// The Shares tab of the betting office: the horse auction. The player checks the
// share prices, buys a share in one horse of the race card and sells it again.
#include "office/betting_office_window.h"

#include "app/window_registry.h"
#include "office/shares.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "player/record_files.h"
#include "player/sign_in_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using platform::twipsRect;

namespace {

void mirrorCashToSignIn(const QString &cash)
{
    if (SignInWindow *signIn = app::existingWindow<SignInWindow>(); signIn && signIn->txtcash)
        signIn->txtcash->setText(cash);
}

constexpr int saleTop = 360;   // first row of the sale list, in twips below its headings
constexpr int saleRow = 400;

}  // namespace

void BettingOfficeWindow::buildSharesTab(QWidget *tab)
{
    Command4 = new QPushButton(QStringLiteral("&Check Share Prices"), tab);
    Command4->setObjectName(QStringLiteral("Command4"));
    Command4->setGeometry(twipsRect(120, 120, 2520, 480));
    connect(Command4, &QPushButton::clicked, this, &BettingOfficeWindow::Command4_Click);

    Command5 = new QPushButton(QStringLiteral("&Buy Selected Horse"), tab);
    Command5->setObjectName(QStringLiteral("Command5"));
    Command5->setGeometry(twipsRect(2760, 120, 2520, 480));
    Command5->hide();
    connect(Command5, &QPushButton::clicked, this, &BettingOfficeWindow::Command5_Click);

    // The sale list: one row per horse of the race card, its name and its price.
    auto *list = new QWidget(tab);
    list->setObjectName(QStringLiteral("saleList"));
    list->setGeometry(twipsRect(120, 720, 5160, 2400));

    Label45_1 = new QLabel(QStringLiteral("Horse Name"), list);
    Label45_1->setObjectName(QStringLiteral("Label45_1"));
    Label45_0 = new QLabel(QStringLiteral("Cost"), list);
    Label45_0->setObjectName(QStringLiteral("Label45_0"));
    QFont headingFont = Label45_0->font();
    headingFont.setBold(true);
    headingFont.setUnderline(true);
    Label45_1->setFont(headingFont);
    Label45_0->setFont(headingFont);
    Label45_1->setGeometry(twipsRect(0, 0, 3360, 330));
    Label45_0->setGeometry(twipsRect(3600, 0, 1440, 330));

    QRadioButton **options[] = {&Option6, &Option7, &Option8, &Option9, &Option10};
    QLineEdit **fields[] = {&Text5, &Text6, &Text7, &Text8, &Text9};
    QLabel **prices[] = {&Label51, &Label52, &Label53, &Label54, &Label55};
    for (int horse = 1; horse <= 5; ++horse) {
        const int i = horse - 1;
        const int top = saleTop + i * saleRow;
        auto *option = new QRadioButton(list);
        option->setObjectName(QStringLiteral("Option%1").arg(horse + 5));
        option->setGeometry(twipsRect(0, top, 3480, 360));
        option->hide();
        connect(option, &QRadioButton::clicked, this, [this, horse] { saleHorseClicked(horse); });
        *options[i] = option;

        auto *field = new QLineEdit(list);
        field->setObjectName(QStringLiteral("Text%1").arg(horse + 4));
        field->setAccessibleName(QStringLiteral("Share price of horse %1").arg(horse));
        field->hide();
        *fields[i] = field;

        auto *price = new QLabel(list);
        price->setObjectName(QStringLiteral("Label%1").arg(horse + 50));
        price->setGeometry(twipsRect(3600, top, 1440, 360));
        *prices[i] = price;
    }

    horsecost_1 = new QLabel(QStringLiteral("0"), tab);
    horsecost_1->setObjectName(QStringLiteral("horsecost_1"));
    QFont costFont = horsecost_1->font();
    costFont.setBold(true);
    horsecost_1->setFont(costFont);
    horsecost_1->setGeometry(twipsRect(1800, 4900, 2400, 300));
    horsecost_1->hide();

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
    Label58 = new QLabel(QStringLiteral("Horse horse not doing to well, or you short of cash then sell your horse, when "
                                        "the button below is active"),
                         auction);
    Label58->setObjectName(QStringLiteral("Label58"));
    Label58->setWordWrap(true);
    Label58->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label58->setGeometry(twipsRect(180, 330, 3780, 720));
    Command8 = new QPushButton(QStringLiteral("&Sell Your Horse Shares At The Auction"), auction);
    Command8->setObjectName(QStringLiteral("Command8"));
    Command8->setGeometry(twipsRect(180, 1080, 3780, 480));
    Command8->hide();
    connect(Command8, &QPushButton::clicked, this, &BettingOfficeWindow::Command8_Click);

    Label35 = new QLabel(QStringLiteral("Help?"), tab);
    Label35->setObjectName(QStringLiteral("Label35"));
    QFont helpFont = Label35->font();
    helpFont.setBold(true);
    Label35->setFont(helpFont);
    Label35->setGeometry(twipsRect(120, 3300, 2400, 300));
    Label36 = new QLabel(
        QStringLiteral("Select 'Check Share Prices' to display the horses that are for sale. Then click on any of the "
                       "horses to see how much they cost. The price of the horse will be shown at the bottom of the "
                       "screen. If you wish to buy any horse then select 'Buy' at the top of the screen and if you "
                       "have enough money the horse will be yours. If you wish to sell your horse then simply select "
                       "'Sell' and you horse will be sold to the highest bidder."),
        tab);
    Label36->setObjectName(QStringLiteral("Label36"));
    Label36->setWordWrap(true);
    Label36->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label36->setGeometry(twipsRect(120, 3600, 9540, 1200));
}

void BettingOfficeWindow::Command4_Click()
{
    const std::array<platform::Money, 5> prices = office::drawSharePrices();
    for (int horse = 1; horse <= 5; ++horse) {
        const QString price = platform::moneyText(prices[horse - 1]);
        sharePriceField(horse)->setText(price);
        sharePriceLabel(horse)->setText(price);
        // The price shown is always the price of the horse still chosen in the list.
        if (saleOption(horse)->isChecked())
            horsecost_1->setText(price);
    }
    for (int horse = 1; horse <= 5; ++horse) {
        saleOption(horse)->setText(horseOption(horse)->text());
        saleOption(horse)->show();
        sharePriceLabel(horse)->show();
    }
    if (Label17_0)
        Label17_0->show();
    horsecost_1->show();
    Command5->show();
    if (Label16->text() != player::noShares)
        Command8->show();
}

void BettingOfficeWindow::Command5_Click()
{
    if (refusedDuringRace(QStringLiteral("buy a share")))
        return;
    const QString sign = curr->text();
    const office::DealResult deal = office::buyShare(horsecost_1->text(), Text1->text());
    if (deal.outcome != office::DealOutcome::Done) {
        const auto icon = deal.outcome == office::DealOutcome::NotEnoughMoney ? platform::Icon::None
                                                                               : platform::Icon::Critical;
        platform::say(office::dealRefusal(deal.outcome, sign), icon);
        return;
    }
    Text1->setText(platform::moneyText(deal.cash));
    for (int horse = 1; horse <= 5; ++horse) {
        if (saleOption(horse)->isChecked())
            setShare(saleOption(horse)->text());
    }
    // The sale is over: its prices go with the horses' names.
    for (int horse = 1; horse <= 5; ++horse) {
        saleOption(horse)->hide();
        sharePriceLabel(horse)->hide();
    }
    if (Label17_0)
        Label17_0->hide();
    horsecost_1->hide();
    Command5->hide();
    Command8->show();
    mirrorCashToSignIn(Text1->text());
    paddoxsavenoname();
}

void BettingOfficeWindow::Command8_Click()
{
    if (refusedDuringRace(QStringLiteral("sell your share")))
        return;
    const QString sign = curr->text();
    // A Buy with no horse selected shows the auction without a share to sell: there is nothing to sell.
    if (Label16->text() == player::noShares) {
        platform::say(office::dealRefusal(office::DealOutcome::NoShareHeld, sign), platform::Icon::Information);
        Command8->hide();
        return;
    }
    const platform::Money salePrice = office::drawSalePrice();
    const office::DealResult sale = office::sellShare(salePrice, Text1->text());
    if (sale.outcome != office::DealOutcome::Done) {
        platform::say(office::dealRefusal(sale.outcome, sign), platform::Icon::Critical);
        return;
    }
    platform::say(office::soldMessage(salePrice, sign), platform::Icon::None);
    Text1->setText(platform::moneyText(sale.cash));
    setShare(player::noShares);
    mirrorCashToSignIn(Text1->text());
    paddoxsavenoname();
    Command8->hide();
}

void BettingOfficeWindow::saleHorseClicked(int horse)
{
    if (QLineEdit *price = sharePriceField(horse))
        horsecost_1->setText(price->text());
}
