#pragma once
// The race book: every settled race of the signed-in player, the cash and debt race by
// race, and how often horses at each odds really won.
#include "book/race_book_table.h"

#include <QDialog>
#include <QFutureWatcher>
#include <QPointF>
#include <functional>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QTableWidget;
class QTabWidget;
class QChartView;

namespace book {

// A book read for the window, with what its charts show worked out alongside, away from the
// game's own thread.
struct Reading {
    Book book;
    OddsFigures odds;
    QList<QPointF> cash, debt;  // the lines of the cash and debt chart
};

}  // namespace book

class RaceBookWindow : public QDialog {
    Q_OBJECT
public:
    RaceBookWindow();
    ~RaceBookWindow() override;

    // Where "Export CSV..." writes: asks the player by default; tests give a path. Empty: cancelled.
    static std::function<QString(QWidget *parent)> &exportPathSeam();

private:
    // The signed-in player's book read afresh, in the background: the window stays usable and
    // shows how far the reading has come.
    void load();
    void bookRead();
    void showBook(const book::Reading &reading);
    void showMoneyChart(const QList<QPointF> &cash, const QList<QPointF> &debt);
    void showOdds(const book::OddsFigures &figures);
    void fillHorses();
    void fitColumns();
    void onExportClicked();
    void onClearClicked();

    QTabWidget *tabs = nullptr;
    QComboBox *kindBox = nullptr;
    QComboBox *horseBox = nullptr;
    QTableView *racesTable = nullptr;
    QLabel *statusLabel = nullptr;
    QProgressBar *readingBar = nullptr;  // while the book is read
    QPushButton *exportButton = nullptr;
    QPushButton *clearButton = nullptr;
    QChartView *moneyChart = nullptr;
    QChartView *oddsChart = nullptr;
    QTableWidget *oddsTable = nullptr;
    book::BookModel *model = nullptr;
    book::BookFilter *filter = nullptr;
    int slot_ = 0;
    QString sign_;
    QFutureWatcher<book::Reading> reading_;
    bool waiting_ = false;  // for the book being read
};
