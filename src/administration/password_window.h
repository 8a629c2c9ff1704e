#pragma once
#include <QDialog>

// The way into the administration console: "Enter" asks for the administration password.
class AdminPasswordWindow : public QDialog {
    Q_OBJECT
public:
    AdminPasswordWindow();
    ~AdminPasswordWindow() override;

private:
    // Asks for the password: the console opens for the right one; either way this window closes.
    void onEnterClicked();
};
