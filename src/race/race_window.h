#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

// The race window: five horses run from left to right, each on its own timer,
// and the settlement pays or takes the bet when the drawn winner finishes.
class RaceWindow : public QDialog {
    Q_OBJECT
public:
    RaceWindow();
    ~RaceWindow() override;

    QPushButton *Command1 = nullptr;      // "Start The Race"
    QPushButton *Command2 = nullptr;      // hidden, no caption
    QPushButton *Command3 = nullptr;      // hidden, no caption: the settlement
    QLineEdit *Text1 = nullptr;           // hidden doping mark: "1", "0" or empty
    QProgressBar *ProgressBar1 = nullptr; // progress of lanes 1..5, 0..13000
    QProgressBar *ProgressBar2 = nullptr;
    QProgressBar *ProgressBar3 = nullptr;
    QProgressBar *ProgressBar4 = nullptr;
    QProgressBar *ProgressBar5 = nullptr;
    QWidget *Picture1 = nullptr;          // horse pictures of lanes 1..5
    QWidget *Picture2 = nullptr;
    QWidget *Picture3 = nullptr;
    QWidget *Picture4 = nullptr;
    QWidget *Picture5 = nullptr;
    QLabel *Label1 = nullptr;             // horse names of lanes 1..5
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QWidget *Picture6 = nullptr;          // banner strip
    QLabel *Label6 = nullptr;             // banner text
    QTimer *horse1t = nullptr;            // one timer per horse
    QTimer *horse2t = nullptr;
    QTimer *horse3t = nullptr;
    QTimer *horse4t = nullptr;
    QTimer *horse5t = nullptr;
    QTimer *Timer1 = nullptr;             // banner, every second

    // 0 until a horse finishes, then that horse's number.
    short winningHorse = 0;

    QProgressBar *progressBar(int lane) const;
    QWidget *picture(int lane) const;
    QLabel *nameLabel(int lane) const;
    QTimer *horseTimer(int lane) const;

public slots:
    void Form_Load();
    void Command1_Click();
    void horse1t_Timer();
    void horse2t_Timer();
    void horse3t_Timer();
    void horse4t_Timer();
    void horse5t_Timer();
    void Timer1_Timer();
    void Command3_Click();
    void Form_Resize();

public:
    // The horse drawn to win when the race was started (0 before Start).
    int drawnWinner() const { return drawnWinner_; }
    // Start was pressed and the race is not settled yet.
    bool racing() const { return started_ && !settled_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void reject() override;
    // While Space is held every tick moves a horse four steps instead of one.
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void tick(int lane);
    void placePicture(int lane, int progress);

    bool started_ = false;
    bool settled_ = false;
    bool finished_ = false;  // settled (or called off): the window may close
    int drawnWinner_ = 0;
    bool spaceHeld_ = false;
    // The steps of every tick of a round, fixed at the drawn winner's tick (its timer runs first), so
    // that all horses gain alike and the drawn winner keeps its lead.
    int stepsThisRound_ = 1;
};
