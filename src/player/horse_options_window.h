#pragma once
#include <QDialog>
#include <array>

class QLineEdit;

// "Horse Options": the signed-in player renames his five horses, fills in a prepared set of
// names or goes back to the defaults. OK hands the names to the game session.
class HorseOptionsWindow : public QDialog {
    Q_OBJECT
public:
    HorseOptionsWindow();
    ~HorseOptionsWindow() override;

private:
    // Shows the signed-in player's horses.
    void load();
    // Fills the boxes with a set of names: 0 the defaults, 1..3 the prepared selections.
    void showNames(int set);
    void onOkClicked();

    std::array<QLineEdit *, 5> horseFields{};  // box i edits horse i+1
};
