#pragma once
#include <QDialog>

// What an owner needs to enter the Grand National: the entry fee (in the player's currency) and a
// share in a horse.
class GrandNationalRequirementsWindow : public QDialog {
    Q_OBJECT
public:
    GrandNationalRequirementsWindow();
    ~GrandNationalRequirementsWindow() override;
};
