#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

// The doping offer: before an owner's race, drugs for the owned horse at a fixed price. Either
// answer leads on to the race window.
class DopingOfferWindow : public QDialog {
    Q_OBJECT
public:
    DopingOfferWindow();
    ~DopingOfferWindow() override;

protected:
    // Closing the offer with the title-bar button answers "NO".
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void onYesClicked();
    void onNoClicked();
    void decline();

    QLabel *priceLabel = nullptr;
    bool answered_ = false;
};
