// The race book's table of races.
#include "book/race_book_table.h"

#include <QLocale>

namespace book {

void BookModel::setBook(Book book, const QString &sign)
{
    beginResetModel();
    book_ = std::move(book);
    sign_ = sign;
    endResetModel();
}

int BookModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(book_.races.size()); }

int BookModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

bool BookModel::isMoney(int column)
{
    return column == Stake || column == Winnings || column == OwnersPrize || column == Charge || column == Fine ||
           column == Cash || column == Debt;
}

QString BookModel::clockText(const Race &race, const QString &format)
{
    return QDateTime::fromSecsSinceEpoch(race.clock, Qt::UTC).toString(format);
}

qint64 BookModel::number(const Race &race, int column, int row)
{
    switch (column) {
    // The book holds the races in the order they were run: that order sorts the dates.
    case When: return row;
    case Odds: return race.backedOdds();
    case Stake: return race.stake;
    case Winnings: return race.winnings;
    case OwnersPrize: return race.ownersPrize;
    case Charge: return race.charge;
    case Fine: return race.fine;
    case Cash: return race.cash;
    case Debt: return race.debt;
    default: return 0;
    }
}

QVariant BookModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= book_.races.size())
        return {};
    const Race &race = book_.races[index.row()];
    const int column = index.column();
    const bool money = isMoney(column);
    if (role == Qt::TextAlignmentRole)
        return money || column == Odds ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (role == Qt::ToolTipRole && (column == Backed || column == Winner)) {
        QStringList card;
        for (int i = 0; i < 5; ++i)
            card << QStringLiteral("%1 (%2/1)").arg(book_.name(race.horses[i])).arg(race.odds[i]);
        return card.join(QLatin1Char('\n'));
    }
    if (role != Qt::DisplayRole && role != Qt::UserRole)
        return {};
    const bool raw = role == Qt::UserRole;
    const qint64 value = number(race, column, index.row());
    if (money)
        return raw ? QVariant(Money(value))
                   : QVariant((value < 0 ? QStringLiteral("-") : QString()) + sign_ +
                              QLocale().toString(std::abs(value)));
    switch (column) {
    case When: return raw ? QVariant(index.row()) : QVariant(clockText(race, QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    case Kind: return book_.kind(race);
    case Backed: return book_.name(race.backed);
    case Odds: return raw ? QVariant(int(value)) : QVariant(QStringLiteral("%1/1").arg(value));
    case Winner: return book_.name(race.winner);
    case Drug: return race.drug ? QStringLiteral("yes") : QStringLiteral("no");
    default: return {};
    }
}

QVariant BookModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    static const char *const titles[ColumnCount] = {"Date",   "Kind",          "Backed", "Odds", "Stake",
                                                    "Winner", "Winnings",      "Owner's Prize",  "Charge",
                                                    "Fine",   "Drug",          "Cash",   "Debt"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(titles[section]) : QVariant();
}

BookFilter::BookFilter(QObject *parent) : QSortFilterProxyModel(parent) { setSortRole(Qt::UserRole); }

void BookFilter::setKind(const QString &kind)
{
    kind_ = kind;
    invalidateFilter();
}

void BookFilter::setBacked(const QString &horse)
{
    backed_ = horse;
    invalidateFilter();
}

bool BookFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    const Book &book = static_cast<const BookModel *>(sourceModel())->book();
    const Race &race = book.races[sourceRow];
    return (kind_.isEmpty() || book.kind(race) == kind_) && (backed_.isEmpty() || book.names[race.backed] == backed_);
}

bool BookFilter::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const int column = left.column();
    if (column == BookModel::Kind || column == BookModel::Backed || column == BookModel::Winner ||
        column == BookModel::Drug)
        return QSortFilterProxyModel::lessThan(left, right);
    // The numbers straight from the races: a long book sorts without a value made for each look.
    const Book &book = static_cast<const BookModel *>(sourceModel())->book();
    return BookModel::number(book.races[left.row()], column, left.row()) <
           BookModel::number(book.races[right.row()], column, right.row());
}

}  // namespace book
