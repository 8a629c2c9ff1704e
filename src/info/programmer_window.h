#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

// "Meet The Programmer": who wrote the game and how to reach him.
class ProgrammerWindow : public QDialog {
    Q_OBJECT
public:
    ProgrammerWindow();
    ~ProgrammerWindow() override;

    QLabel *Label1 = nullptr;   // "Name:"
    QLabel *Label2 = nullptr;   // "Details:"
    QLabel *Label3 = nullptr;   // "Contact:"
    QLabel *Label4 = nullptr;   // the author's name
    QLabel *Label5 = nullptr;   // the author's details
    QLabel *Label6 = nullptr;   // how to contact him
    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    QPushButton *Command1 = nullptr;  // "&Close"

public slots:
    void Command1_Click();
};
