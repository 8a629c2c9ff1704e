#pragma once
// The race book's races as a table: its columns, and the filter and sort of the Races tab.
#include "book/race_book.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

namespace book {

// The book's races as a table; the money columns carry the player's currency sign.
class BookModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { When, Kind, Backed, Odds, Stake, Winner, Winnings, OwnersPrize, Charge, Fine, Drug, Cash, Debt,
                  ColumnCount };
    explicit BookModel(QObject *parent = nullptr) : QAbstractTableModel(parent) {}
    void setBook(Book book, const QString &sign);
    const Book &book() const { return book_; }
    // A number column's value in a race (the date's is the race's place in the book); 0 for the
    // text columns.
    static qint64 number(const Race &race, int column, int row);
    static bool isMoney(int column);
    // The date and time of a race as the clock showed them.
    static QString clockText(const Race &race, const QString &format);
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    Book book_;
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
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    QString kind_, backed_;
};

}  // namespace book
