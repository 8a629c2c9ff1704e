#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

// What an owner needs to enter the Grand National.
class GrandNationalRequirementsWindow : public QDialog {
    Q_OBJECT
public:
    GrandNationalRequirementsWindow();
    ~GrandNationalRequirementsWindow() override;

    QLabel *Label1 = nullptr;        // the heading
    QLabel *Label2 = nullptr;        // "1:"
    QLabel *Label3 = nullptr;        // the fee, with the currency sign
    QLabel *Label4 = nullptr;        // "2: Shares In A Horse"
    QPushButton *Command1 = nullptr; // "OK"

public slots:
    void Form_Load();
    void Command1_Click();
};
