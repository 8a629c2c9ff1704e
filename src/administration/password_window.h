#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

// The way into the administration console: "Enter" asks for the administration password.
class AdminPasswordWindow : public QDialog {
    Q_OBJECT
public:
    AdminPasswordWindow();
    ~AdminPasswordWindow() override;

    QLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr;  // "Enter"

public slots:
    // Asks for the password: the console opens for the right one; either way this window closes.
    void Command1_Click();
};
