#pragma once
#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Horse Options": the signed-in player renames his five horses, fills in a prepared set of
// names or goes back to the defaults. OK hands the names to the betting office.
class HorseOptionsWindow : public QDialog {
    Q_OBJECT
public:
    HorseOptionsWindow();
    ~HorseOptionsWindow() override;

    QGroupBox *Frame1 = nullptr;         // "Horse options"
    QLabel *Label1[5] = {};              // "Rename Horse 1".."Rename Horse 5", objectNames Label1_0..Label1_4
    QLineEdit *txtHorse[5] = {};         // box i edits horse i+1, objectNames txtHorse_0..txtHorse_4
    QRadioButton *selec[3] = {};         // "Selection 1".."Selection 3", objectNames selec_0..selec_2
    QPushButton *Command2 = nullptr;     // "&Reset"
    QPushButton *Command1 = nullptr;     // "&OK"
    QPushButton *Command4 = nullptr;     // "&Close"

public slots:
    void Form_Load();
    void selec_Click(int index);
    void Command2_Click();
    void Command1_Click();
    void Command4_Click();

private:
    void fill(int set);
};
