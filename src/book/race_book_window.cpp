// The race book window: a table of the signed-in player's races, a chart of cash and debt,
// and the odds against the outcomes.
#include "book/race_book_window.h"

#include "app/window_registry.h"
#include "game/session.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "platform/widgets/placed.h"
#include "player/record_files.h"
#include "platform/widgets/window_fit.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCursor>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QtConcurrent>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <cmath>
#include <set>

namespace {
constexpr int readingSteps = 1000;  // of the progress bar
const QString allKinds = QStringLiteral("All races");
const QString allHorses = QStringLiteral("All horses");

// The line of one sum race by race. A long book is drawn as the lowest and the highest race of
// each run of races, in their order: no fewer turns than the chart can show, and far fewer points.
QList<QPointF> sumLine(const QList<book::Race> &races, book::Money book::Race::*sum)
{
    constexpr qsizetype runs = 2000;
    const qsizetype length = std::max<qsizetype>(1, (races.size() + runs - 1) / runs);
    QList<QPointF> points;
    for (qsizetype start = 0; start < races.size(); start += length) {
        qsizetype low = start, high = start;
        for (qsizetype i = start; i < std::min(races.size(), start + length); ++i) {
            low = races[i].*sum < races[low].*sum ? i : low;
            high = races[i].*sum > races[high].*sum ? i : high;
        }
        for (const qsizetype i : {std::min(low, high), std::max(low, high)}) {
            if (points.isEmpty() || points.last().x() != double(i + 1))
                points << QPointF(double(i + 1), races[i].*sum);
        }
    }
    return points;
}

// A whole number between the ticks of an axis spanning `span`, 1, 2 or 5 times a power of ten,
// with at most `steps` of them: no two ticks show the same number, however short the span.
double wholeStep(double span, int steps)
{
    for (double step = 1;; step *= 10) {
        for (const int times : {1, 2, 5}) {
            if (span / (step * times) <= steps)
                return step * times;
        }
    }
}
}  // namespace

std::function<QString(QWidget *)> &RaceBookWindow::exportPathSeam()
{
    static std::function<QString(QWidget *)> seam = [](QWidget *parent) {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Export CSV"), QString(),
                                            QStringLiteral("CSV files (*.csv)"));
    };
    return seam;
}

