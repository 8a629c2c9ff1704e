#pragma once
// The race book: every settled race of the signed-in player, the cash and debt race by
// race, and how often horses at each odds really won.
#include "book/race_book.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QSortFilterProxyModel>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;
class QTabWidget;
class QChartView;

namespace book {

// The book's rows as a table; the money columns carry the player's currency sign.
class BookModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { When, Kind, Backed, Odds, Stake, Winner, Winnings, OwnersPrize, Charge, Fine, Drug, Cash, Debt,
                  ColumnCount };
    explicit BookModel(QObject *parent = nullptr) : QAbstractTableModel(parent) {}
    void setRows(QList<Row> rows, const QString &sign);
    const QList<Row> &rows() const { return rows_; }
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<Row> rows_;
    QString sign_;
};

// Sorts on the raw values and keeps the rows of one kind and one backed horse.
class BookFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit BookFilter(QObject *parent = nullptr);
    void setKind(const QString &kind);     // empty: every kind
    void setBacked(const QString &horse);  // empty: every horse
protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QString kind_, backed_;
};

}  // namespace book

class frmbook : public QDialog {
    Q_OBJECT
public:
    frmbook();
    ~frmbook() override;

    // Where "Export CSV..." writes: asks the player by default; tests give a path. Empty: cancelled.
    static std::function<QString(QWidget *parent)> &exportPathSeam();

    QTabWidget *tabBook = nullptr;
    QComboBox *cboKind = nullptr;
    QComboBox *cboHorse = nullptr;
    QTableView *tblRows = nullptr;
    QLabel *lblStatus = nullptr;
    QPushButton *cmdExport = nullptr;
    QPushButton *cmdClear = nullptr;
    QChartView *chtMoney = nullptr;
    QChartView *chtOdds = nullptr;
    QTableWidget *tblOdds = nullptr;
    book::BookModel *model = nullptr;
    book::BookFilter *filter = nullptr;

    // The signed-in player's book read afresh.
    void loadBook();
    void cmdExport_Click();
    void cmdClear_Click();

private:
    void showMoneyChart();
    void showOdds();
    void fillHorses();
    int slot_ = 0;
};
