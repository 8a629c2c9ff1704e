// The Loans tab of the betting office: borrowing from the bank and paying it back.
// One loan or repayment between two races; the race end opens borrowing again.
#include "office/betting_office_window.h"

#include "app/window_registry.h"
#include "office/loans.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "platform/widgets/svg_picture.h"
#include "player/sign_in_window.h"

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

// The sign-in window keeps copies of the cash and the debt; they follow every loan.
void mirrorToSignIn(const QString &cash, const QString *debt)
{
    if (SignInWindow *signIn = app::existingWindow<SignInWindow>()) {
        if (signIn->txtcash)
            signIn->txtcash->setText(cash);
        if (debt && signIn->Txtdebt)
            signIn->Txtdebt->setText(*debt);
    }
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

    Text10 = new QLineEdit(office::loanFieldText, frame);
    Text10->setObjectName(QStringLiteral("Text10"));
    Text10->setAccessibleName(QStringLiteral("Loan amount"));
    Text10->setGeometry(twipsRect(1320, 450, 2400, 420));
    amountCaption->setBuddy(Text10);

    Command6 = new QPushButton(QStringLiteral("&Borrow"), frame);
    Command6->setObjectName(QStringLiteral("Command6"));
    Command6->setGeometry(twipsRect(3960, 420, 1800, 480));
    connect(Command6, &QPushButton::clicked, this, &BettingOfficeWindow::Command6_Click);

    Command7 = new QPushButton(QStringLiteral("&Pay Back To Bank"), frame);
    Command7->setObjectName(QStringLiteral("Command7"));
    Command7->setGeometry(twipsRect(5940, 420, 3000, 480));
    connect(Command7, &QPushButton::clicked, this, &BettingOfficeWindow::Command7_Click);

    Label22 = new QLabel(QStringLiteral("Low Interest Rates at 25.5%"), frame);
    Label22->setObjectName(QStringLiteral("Label22"));
    QFont rateFont = Label22->font();
    rateFont.setBold(true);
    Label22->setFont(rateFont);
    Label22->setGeometry(twipsRect(240, 1080, 8400, 360));

    Label50 = new QLabel(QStringLiteral("Loans Provided By:"), frame);
    Label50->setObjectName(QStringLiteral("Label50"));
    Label50->setGeometry(twipsRect(240, 1800, 2400, 360));
    QLabel *bank = svgPicture(QStringLiteral(":/office/loans_bank.svg"), twipsRect(2760, 1560, 2640, 900), frame);
    bank->setObjectName(QStringLiteral("Image_loans1"));
    QLabel *lender = svgPicture(QStringLiteral(":/office/loans_lender.svg"), twipsRect(5640, 1560, 2640, 900), frame);
    lender->setObjectName(QStringLiteral("Image_loans2"));

    Label33 = new QLabel(QStringLiteral("Help?"), tab);
    Label33->setObjectName(QStringLiteral("Label33"));
    QFont helpFont = Label33->font();
    helpFont.setBold(true);
    Label33->setFont(helpFont);
    Label33->setGeometry(twipsRect(120, 2940, 2400, 300));

    Label34 = new QLabel(
        QStringLiteral("Here is where you can borrow money if you are short of cash. Simply enter the amount you wish "
                       "to borrow (you can only borrow upto 2,000 a time) then select 'Borrow'. If you wish to pay "
                       "some money back to the bank then enter the amount you wish to pay back and select 'Pay Back "
                       "To Bank'. Your account will then be debited or credited with the amount selected."),
        tab);
    Label34->setObjectName(QStringLiteral("Label34"));
    Label34->setWordWrap(true);
    Label34->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label34->setGeometry(twipsRect(120, 3240, 9540, 1320));
}

void BettingOfficeWindow::Command6_Click()
{
    using platform::Icon;
    if (refusedDuringRace(QStringLiteral("borrow")))
        return;
    const QString sign = curr->text();
    if (Text10->text() == office::loanCode) {
        const auto cash = office::loanCodeCash(platform::moneyOrZero(Text1->text()));
        if (!cash) {
            platform::say(office::loanCodeRefusal(sign), Icon::Critical);
            return;
        }
        Text1->setText(platform::moneyText(*cash));
        mirrorToSignIn(Text1->text(), nullptr);
        return;
    }
    const platform::Money debt = platform::moneyOrZero(Text2->text());
    const std::optional<double> amount = office::loanAmount(Text10->text());
    const platform::Money cash = platform::moneyOrZero(Text1->text());
    const office::LoanResult loan = office::borrow(cash, debt, amount);
    if (loan.outcome != office::LoanOutcome::Done) {
        platform::say(office::loanRefusal(loan.outcome, true, sign), Icon::Critical);
        return;
    }
    platform::say(office::borrowedMessage(loan, sign));
    Text1->setText(platform::moneyText(loan.cash));
    Text2->setText(platform::moneyText(loan.debt));
    const QString newDebt = Text2->text();
    mirrorToSignIn(Text1->text(), &newDebt);
    Command6->setEnabled(false);
    paddoxsavenoname();
}

void BettingOfficeWindow::Command7_Click()
{
    using platform::Icon;
    if (refusedDuringRace(QStringLiteral("pay back")))
        return;
    const QString sign = curr->text();
    const platform::Money debt = platform::moneyOrZero(Text2->text());
    const std::optional<double> amount = office::loanAmount(Text10->text());
    const platform::Money cash = platform::moneyOrZero(Text1->text());
    const office::LoanResult repayment = office::payBack(cash, debt, amount);
    if (repayment.outcome != office::LoanOutcome::Done) {
        platform::say(office::loanRefusal(repayment.outcome, false, sign), Icon::Critical);
        return;
    }
    platform::say(office::paidBackMessage(repayment, sign), Icon::Information);
    Text1->setText(platform::moneyText(repayment.cash));
    Text2->setText(platform::moneyText(repayment.debt));
    const QString newDebt = Text2->text();
    mirrorToSignIn(Text1->text(), &newDebt);
    Command6->setEnabled(false);
    paddoxsavenoname();
    tellWhenStuck();
}

void BettingOfficeWindow::Text10_Click() { Text10->clear(); }