RaceBookWindow::RaceBookWindow()
{
    // Built smaller as a whole where the screen is too small for it.
    const platform::TwipsScale scaled(platform::fitWindow(this, 15000, 9000));
    setObjectName(QStringLiteral("frmbook"));
    setWindowTitle(QStringLiteral("Race Book"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(platform::twips(15000), platform::twips(9000));

    auto *layout = new QVBoxLayout(this);
    tabs = platform::called(new QTabWidget(this), QStringLiteral("tabBook"));
    layout->addWidget(tabs);

    // The races.
    auto *races = new QWidget(tabs);
    auto *racesLayout = new QVBoxLayout(races);
    auto *filters = new QHBoxLayout;
    auto *kindLabel = new QLabel(QStringLiteral("&Kind:"), races);
    kindBox = platform::called(new QComboBox(races), QStringLiteral("cboKind"));
    kindBox->setAccessibleName(QStringLiteral("Kind"));
    kindBox->addItems({allKinds, book::raceKind, book::grandNationalKind});
    kindLabel->setBuddy(kindBox);
    auto *horseLabel = new QLabel(QStringLiteral("&Backed horse:"), races);
    horseBox = platform::called(new QComboBox(races), QStringLiteral("cboHorse"));
    horseBox->setAccessibleName(QStringLiteral("Backed horse"));
    horseBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    horseLabel->setBuddy(horseBox);
    exportButton = platform::called(new QPushButton(QStringLiteral("&Export CSV..."), races), QStringLiteral("cmdExport"));
    clearButton = platform::called(new QPushButton(QStringLiteral("&Clear Book..."), races), QStringLiteral("cmdClear"));
    filters->addWidget(kindLabel);
    filters->addWidget(kindBox);
    filters->addSpacing(12);
    filters->addWidget(horseLabel);
    filters->addWidget(horseBox);
    filters->addStretch();
    filters->addWidget(exportButton);
    filters->addWidget(clearButton);
    racesLayout->addLayout(filters);

    model = new book::BookModel(this);
    filter = new book::BookFilter(this);
    filter->setSourceModel(model);
    racesTable = platform::called(new QTableView(races), QStringLiteral("tblRows"));
    racesTable->setAccessibleName(QStringLiteral("Races"));
    racesTable->setModel(filter);
    racesTable->setSortingEnabled(true);
    racesTable->sortByColumn(book::BookModel::When, Qt::AscendingOrder);
    racesTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    racesTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    racesTable->verticalHeader()->setDefaultSectionSize(racesTable->fontMetrics().height() + 6);
    racesTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    racesTable->horizontalHeader()->setResizeContentsPrecision(200);  // a long book sizes its columns quickly
    racesTable->horizontalHeader()->setStretchLastSection(true);
    racesLayout->addWidget(racesTable);
    auto *status = new QHBoxLayout;
    statusLabel = platform::called(new QLabel(races), QStringLiteral("lblStatus"));
    statusLabel->setTextFormat(Qt::PlainText);
    status->addWidget(statusLabel, 1);
    readingBar = platform::called(new QProgressBar(races), QStringLiteral("prgRead"));
    readingBar->setAccessibleName(QStringLiteral("Reading the race book"));
    readingBar->setRange(0, readingSteps);
    readingBar->hide();
    status->addWidget(readingBar, 1);
    racesLayout->addLayout(status);
    tabs->addTab(races, QStringLiteral("&Races"));

    // Cash and debt.
    moneyChart = platform::called(new QChartView(tabs), QStringLiteral("chtMoney"));
    moneyChart->setRenderHint(QPainter::Antialiasing);
    tabs->addTab(moneyChart, QStringLiteral("Cash && &Debt"));

    // Odds against outcomes.
    auto *odds = new QWidget(tabs);
    auto *oddsLayout = new QVBoxLayout(odds);
    oddsChart = platform::called(new QChartView(odds), QStringLiteral("chtOdds"));
    oddsChart->setRenderHint(QPainter::Antialiasing);
    oddsLayout->addWidget(oddsChart, 1);
    oddsTable = platform::called(new QTableWidget(book::bandCount + 1, 6, odds), QStringLiteral("tblOdds"));
    oddsTable->setAccessibleName(QStringLiteral("Odds against outcomes"));
    oddsTable->setHorizontalHeaderLabels({QStringLiteral("Runners"), QStringLiteral("Wins"), QStringLiteral("Share Won"),
                                          QStringLiteral("Odds Promise"), QStringLiteral("Bets"),
                                          QStringLiteral("Return Per Pound")});
    QStringList bands;
    for (int band = 0; band < book::bandCount; ++band)
        bands << book::bandName(band);
    oddsTable->setVerticalHeaderLabels(bands << QStringLiteral("All"));
    oddsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    oddsTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    oddsTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    oddsTable->verticalHeader()->setDefaultSectionSize(oddsTable->fontMetrics().height() + 10);
    oddsTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    oddsTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    oddsTable->setFixedHeight(oddsTable->horizontalHeader()->sizeHint().height() + oddsTable->verticalHeader()->length() +
                              2 * oddsTable->frameWidth() + 2);  // every band and the total, never a scroll bar
    oddsLayout->addWidget(oddsTable);
    tabs->addTab(odds, QStringLiteral("&Odds Against Outcomes"));

    connect(kindBox, &QComboBox::currentIndexChanged, this,
            [this](int index) { filter->setKind(index <= 0 ? QString() : kindBox->currentText()); });
    connect(horseBox, &QComboBox::currentIndexChanged, this,
            [this](int index) { filter->setBacked(index <= 0 ? QString() : horseBox->currentText()); });
    connect(exportButton, &QPushButton::clicked, this, &RaceBookWindow::onExportClicked);
    connect(clearButton, &QPushButton::clicked, this, &RaceBookWindow::onClearClicked);
    connect(&reading_, &QFutureWatcher<book::Reading>::progressValueChanged, readingBar, &QProgressBar::setValue);
    connect(&reading_, &QFutureWatcher<book::Reading>::finished, this, &RaceBookWindow::bookRead);

    load();
}

RaceBookWindow::~RaceBookWindow()
{
    // A reading still under way is stopped (it ends at its next piece) before the window goes.
    reading_.cancel();
    reading_.waitForFinished();
}

void RaceBookWindow::load()
{
    reading_.cancel();
    reading_.waitForFinished();
    const game::Session &session = game::session();
    slot_ = session.officeOpen() ? session.record().slot : 0;
    sign_ = session.officeOpen() ? session.sign() : QString();
    const QString path = slot_ >= 1 && slot_ <= player::slotCount ? book::bookPath(slot_) : QString();
    model->setBook({}, sign_);
    fillHorses();
    racesTable->resizeColumnsToContents();
    statusLabel->setText(QStringLiteral("Reading your race book..."));
    readingBar->setValue(0);
    readingBar->show();
    exportButton->setEnabled(false);
    clearButton->setEnabled(false);
    waiting_ = true;
    reading_.setFuture(QtConcurrent::run([path](QPromise<book::Reading> &promise) {
        promise.setProgressRange(0, readingSteps);
        book::Reading reading;
        reading.book = book::loadBook(path, [&promise](qint64 done, qint64 size) {
            promise.setProgressValue(size > 0 ? int(std::min(done, size) * readingSteps / size) : 0);
            return !promise.isCanceled();
        });
        reading.odds = book::oddsFigures(reading.book);
        reading.cash = sumLine(reading.book.races, &book::Race::cash);
        reading.debt = sumLine(reading.book.races, &book::Race::debt);
        promise.addResult(std::move(reading));
    }));
}

void RaceBookWindow::bookRead()
{
    if (!waiting_ || !reading_.isFinished() || reading_.isCanceled())
        return;
    waiting_ = false;
    showBook(reading_.result());  // shares the races with the finished reading, no copy
}

void RaceBookWindow::showBook(const book::Reading &reading)
{
    readingBar->hide();
    exportButton->setEnabled(true);
    clearButton->setEnabled(true);
    // The races come in the order they were run, the dates' order: a book shown by date needs no
    // sorting, however long it is.
    const QHeaderView *header = racesTable->horizontalHeader();
    if (header->sortIndicatorSection() == book::BookModel::When && header->sortIndicatorOrder() == Qt::AscendingOrder)
        filter->sort(-1);
    model->setBook(reading.book, sign_);
    fillHorses();
    showMoneyChart(reading.cash, reading.debt);
    showOdds(reading.odds);
    fitColumns();
    const int skipped = reading.book.skipped;
    const QString &error = reading.book.error;
    QString status = QStringLiteral("%1 races").arg(model->rowCount());
    if (model->rowCount() == 0 && skipped == 0 && error.isEmpty())
        status = QStringLiteral("No races yet: every race you run, the Grand National too, is written here "
                                "when it is settled.");
    if (skipped > 0)
        status += QStringLiteral("; %1 damaged %2 skipped").arg(skipped).arg(skipped == 1 ? "line" : "lines");
    statusLabel->setText(status);
    if (!error.isEmpty())
        platform::say(QStringLiteral("Your race book could not be read: ") + error, platform::Icon::Warning);
    else if (skipped > 0)
        platform::say(QStringLiteral("Your race book is damaged: %1 %2 could not be read and %3 skipped.")
                          .arg(skipped)
                          .arg(skipped == 1 ? "line" : "lines", skipped == 1 ? "was" : "were"),
                      platform::Icon::Warning);
}

void RaceBookWindow::fillHorses()
{
    const QSignalBlocker quiet(horseBox);
    horseBox->clear();
    const book::Book &book = model->book();
    std::vector<bool> backed(size_t(book.names.size()), false);
    for (const book::Race &race : book.races)
        backed[race.backed] = true;
    std::set<QString> horses;
    for (qsizetype name = 0; name < book.names.size(); ++name) {
        if (backed[size_t(name)])
            horses.insert(book.name(quint32(name)));
    }
    horseBox->addItem(allHorses);
    for (const QString &horse : horses)
        horseBox->addItem(horse);
    filter->setBacked(QString());
}

void RaceBookWindow::showMoneyChart(const QList<QPointF> &cashLine, const QList<QPointF> &debtLine)
{
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("Cash and debt after each race"));
    auto *cash = new QLineSeries(chart);
    cash->setName(QStringLiteral("Cash"));
    auto *debt = new QLineSeries(chart);
    debt->setName(QStringLiteral("Debt"));
    const QList<book::Race> &races = model->book().races;
    double low = 0, high = 1;
    for (const QList<QPointF> *line : {&cashLine, &debtLine}) {
        for (const QPointF &point : *line) {
            low = std::min(low, point.y());
            high = std::max(high, point.y());
        }
    }
    cash->replace(cashLine);
    debt->replace(debtLine);
    chart->addSeries(cash);
    chart->addSeries(debt);
    auto *x = new QValueAxis(chart);
    x->setTitleText(QStringLiteral("Race"));
    x->setLabelFormat(QStringLiteral("%d"));
    x->setRange(1, std::max<double>(2, double(races.size())));
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    // Each race number once, ten of them at most; sums in whole steps, from below the lowest to
    // above the highest.
    x->setTickInterval(wholeStep(double(std::max<qsizetype>(2, races.size()) - 1), 10));
    auto *y = new QValueAxis(chart);
    y->setLabelFormat(QStringLiteral("%.0f"));
    const double step = wholeStep(high - low, 5);
    y->setRange(std::floor(low / step) * step, std::ceil(high / step) * step);
    y->setTickType(QValueAxis::TicksDynamic);
    y->setTickAnchor(0);
    y->setTickInterval(step);
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
        const QList<book::Race> &all = model->book().races;
        if (race < 1 || race > all.size())
            return;
        const QString when = book::BookModel::clockText(all[race - 1], QStringLiteral("yyyy-MM-dd HH:mm"));
        const QModelIndex cashIndex = model->index(race - 1, book::BookModel::Cash);
        const QModelIndex debtIndex = model->index(race - 1, book::BookModel::Debt);
        QToolTip::showText(QCursor::pos(), QStringLiteral("Race %1, %2\nCash %3\nDebt %4")
                                               .arg(race)
                                               .arg(when, cashIndex.data().toString(), debtIndex.data().toString()),
                           moneyChart);
    };
    connect(cash, &QLineSeries::hovered, this, tip);
    connect(debt, &QLineSeries::hovered, this, tip);
    QChart *old = moneyChart->chart();
    moneyChart->setChart(chart);
    delete old;
}

