// The race book window: a table of the signed-in player's races, a chart of cash and debt,
// and the odds against the outcomes.
#include "book/race_book_window.h"

#include "app/window_registry.h"
#include "office/betting_office_window.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "player/record_files.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCursor>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <set>

namespace book {

void BookModel::setRows(QList<Row> rows, const QString &sign)
{
    beginResetModel();
    rows_ = std::move(rows);
    sign_ = sign;
    endResetModel();
}

int BookModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

int BookModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant BookModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    const Row &row = rows_[index.row()];
    const int column = index.column();
    const bool money = column == Stake || column == Winnings || column == OwnersPrize || column == Charge ||
                       column == Fine || column == Cash || column == Debt;
    auto amount = [&]() -> Money {
        switch (column) {
        case Stake: return row.stake;
        case Winnings: return row.winnings;
        case OwnersPrize: return row.ownersPrize;
        case Charge: return row.charge;
        case Fine: return row.fine;
        case Cash: return row.cash;
        default: return row.debt;
        }
    };
    if (role == Qt::TextAlignmentRole)
        return money || column == Odds ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (role == Qt::ToolTipRole && (column == Backed || column == Winner)) {
        QStringList card;
        for (int i = 0; i < 5; ++i)
            card << QStringLiteral("%1 (%2/1)").arg(row.horses[i]).arg(row.odds[i]);
        return card.join(QLatin1Char('\n'));
    }
    if (role != Qt::DisplayRole && role != Qt::UserRole)
        return {};
    const bool raw = role == Qt::UserRole;
    if (money)
        return raw ? QVariant(amount())
                   : QVariant((amount() < 0 ? QStringLiteral("-") : QString()) + sign_ +
                              QLocale().toString(std::abs(qint64(amount()))));
    switch (column) {
    // The book holds the races in the order they were run: that order sorts the dates.
    case When: return raw ? QVariant(index.row()) : QVariant(row.when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    case Kind: return row.kind;
    case Backed: return row.backed;
    case Odds: return raw ? QVariant(row.oddsOf(row.backed)) : QVariant(QStringLiteral("%1/1").arg(row.oddsOf(row.backed)));
    case Winner: return row.winner;
    case Drug: return row.drug ? QStringLiteral("yes") : QStringLiteral("no");
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
    const auto *source = static_cast<const BookModel *>(sourceModel());
    const Row &row = source->rows()[sourceRow];
    return (kind_.isEmpty() || row.kind == kind_) && (backed_.isEmpty() || row.backed == backed_);
}

}  // namespace book

namespace {
const QString allKinds = QStringLiteral("All races");
const QString allHorses = QStringLiteral("All horses");
}  // namespace

std::function<QString(QWidget *)> &frmbook::exportPathSeam()
{
    static std::function<QString(QWidget *)> seam = [](QWidget *parent) {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Export CSV"), QString(),
                                            QStringLiteral("CSV files (*.csv)"));
    };
    return seam;
}

