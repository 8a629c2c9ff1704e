#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

// The doping offer: before an owner's race, drugs for the owned horse at a fixed price.
class DopingOfferWindow : public QDialog {
    Q_OBJECT
public:
    DopingOfferWindow();
    ~DopingOfferWindow() override;

    QLabel *Label1 = nullptr;       // the offer
    QLabel *Label2 = nullptr;       // "Do You Wish To Drug Your Horse?"
    QLabel *Label3 = nullptr;       // the price
    QLabel *Label4 = nullptr;       // "NOTE: " (second part of the offer)
    QLabel *Label5 = nullptr;       // the warning (third part of the offer)
    QPushButton *Command1 = nullptr;  // "YES"
    QPushButton *Command2 = nullptr;  // "NO"

public slots:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();

protected:
    // Closing the offer with the title-bar button answers "NO".
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void decline();
    bool answered_ = false;
};
