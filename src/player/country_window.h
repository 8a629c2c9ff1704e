#pragma once
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

// The country window of the first run: the parental notice and the player's
// country, written to the country file before the sign-in window opens.
class CountryWindow : public QDialog {
    Q_OBJECT
public:
    CountryWindow();
    ~CountryWindow() override;

    QLabel *Label8 = nullptr;       // "Important Information"
    QLabel *Label1 = nullptr;       // "Parental Notice"
    QLabel *Label5 = nullptr;       // the notice
    QLabel *Label7 = nullptr;       // "Select Your Country And Press Continue:"
    QLabel *Label2 = nullptr;       // "Designed For Microsoft Windows"
    QLabel *Picture2 = nullptr;
    QComboBox *Comsel = nullptr;    // the country: picked or typed
    QPushButton *Command1 = nullptr;  // "Continue"

    // The countries offered, in list order.
    static const QStringList &countries();

public slots:
    void Form_Load();
    void Command1_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
};