frmbook::frmbook()
{
    setObjectName(QStringLiteral("frmbook"));
    setWindowTitle(QStringLiteral("Race Book"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(platform::twips(15000), platform::twips(9000));

    auto *layout = new QVBoxLayout(this);
    tabBook = new QTabWidget(this);
    tabBook->setObjectName(QStringLiteral("tabBook"));
    layout->addWidget(tabBook);

    // The races.
    auto *races = new QWidget(tabBook);
    auto *racesLayout = new QVBoxLayout(races);
    auto *filters = new QHBoxLayout;
    auto *kindLabel = new QLabel(QStringLiteral("&Kind:"), races);
    cboKind = new QComboBox(races);
    cboKind->setObjectName(QStringLiteral("cboKind"));
    cboKind->setAccessibleName(QStringLiteral("Kind"));
    cboKind->addItems({allKinds, book::raceKind, book::grandNationalKind});
    kindLabel->setBuddy(cboKind);
    auto *horseLabel = new QLabel(QStringLiteral("&Backed horse:"), races);
    cboHorse = new QComboBox(races);
    cboHorse->setObjectName(QStringLiteral("cboHorse"));
    cboHorse->setAccessibleName(QStringLiteral("Backed horse"));
    cboHorse->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    horseLabel->setBuddy(cboHorse);
    cmdExport = new QPushButton(QStringLiteral("&Export CSV..."), races);
    cmdExport->setObjectName(QStringLiteral("cmdExport"));
    cmdClear = new QPushButton(QStringLiteral("&Clear Book..."), races);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    filters->addWidget(kindLabel);
    filters->addWidget(cboKind);
    filters->addSpacing(12);
    filters->addWidget(horseLabel);
    filters->addWidget(cboHorse);
    filters->addStretch();
    filters->addWidget(cmdExport);
    filters->addWidget(cmdClear);
    racesLayout->addLayout(filters);

    model = new book::BookModel(this);
    filter = new book::BookFilter(this);
    filter->setSourceModel(model);
    tblRows = new QTableView(races);
    tblRows->setObjectName(QStringLiteral("tblRows"));
    tblRows->setAccessibleName(QStringLiteral("Races"));
    tblRows->setModel(filter);
    tblRows->setSortingEnabled(true);
    tblRows->sortByColumn(book::BookModel::When, Qt::AscendingOrder);
    tblRows->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblRows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblRows->verticalHeader()->setDefaultSectionSize(tblRows->fontMetrics().height() + 6);
    tblRows->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    tblRows->horizontalHeader()->setResizeContentsPrecision(200);  // a long book sizes its columns quickly
    tblRows->horizontalHeader()->setStretchLastSection(true);
    racesLayout->addWidget(tblRows);
    lblStatus = new QLabel(races);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setTextFormat(Qt::PlainText);
    racesLayout->addWidget(lblStatus);
    tabBook->addTab(races, QStringLiteral("&Races"));

    // Cash and debt.
    chtMoney = new QChartView(tabBook);
    chtMoney->setObjectName(QStringLiteral("chtMoney"));
    chtMoney->setRenderHint(QPainter::Antialiasing);
    tabBook->addTab(chtMoney, QStringLiteral("Cash && &Debt"));

    // Odds against outcomes.
    auto *odds = new QWidget(tabBook);
    auto *oddsLayout = new QVBoxLayout(odds);
    chtOdds = new QChartView(odds);
    chtOdds->setObjectName(QStringLiteral("chtOdds"));
    chtOdds->setRenderHint(QPainter::Antialiasing);
    oddsLayout->addWidget(chtOdds, 1);
    tblOdds = new QTableWidget(book::bandCount + 1, 6, odds);
    tblOdds->setObjectName(QStringLiteral("tblOdds"));
    tblOdds->setAccessibleName(QStringLiteral("Odds against outcomes"));
    tblOdds->setHorizontalHeaderLabels({QStringLiteral("Runners"), QStringLiteral("Wins"), QStringLiteral("Share Won"),
                                        QStringLiteral("Odds Promise"), QStringLiteral("Bets"),
                                        QStringLiteral("Return Per Pound")});
    QStringList bands;
    for (int band = 0; band < book::bandCount; ++band)
        bands << book::bandName(band);
    tblOdds->setVerticalHeaderLabels(bands << QStringLiteral("All"));
    tblOdds->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblOdds->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblOdds->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblOdds->verticalHeader()->setDefaultSectionSize(tblOdds->fontMetrics().height() + 10);
    tblOdds->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tblOdds->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tblOdds->setFixedHeight(tblOdds->horizontalHeader()->sizeHint().height() + tblOdds->verticalHeader()->length() +
                            2 * tblOdds->frameWidth() + 2);  // every band and the total, never a scroll bar
    oddsLayout->addWidget(tblOdds);
    tabBook->addTab(odds, QStringLiteral("&Odds Against Outcomes"));

    connect(cboKind, &QComboBox::currentIndexChanged, this,
            [this](int index) { filter->setKind(index <= 0 ? QString() : cboKind->currentText()); });
    connect(cboHorse, &QComboBox::currentIndexChanged, this,
            [this](int index) { filter->setBacked(index <= 0 ? QString() : cboHorse->currentText()); });
    connect(cmdExport, &QPushButton::clicked, this, &frmbook::cmdExport_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmbook::cmdClear_Click);

    loadBook();
}

frmbook::~frmbook() = default;

void frmbook::loadBook()
{
    const Form2 *office = app::existingWindow<Form2>();
    slot_ = office ? office->Label23->text().toInt() : 0;
    const QString sign = office ? office->curr->text() : QString();
    book::Book loaded = slot_ >= 1 && slot_ <= player::slotCount ? book::loadBook(book::bookPath(slot_)) : book::Book{};
    const int skipped = loaded.skipped;
    const QString error = loaded.error;
    model->setRows(std::move(loaded.rows), sign);
    fillHorses();
    showMoneyChart();
    showOdds();
    tblRows->resizeColumnsToContents();
    QString status = QStringLiteral("%1 races").arg(model->rowCount());
    if (skipped > 0)
        status += QStringLiteral("; %1 damaged %2 skipped").arg(skipped).arg(skipped == 1 ? "line" : "lines");
    lblStatus->setText(status);
    if (!error.isEmpty())
        platform::say(QStringLiteral("Your race book could not be read: ") + error, platform::Icon::Warning);
    else if (skipped > 0)
        platform::say(QStringLiteral("Your race book is damaged: %1 %2 could not be read and %3 skipped.")
                          .arg(skipped)
                          .arg(skipped == 1 ? "line" : "lines", skipped == 1 ? "was" : "were"),
                      platform::Icon::Warning);
}

void frmbook::fillHorses()
{
    const QSignalBlocker quiet(cboHorse);
    cboHorse->clear();
    std::set<QString> horses;
    for (const book::Row &row : model->rows())
        horses.insert(row.backed);
    cboHorse->addItem(allHorses);
    for (const QString &horse : horses)
        cboHorse->addItem(horse);
    filter->setBacked(QString());
}

void frmbook::showMoneyChart()
{
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("Cash and debt after each race"));
    auto *cash = new QLineSeries(chart);
    cash->setName(QStringLiteral("Cash"));
    auto *debt = new QLineSeries(chart);
    debt->setName(QStringLiteral("Debt"));
    QList<QPointF> cashPoints, debtPoints;
    const QList<book::Row> &rows = model->rows();
    cashPoints.reserve(rows.size());
    debtPoints.reserve(rows.size());
    double low = 0, high = 1;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        cashPoints << QPointF(double(i + 1), rows[i].cash);
        debtPoints << QPointF(double(i + 1), rows[i].debt);
        low = std::min({low, double(rows[i].cash), double(rows[i].debt)});
        high = std::max({high, double(rows[i].cash), double(rows[i].debt)});
    }
    cash->replace(cashPoints);
    debt->replace(debtPoints);
    chart->addSeries(cash);
    chart->addSeries(debt);
    auto *x = new QValueAxis(chart);
    x->setTitleText(QStringLiteral("Race"));
    x->setLabelFormat(QStringLiteral("%d"));
    x->setRange(1, std::max<double>(2, double(rows.size())));
    auto *y = new QValueAxis(chart);
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setRange(low, high);
    y->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QLineSeries *series : {cash, debt}) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    auto tip = [this](const QPointF &point, bool state) {
        if (!state) {
            QToolTip::hideText();
            return;
        }
        const int race = qRound(point.x());
        const QList<book::Row> &all = model->rows();
        if (race < 1 || race > all.size())
            return;
        const book::Row &row = all[race - 1];
        const QModelIndex cashIndex = model->index(race - 1, book::BookModel::Cash);
        const QModelIndex debtIndex = model->index(race - 1, book::BookModel::Debt);
        QToolTip::showText(QCursor::pos(), QStringLiteral("Race %1, %2\nCash %3\nDebt %4")
                                               .arg(race)
                                               .arg(row.when.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                                                    cashIndex.data().toString(), debtIndex.data().toString()),
                           chtMoney);
    };
    connect(cash, &QLineSeries::hovered, this, tip);
    connect(debt, &QLineSeries::hovered, this, tip);
    QChart *old = chtMoney->chart();
    chtMoney->setChart(chart);
    delete old;
}

