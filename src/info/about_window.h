#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
class QTabWidget;

// The About window: the game's version, its maker and the maker's notices.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    AboutWindow();
    ~AboutWindow() override;

private:
    void load();
    void onMoreClicked();
    void onMakerLinkClicked();

    QTabWidget *tabs = nullptr;          // the single tab "About Paddox"
    QLabel *versionLabel = nullptr;      // "Version:  6.6.2"
    QLabel *countryLabel = nullptr;      // the country chosen on the first run
    QPushButton *moreButton = nullptr;   // "more >"
};
