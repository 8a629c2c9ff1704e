#pragma once
#include <QDialog>

class QComboBox;

// The country window of the first run: the parental notice and the player's
// country, written to the country file before the sign-in window opens.
class CountryWindow : public QDialog {
    Q_OBJECT
public:
    CountryWindow();
    ~CountryWindow() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    // Offers the countries, with "Select Country" in the box.
    void load();
    void onContinueClicked();

    QComboBox *countryBox = nullptr;  // the country: picked or typed
};