void frmbook::showOdds()
{
    const book::OddsFigures figures = book::oddsFigures(model->rows());
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("How often the horse at these odds won"));
    auto *won = new QBarSet(QStringLiteral("Share won (%)"));
    auto *promised = new QBarSet(QStringLiteral("Share the odds promise (%)"));
    QStringList bands;
    for (int band = 0; band < book::bandCount; ++band) {
        const book::BandFigures &f = figures.bands[band];
        *won << 100.0 * f.shareWon();
        *promised << 100.0 * f.promised;
        bands << book::bandName(band);
    }
    auto *series = new QBarSeries(chart);
    series->append(won);
    series->append(promised);
    chart->addSeries(series);
    auto *x = new QBarCategoryAxis(chart);
    x->append(bands);
    x->setTitleText(QStringLiteral("Odds (to 1)"));
    auto *y = new QValueAxis(chart);
    y->setRange(0, 50);
    y->setTickCount(6);
    y->setLabelFormat(QStringLiteral("%.0f%%"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    QChart *old = chtOdds->chart();
    chtOdds->setChart(chart);
    delete old;

    auto cell = [this](int row, int column, const QString &text) {
        auto *item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        tblOdds->setItem(row, column, item);
    };
    for (int row = 0; row <= book::bandCount; ++row) {
        const book::BandFigures &f = row < book::bandCount ? figures.bands[row] : figures.overall;
        cell(row, 0, QString::number(f.runners));
        cell(row, 1, QString::number(f.wins));
        cell(row, 2, QStringLiteral("%1%").arg(100.0 * f.shareWon(), 0, 'f', 1));
        cell(row, 3, QStringLiteral("%1%").arg(100.0 * f.promised, 0, 'f', 1));
        cell(row, 4, QString::number(f.bets));
        cell(row, 5, f.staked ? QString::number(f.returnPerPound(), 'f', 2) : QStringLiteral("-"));
    }
}

void frmbook::cmdExport_Click()
{
    const QString path = exportPathSeam()(this);
    if (path.isEmpty())
        return;
    QList<book::Row> visible;
    visible.reserve(filter->rowCount());
    for (int row = 0; row < filter->rowCount(); ++row)
        visible << model->rows()[filter->mapToSource(filter->index(row, 0)).row()];
    const book::AppendResult written = book::writeRows(path, visible);
    if (!written.ok)
        platform::say(QStringLiteral("The rows could not be exported: ") + written.error, platform::Icon::Critical);
    else
        platform::say(QStringLiteral("%1 races exported.").arg(visible.size()), platform::Icon::Information);
}

void frmbook::cmdClear_Click()
{
    if (slot_ < 1 || slot_ > player::slotCount)
        return;
    if (platform::say(QStringLiteral("Clear your race book? Every race in it is removed for good."),
                      platform::Icon::Question, platform::Buttons::YesNo,
                      QStringLiteral("QUESTION")) != platform::Answer::Yes)
        return;
    QFile file(book::bookPath(slot_));
    if (file.exists() && !file.remove()) {
        platform::say(QStringLiteral("Your race book could not be cleared: ") + file.errorString(),
                      platform::Icon::Critical);
        return;
    }
    loadBook();
}
