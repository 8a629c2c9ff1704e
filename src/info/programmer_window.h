#pragma once
#include <QDialog>

// "Meet The Programmer": who wrote the game and how to reach him.
class ProgrammerWindow : public QDialog {
    Q_OBJECT
public:
    ProgrammerWindow();
    ~ProgrammerWindow() override;
};
