// The Loans tab of the betting office: borrowing from the bank and paying it back.
// One loan or repayment between two races; the race end opens borrowing again.
#include "office/betting_office_window.h"

#include "game/session.h"
#include "office/loans.h"
#include "platform/twips.h"
#include "platform/widgets/svg_picture.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using platform::twipsRect;

namespace {

QLabel *svgPicture(const QString &file, const QRect &geometry, QWidget *parent)
{
    auto *picture = new QLabel(parent);
    picture->setGeometry(geometry);
    picture->setPixmap(platform::svgPixmap(file, geometry.size(), parent->devicePixelRatioF()));
    return picture;
}

}  // namespace

void BettingOfficeWindow::buildLoansTab(QWidget *tab)
{
    auto *frame = new QGroupBox(QStringLiteral("Short Of Cash | Or Feeling Flush? Welcome To Loans"), tab);
    frame->setObjectName(QStringLiteral("Frame_loans"));
    frame->setGeometry(twipsRect(120, 120, 9540, 2700));

    auto *amountCaption = new QLabel(QStringLiteral("Amount:"), frame);
    amountCaption->setObjectName(QStringLiteral("Label_loanAmount"));
    amountCaption->setGeometry(twipsRect(240, 480, 1080, 360));

    loanAmountField = new QLineEdit(office::loanFieldText, frame);
    loanAmountField->setObjectName(QStringLiteral("Text10"));
    loanAmountField->setAccessibleName(QStringLiteral("Loan amount"));
    loanAmountField->setGeometry(twipsRect(1320, 450, 2400, 420));
    amountCaption->setBuddy(loanAmountField);
    // A click empties the field; it is drawn flat while it has the focus.
    loanAmountField->installEventFilter(this);

    borrowButton = new QPushButton(QStringLiteral("&Borrow"), frame);
    borrowButton->setObjectName(QStringLiteral("Command6"));
    borrowButton->setGeometry(twipsRect(3960, 420, 1800, 480));
    connect(borrowButton, &QPushButton::clicked, this, &BettingOfficeWindow::onBorrowClicked);

    payBackButton = new QPushButton(QStringLiteral("&Pay Back To Bank"), frame);
    payBackButton->setObjectName(QStringLiteral("Command7"));
    payBackButton->setGeometry(twipsRect(5940, 420, 3000, 480));
    connect(payBackButton, &QPushButton::clicked, this, &BettingOfficeWindow::onPayBackClicked);

    auto *rate = new QLabel(QStringLiteral("Low Interest Rates at 25.5%"), frame);
    rate->setObjectName(QStringLiteral("Label22"));
    QFont rateFont = rate->font();
    rateFont.setBold(true);
    rate->setFont(rateFont);
    rate->setGeometry(twipsRect(240, 1080, 8400, 360));

    auto *lenders = new QLabel(QStringLiteral("Loans Provided By:"), frame);
    lenders->setObjectName(QStringLiteral("Label50"));
    lenders->setGeometry(twipsRect(240, 1800, 2400, 360));
    QLabel *bank = svgPicture(QStringLiteral(":/office/loans_bank.svg"), twipsRect(2760, 1560, 2640, 900), frame);
    bank->setObjectName(QStringLiteral("Image_loans1"));
    QLabel *lender = svgPicture(QStringLiteral(":/office/loans_lender.svg"), twipsRect(5640, 1560, 2640, 900), frame);
    lender->setObjectName(QStringLiteral("Image_loans2"));

    auto *helpCaption = new QLabel(QStringLiteral("Help?"), tab);
    helpCaption->setObjectName(QStringLiteral("Label33"));
    QFont helpFont = helpCaption->font();
    helpFont.setBold(true);
    helpCaption->setFont(helpFont);
    helpCaption->setGeometry(twipsRect(120, 2940, 2400, 300));

    auto *helpText = new QLabel(
        QStringLiteral("Here is where you can borrow money if you are short of cash. Simply enter the amount you wish "
                       "to borrow (you can only borrow upto 2,000 a time) then select 'Borrow'. If you wish to pay "
                       "some money back to the bank then enter the amount you wish to pay back and select 'Pay Back "
                       "To Bank'. Your account will then be debited or credited with the amount selected."),
        tab);
    helpText->setObjectName(QStringLiteral("Label34"));
    helpText->setWordWrap(true);
    helpText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    helpText->setGeometry(twipsRect(120, 3240, 9540, 1320));
}

void BettingOfficeWindow::onBorrowClicked() { tell(session_.borrow(loanAmountField->text())); }

void BettingOfficeWindow::onPayBackClicked() { tell(session_.payBack(loanAmountField->text())); }