void RaceBookWindow::showOdds(const book::OddsFigures &figures)
{
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("How often the horse at these odds won"));
    auto *won = new QBarSet(QStringLiteral("Share won (%)"));
    auto *promised = new QBarSet(QStringLiteral("Share the odds promise (%)"));
    QStringList bands;
    double largest = 0;
    for (int band = 0; band < book::bandCount; ++band) {
        const book::BandFigures &f = figures.bands[band];
        *won << 100.0 * f.shareWon();
        *promised << 100.0 * f.promised;
        largest = std::max({largest, 100.0 * f.shareWon(), 100.0 * f.promised});
        bands << book::bandName(band);
    }
    auto *series = new QBarSeries(chart);
    series->append(won);
    series->append(promised);
    chart->addSeries(series);
    auto *x = new QBarCategoryAxis(chart);
    x->append(bands);
    x->setTitleText(QStringLiteral("Odds (to 1)"));
    // Up to 50%, or to the ten above the largest bar.
    auto *y = new QValueAxis(chart);
    const int ceiling = std::max(50, 10 * int(std::ceil(largest / 10 - 1e-9)));
    y->setRange(0, ceiling);
    y->setTickCount(ceiling / 10 + 1);
    y->setLabelFormat(QStringLiteral("%.0f%%"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    QChart *old = oddsChart->chart();
    oddsChart->setChart(chart);
    delete old;

    auto cell = [this](int row, int column, const QString &text) {
        auto *item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        oddsTable->setItem(row, column, item);
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

void RaceBookWindow::fitColumns()
{
    racesTable->resizeColumnsToContents();
    // The table measures only some of the races, and a long book's later races hold the larger
    // sums: each column is made as wide as its widest entry too. A number's longest text is that of
    // its lowest or its highest value; a name's width is measured once.
    using Model = book::BookModel;
    const book::Book &book = model->book();
    std::array<qint64, Model::ColumnCount> low{}, high{};
    std::array<int, Model::ColumnCount> lowAt{}, highAt{};
    std::vector<int> backed(size_t(book.names.size()), -1), winner(backed);  // a race of each name
    for (int i = 0; i < book.races.size(); ++i) {
        const book::Race &race = book.races[i];
        for (int column = Model::Odds; column <= Model::Debt; ++column) {
            const qint64 value = Model::number(race, column, i);
            if (i == 0 || value < low[column])
                low[column] = value, lowAt[column] = i;
            if (i == 0 || value > high[column])
                high[column] = value, highAt[column] = i;
        }
        backed[race.backed] = backed[race.backed] < 0 ? i : backed[race.backed];
        winner[race.winner] = winner[race.winner] < 0 ? i : winner[race.winner];
    }
    auto widen = [this](int race, int column) {
        const QModelIndex shown = filter->mapFromSource(model->index(race, column));
        if (shown.isValid())  // and the grid line:
            racesTable->setColumnWidth(column, std::max(racesTable->columnWidth(column),
                                                        racesTable->sizeHintForIndex(shown).width() + 1));
    };
    for (int column = Model::Odds; column <= Model::Debt && !book.races.isEmpty(); ++column) {
        if (column == Model::Odds || book::BookModel::isMoney(column)) {
            widen(lowAt[column], column);
            widen(highAt[column], column);
        }
    }
    // The longest names are measured, a few dozen at most however many names a book holds.
    for (const auto &[column, races] : {std::pair{Model::Backed, &backed}, std::pair{Model::Winner, &winner}}) {
        std::vector<std::pair<qsizetype, int>> named;  // a name's length, a race it is in
        for (size_t name = 0; name < races->size(); ++name) {
            if ((*races)[name] >= 0)
                named.emplace_back(book.names[quint32(name)].size(), (*races)[name]);
        }
        const auto measured = named.begin() + std::min<qsizetype>(named.size(), 40);
        std::partial_sort(named.begin(), measured, named.end(), std::greater<>());
        for (auto each = named.begin(); each != measured; ++each)
            widen(each->second, column);
    }
}

void RaceBookWindow::onExportClicked()
{
    const QString path = exportPathSeam()(this);
    if (path.isEmpty())
        return;
    QList<qsizetype> visible;
    visible.reserve(filter->rowCount());
    for (int row = 0; row < filter->rowCount(); ++row)
        visible << filter->mapToSource(filter->index(row, 0)).row();
    const book::AppendResult written = book::writeRows(path, model->book(), visible);
    if (!written.ok)
        platform::say(QStringLiteral("The rows could not be exported: ") + written.error, platform::Icon::Critical);
    else
        platform::say(QStringLiteral("%1 races exported.").arg(visible.size()), platform::Icon::Information);
}

void RaceBookWindow::onClearClicked()
{
    if (slot_ < 1 || slot_ > player::slotCount)
        return;
    if (platform::say(QStringLiteral("Clear your race book? Every race in it is removed for good."),
                      platform::Icon::Question, platform::Buttons::YesNo,
                      QStringLiteral("QUESTION")) != platform::Answer::Yes)
        return;
    // A book that is a link loses the link, never what it points to.
    QFile file(book::bookPath(slot_));
    const QFileInfo info(file.fileName());
    if ((info.exists() || info.isSymLink()) && !file.remove()) {
        platform::say(QStringLiteral("Your race book could not be cleared: ") + file.errorString(),
                      platform::Icon::Critical);
        return;
    }
    load();
}
