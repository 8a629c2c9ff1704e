// The race book: the row each settlement appends, the file's repair after a torn row, the odds
// figures, and the window's charts, filter, sort and export.
#include "app/window_registry.h"
#include "book/race_book_window.h"
#include "game/session.h"
#include "office/betting_office_window.h"
#include "race/race_window.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_random.h"
#include "support/test_installation.h"
#include "support/test_main.h"

#include <QtCharts>
#include <QtWidgets>
#include <sys/stat.h>

namespace {
const QStringList names = {"Red Rum", "Desert Orchard", "Mr Ed", "Whopper Meal With Fries", "Black Beauty"};
const QString card = "Red Rum,2,Desert Orchard,4,Mr Ed,6,Whopper Meal With Fries,8,Black Beauty,50,";

// The fields of the only row in slot 1's book, without its date.
QString onlyRow(const testing::TestInstallation &installation)
{
    const book::Book read = book::loadBook(installation.dataFile("user1book.csv"));
    if (read.races.size() != 1 || read.skipped)
        return QStringLiteral("%1 rows, %2 skipped").arg(read.races.size()).arg(read.skipped);
    return book::rowFields(read.row(read.races[0])).mid(1).join(',');
}

// A book file of these rows (and a tail), read.
book::Book bookOf(const QList<book::Row> &rows, const QString &path = {}, const QByteArray &tail = {})
{
    QTemporaryDir dir;
    QFile file(path.isEmpty() ? dir.filePath("book.csv") : path);
    QByteArray bytes = book::encodeLine(book::headerFields());
    for (const book::Row &row : rows)
        bytes += book::encodeLine(book::rowFields(row));
    file.open(QIODevice::WriteOnly), file.write(bytes + tail), file.close();
    return book::loadBook(file.fileName());
}

book::Row made(const QString &kind, std::array<int, 5> odds, int winner, int backed, int stake, int winnings)
{
    book::Row row;
    row.when = QDateTime(QDate(2026, 12, 6), QTime(20, 5));
    row.kind = kind;
    row.odds = odds;
    for (int i = 0; i < 5; ++i)
        row.horses[i] = names[i];
    row.winner = names[winner - 1];
    row.backed = backed ? names[backed - 1] : "None Selected";
    row.stake = stake, row.winnings = winnings, row.cash = 1000 + stake, row.debt = 7;
    return row;
}

// A fresh installation with its players; the boxes and the draws scripted.
struct Installation : testing::TestInstallation {
    testing::ScriptedDialogs dialogs;
    testing::ScriptedRandom random;
    Installation() { writeDefaultPlayers(); }
    void answerAll() { for (int i = 0; i < 12; ++i) dialogs.expectAnyMessage(); }
};

// Slot 1 signed in with the horses above.
game::Session &signIn(int cash, int debt = 0, const QString &share = "You Have No Shares")
{
    game::PlayerRecord record;
    record.slot = 1, record.name = "Ann", record.cash = cash, record.debt = debt, record.share = share;
    std::copy(names.begin(), names.end(), record.horses.begin());
    game::session().signIn(record);
    return game::session();
}

// A bet of 50 on the horse, the messages answered.
void bet(game::Session &s, int horse) { game::tell(s.confirmStake("50")), s.chooseHorse(horse), game::tell(s.placeBet()); }

template <class W> W *in(QWidget *window, const char *name) { return window->findChild<W *>(QString::fromLatin1(name)); }

// The race book opened from the betting office's menu, and its book read.
RaceBookWindow *openBook(bool read = true)
{
    app::window<BettingOfficeWindow>()->findChild<QAction *>("mnuBook")->trigger();
    RaceBookWindow *window = app::existingWindow<RaceBookWindow>();
    [&] { QTRY_VERIFY(!read || in<QProgressBar>(window, "prgRead")->isHidden()); }();
    return window;
}
}  // namespace

class BookTest : public QObject {
    Q_OBJECT
private slots:
    // An ordinary race's settlement appends its row: the card as it was run, the bet, and every sum.
    void ordinaryRaceRow()
    {
        // owned: the horse of the player's share (0: none); draws: the owner's bill (chance, kind, amount), the drug test (chance, fine)
        const struct { int debt, owned; bool drugs; int backed, winner; QList<int> draws; QString row; } rows[] = {
            {0, 0, false, 3, 3, {}, "Mr Ed,50,Mr Ed,300,0,0,0,no,1300,0"},                 // won
            {500, 0, false, 1, 5, {}, "Red Rum,50,Black Beauty,0,0,0,0,no,950,628"},       // lost, with interest
            {0, 4, false, 1, 4, {2, 1, 1234}, "Red Rum,50,Whopper Meal With Fries,0,10000,1234,0,no,9716,0"},
            {0, 2, true, 2, 2, {1, 2, 15000}, "Desert Orchard,50,Desert Orchard,200,10000,0,15000,yes,-4800,0"}};
        for (const auto &[debt, owned, drugs, backed, winner, draws, row] : rows) {
            Installation installation;
            testing::ScriptedRandom &random = installation.random;
            const int odds[] = {2, 4, 6, 8, 50}, tops[] = {15, 25, 45, 75, 100, 4, 5, 2000};
            random.pushDraw(1, 5), random.push(0);  // the tip and the jockeys, then the card's odds
            for (int i = 0; i < 5; ++i)
                random.pushDraw(odds[i], tops[i]);
            game::session().openOffice("United Kingdom", true);
            game::Session &s = signIn(1000, debt, owned ? names[owned - 1] : "You Have No Shares");
            installation.answerAll(), bet(s, backed), s.startRace();
            if (owned && drugs)
                game::tell(s.acceptDrugs());
            else if (owned)
                s.declineDrugs();
            // The winner, the owner's bill, the next odds, the drug test.
            random.pushDraw(winner, 5);
            const int billDraws = owned ? (draws.value(0) == 2 ? 3 : 1) : 0;
            for (int i = 0; i < billDraws; ++i)
                random.pushDraw(draws[i], tops[5 + i]);
            for (int horse = 0; horse < 5; ++horse)
                random.push(0.0);
            if (drugs)
                random.pushDraw(draws[billDraws], 3), random.pushDraw(draws[billDraws + 1], 30000);
            s.startRunning();
            for (const auto race = s.race(); !race->winner();)
                for (int i = 0; i < 5 && !race->winner(); ++i)
                    race->tick((winner - 1 + i) % 5 + 1);
            game::tell(s.settleRace());
            QCOMPARE(random.remaining(), 0);
            QCOMPARE(onlyRow(installation), "race," + card + row);
            for (const QString &text : installation.dialogs.messageTexts())
                QVERIFY2(!text.contains("race book"), qPrintable(text));
        }
    }

    // A torn last row is cut off by the next append, garbage lines are skipped, names with commas,
    // quotes and line ends come back as they went in; a book read piece by piece, the pieces ending
    // anywhere (a blank line, bare CRs, a torn last row), reads as it does whole.
    void fileRepairedAndRead()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("book.csv");
        book::Row quoted = made(book::raceKind, {1, 2, 3, 4, 5}, 1, 1, 10, 20);
        quoted.horses[0] = quoted.winner = quoted.backed = "Mr \"Ed\", Jr\r\n";
        QVERIFY(book::appendRow(path, quoted).ok);
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append) && file.write("not,a,row\r\n2026-12-06T20:05:00,race,Red Ru") > 0);
        file.close();
        QVERIFY(book::appendRow(path, made(book::grandNationalKind, {1, 2, 3, 4, 5}, 2, 2, 10, 20)).ok);
        const book::Book appended = book::loadBook(path);
        QVERIFY(appended.races.size() == 2 && appended.skipped == 1);  // only the garbage line is left
        QFile torn(dir.filePath("torn.csv"));  // nothing but a torn row: the book starts again
        QVERIFY(torn.open(QIODevice::WriteOnly) && torn.write("2026-12-06T20:05:00,race,Red Ru") > 0);
        torn.close();
        QVERIFY(book::appendRow(torn.fileName(), quoted).ok);
        QVERIFY(book::loadBook(torn.fileName()).races.size() == 1 && book::loadBook(torn.fileName()).skipped == 0);
        QCOMPARE(book::rowFields(appended.row(appended.races[0])), book::rowFields(quoted));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("date,kind,horse1,odds1,") && bytes.endsWith(",no,1010,7\r\n"));
        QVERIFY(bytes.contains("\"Mr \"\"Ed\"\", Jr\r\n\",1,"));
        bytes = "\xEF\xBB\xBF" + book::encodeLine(book::headerFields()) + "\n";
        for (const book::Row &row : {quoted, made(book::grandNationalKind, {6, 7, 8, 9, 99}, 2, 3, 10, 0)})
            bytes += book::encodeLine(book::rowFields(row)).chopped(1) + "not,a,row\r";
        bytes += "2026-12-06T20:05:00,race,Red Ru";
        for (const qsizetype piece : {qsizetype(1), qsizetype(7), bytes.size()}) {
            book::BookReader reader;
            for (qsizetype at = 0; at < bytes.size(); at += piece)
                reader.feed(QByteArrayView(bytes).sliced(at, std::min(piece, bytes.size() - at)));
            const book::Book read = reader.finish();
            QCOMPARE(read.races.size(), 2);
            QCOMPARE(read.skipped, 3);  // one garbage line after each row, and the torn last one
            QCOMPARE(book::rowFields(read.row(read.races[0])), book::rowFields(quoted));
            QCOMPARE(read.name(read.races[1].backed), names[2]);
        }
    }

    // A book that is a link, a pipe or a folder is neither written through nor read, nor one too large
    // for the window; the settlement's message names the file, the window tells and shows nothing.
    void oddBooksRefused()
    {
        Installation installation;
        const QString path = installation.dataFile("user1book.csv"), target = installation.folder() + "/other";
        const QString link = "it is a link to another file, not a file of its own";
        const struct { const char *book; QString error; } rows[] = {
            {"link", link}, {"dangling link", link}, {"pipe", "it is not an ordinary file (a device or a pipe)"},
            {"folder", "it is a folder, not a file"},
            {"too large", "it is larger than 64 MB (some 400,000 races), more than the Race Book shows. Races are "
                          "still added to it; to start a new book, move user1book.csv out of the data folder, or "
                          "clear it with Clear Book."}};
        for (const auto &row : rows) {
            const QString book = row.book;
            QFile::remove(path), QDir().rmdir(path), QFile::remove(target);
            QFile file(book == "too large" ? path : target);
            QVERIFY(book == "dangling link" || book == "folder" || book == "pipe" ||
                    (file.open(QIODevice::WriteOnly) && file.write("date\r\ntorn")));
            if (book == "too large")
                QVERIFY(file.resize(book::bookSizeLimit + 1));  // sparse: nothing written
            file.close();
            QVERIFY(!book.contains("link") || QFile::link(target, path));
            QVERIFY(book != "folder" || QDir().mkdir(path));
            QVERIFY(book != "pipe" || mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
            QCOMPARE(book::loadBook(path).error, row.error);
            if (book == "too large")
                continue;
            QCOMPARE(book::recordRace(1, made(book::raceKind, {1, 2, 3, 4, 5}, 1, 1, 10, 20)),
                     "This race could not be written to your race book (user1book.csv): " + row.error);
            QCOMPARE(QFile::exists(target), book == "link");
            QVERIFY(book != "link" || (file.open(QIODevice::ReadOnly) && file.readAll() == "date\r\ntorn"));
        }
        // A read that fails part way (the kernel's own memory file stands in for a failing disk) is told.
        int pieces = 0;
        QCOMPARE(book::loadBook("/proc/self/mem", [&](qint64, qint64) { return ++pieces < 100; }).error,
                 "Input/output error");
        QFile::remove(path), QFile::link(target, path);
        testing::ScriptedDialogs &dialogs = installation.dialogs;
        dialogs.expectMessage("Your race book could not be read: " + link);
        signIn(1000);
        QPointer<RaceBookWindow> window = openBook();
        QCOMPARE(in<QTableView>(window, "tblRows")->model()->rowCount(), 0);
        VERIFY_DIALOGS(dialogs);
        window->close(), QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window = app::window<RaceBookWindow>();  // closed while it reads: the reading stops with the window
        window->close(), QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window);
    }

    // Shares won and promised, and the return per pound, band by band from a fixed set of rows.
    void oddsBands()
    {
        const int bands[][2] = {{1, 0}, {5, 0}, {6, 1}, {10, 1}, {11, 2}, {20, 2}, {21, 3}, {40, 3}, {41, 4}, {100, 4}};
        for (const auto &band : bands)
            QCOMPARE(book::oddsBand(band[0]), band[1]);
        const QList<book::Row> rows = {made(book::raceKind, {2, 7, 15, 30, 60}, 1, 1, 10, 20),
                                       made(book::raceKind, {0, 10, 20, 40, 41}, 5, 1, 10, 0),  // 0/1 by hand
                                       made(book::grandNationalKind, {1, 6, 11, 21, 100}, 2, 2, 100, 600),
                                       made(book::raceKind, {3, 3, 3, 3, 3}, 3, 0, 0, 0)};
        const book::OddsFigures figures = book::oddsFigures(bookOf(rows));
        // runners, wins, bets, staked, returned
        const int expected[][5] = {{8, 2, 2, 20, 30}, {3, 1, 1, 100, 600}, {3, 0, 0, 0, 0}, {3, 0, 0, 0, 0},
                                   {3, 1, 0, 0, 0}, {20, 4, 3, 120, 630}};
        for (int band = 0; band <= book::bandCount; ++band) {
            const book::BandFigures &f = band < book::bandCount ? figures.bands[band] : figures.overall;
            const int *e = expected[band];
            QVERIFY2(f.runners == e[0] && f.wins == e[1] && f.bets == e[2] && f.staked == e[3] && f.returned == e[4],
                     qPrintable(book::bandName(band)));
        }
        QCOMPARE(figures.bands[0].promised, (2.25 + 1 - 1.0 / 6) / 8);
        QCOMPARE(figures.bands[0].returnPerPound(), 1.5);
        QCOMPARE(figures.overall.returnPerPound(), 5.25);
        // A race as the book keeps it: a win needs the backed horse named the winner; a win returns the
        // stake with the winnings, except in the Grand National, which took the stake at Confirm.
        using book::Race;
        QVERIFY(!(Race{.backed = 1}).won() && (Race{.backed = 1, .winner = 1}).won());
        QVERIFY((Race{.backed = 1, .winner = 1, .winnings = 40}).returned() == 40 &&
                (Race{.backed = 1, .winner = 1, .stake = 10, .winnings = 40}).returned() == 50);
        QCOMPARE((Race{.backed = 1, .winner = 1, .stake = 10, .winnings = 40, .grandNational = true}).returned(), 40);
    }

    // The book's table of names gives a name the number it had, however many came after it; the
    // empty name (no horse backed) is always 0.
    void namesTable()
    {
        book::Names names;
        for (int i = 1; i <= 300; ++i)
            QCOMPARE(names.add(QString::number(i)), quint32(i));
        for (int i = 300; i >= 1; --i)
            QVERIFY(names.add(QString::number(i)) == quint32(i) && names.find(QString::number(i)) == i);
        QVERIFY(names.add(QString()) == 0 && names.size() == 301 && names.find(QStringLiteral("301")) == -1);
    }

    // The odds chart's axis reaches over its largest bar, the race axis shows whole race numbers once
    // each and the money axis whole sums once each, the Cash column holds its widest sum wherever it
    // is in the book, and an empty book (no row for a race called off) says how it fills.
    void windowChartsAndColumns()
    {
        const QString big = "-1500000000 -1000000000 -500000000 0 500000000";
        const struct { int races; QString status, raceLabels, moneyLabels; double oddsCeiling; } rows[] = {
            {0, "No races yet: every race you run, the Grand National too, is written here when it is settled.", "1 2", "0 1", 50},
            {3, "3 races", "1 2 3", big, 70}, {400, "400 races", "50 100 150 200 250 300 350 400", big, 70}};
        for (const auto &[races, status, raceLabels, moneyLabels, oddsCeiling] : rows) {
            Installation installation;
            app::window<BettingOfficeWindow>();
            game::Session &s = signIn(1000);
            if (!races) {  // a race called off before its start (its window closed) writes no row
                installation.answerAll(), bet(s, 1), s.startRace();
                RaceWindow *race = app::existingWindow<RaceWindow>();
                QVERIFY(race && race->close() && !installation.dataExists("user1book.csv"));
            }
            // The horse at 1-5 wins two races in three: 66.7%.
            const std::array<int, 5> cards[] = {{2, 7, 15, 30, 60}, {3, 10, 20, 40, 41}, {4, 8, 12, 25, 50}};
            QList<book::Row> written;
            for (int i = 0; i < races; ++i)
                written << made(book::raceKind, cards[i % 3], i % 3 == 2 ? 2 : 1, 1, 10, 0);
            if (races)
                written.last().cash = -1234567890, bookOf(written, installation.dataFile("user1book.csv"));
            RaceBookWindow *window = openBook();
            QCOMPARE(in<QLabel>(window, "lblStatus")->text(), status);
            QCOMPARE(static_cast<QValueAxis *>(in<QChartView>(window, "chtOdds")->chart()->axes(Qt::Vertical)[0])->max(), oddsCeiling);
            QChartView *money = in<QChartView>(window, "chtMoney");
            in<QTabWidget>(window, "tabBook")->setCurrentWidget(money);
            QApplication::processEvents();
            // The labels under the plot left to right, and those left of it bottom to top.
            const QRectF plot = money->chart()->plotArea();
            QMultiMap<double, QString> under, beside;
            for (QGraphicsItem *item : money->scene()->items()) {
                const auto *text = qgraphicsitem_cast<QGraphicsTextItem *>(item);
                if (!text || !text->isVisible() || text->toPlainText().isEmpty() || text->toPlainText() == "Race")
                    continue;
                const QRectF at = text->sceneBoundingRect();
                if (at.top() >= plot.bottom())
                    under.insert(at.left(), text->toPlainText());
                else if (at.right() <= plot.left())
                    beside.insert(-at.top(), text->toPlainText());
            }
            QCOMPARE(under.values().join(' '), raceLabels);
            QCOMPARE(beside.values().join(' '), moneyLabels);
            if (races) {
                QTableView *table = in<QTableView>(window, "tblRows");
                const QString cash = table->model()->index(races - 1, book::BookModel::Cash).data().toString();
                QVERIFY2(table->columnWidth(book::BookModel::Cash) > table->fontMetrics().horizontalAdvance(cash), qPrintable(cash));
            }
        }
    }

    // The window: the damaged line told, filtering by kind and horse, sorting on money, the visible
    // rows exported and read back, the book cleared; log off closes it.
    void windowFilterSortExport()
    {
        Installation installation;
        signIn(1000);
        const QString path = installation.dataFile("user1book.csv");
        QList<book::Row> rows = {made(book::raceKind, {2, 7, 15, 30, 60}, 1, 1, 10, 20),
                                       made(book::raceKind, {5, 10, 20, 40, 41}, 5, 1, 500, 0),
                                       made(book::grandNationalKind, {1, 6, 11, 21, 100}, 2, 2, 100, 600),
                                       made(book::raceKind, {3, 3, 3, 3, 3}, 3, 2, 40, 0)};
        rows[3].drug = true;
        bookOf(rows, path, "2026-12-06T20:05:00,race,Red Ru");
        testing::ScriptedDialogs &dialogs = installation.dialogs;
        dialogs.expectMessage("Your race book is damaged: 1 line could not be read and was skipped.");
        QPointer<RaceBookWindow> window = openBook(false);
        QVERIFY(window && window->isVisible());
        // Read in the background: the progress shown, nothing of the book yet, then all of it.
        QTableView *table = in<QTableView>(window, "tblRows");
        QPushButton *clear = in<QPushButton>(window, "cmdClear");
        QVERIFY(!in<QProgressBar>(window, "prgRead")->isHidden() && !clear->isEnabled());
        QCOMPARE(table->model()->rowCount(), 0);
        QTRY_VERIFY(in<QProgressBar>(window, "prgRead")->isHidden() && clear->isEnabled());
        QCOMPARE(in<QLabel>(window, "lblStatus")->text(), "4 races; 1 damaged line skipped");
        QCOMPARE(table->model()->rowCount(), 4);
        QCOMPARE(table->model()->index(0, book::BookModel::Stake).data().toString(), "£10");  // in the order run
        in<QComboBox>(window, "cboKind")->setCurrentText(book::raceKind);
        QCOMPARE(table->model()->rowCount(), 3);
        in<QComboBox>(window, "cboHorse")->setCurrentText(names[1]);
        QCOMPARE(table->model()->rowCount(), 1);
        in<QComboBox>(window, "cboHorse")->setCurrentIndex(0);
        table->sortByColumn(book::BookModel::Stake, Qt::DescendingOrder);
        QCOMPARE(table->model()->index(0, book::BookModel::Stake).data().toString(), "£500");
        QCOMPARE(table->model()->index(2, book::BookModel::Stake).data().toString(), "£10");
        const QString exported = installation.folder() + "/export.csv";
        RaceBookWindow::exportPathSeam() = [exported](QWidget *) { return exported; };
        dialogs.expectMessage("3 races exported.");
        in<QPushButton>(window, "cmdExport")->click();
        const book::Book read = book::loadBook(exported);
        QCOMPARE(read.races.size(), 3);
        for (const int i : {0, 1, 2})
            QCOMPARE(book::rowFields(read.row(read.races[i])), book::rowFields(rows[QList<int>{1, 3, 0}[i]]));
        // Texts sort as texts.
        in<QComboBox>(window, "cboKind")->setCurrentIndex(0);
        table->sortByColumn(book::BookModel::Kind, Qt::AscendingOrder);
        QCOMPARE(table->model()->index(0, book::BookModel::Kind).data().toString(), "grand national");
        table->sortByColumn(book::BookModel::Drug, Qt::DescendingOrder);
        QCOMPARE(table->model()->index(0, book::BookModel::Stake).data().toString(), "£40");
        for (const auto answer : {platform::Answer::No, platform::Answer::Yes}) {
            dialogs.expectMessage("Clear your race book? Every race in it is removed for good.", answer);
            clear->click();
            QCOMPARE(QFile::exists(path), answer == platform::Answer::No);
            QTRY_VERIFY(in<QProgressBar>(window, "prgRead")->isHidden());
            QCOMPARE(table->model()->rowCount(), answer == platform::Answer::No ? 4 : 0);
        }
        dialogs.expectMessage("Are You Sure You Wish To Log Off?", platform::Answer::Yes);
        app::existingWindow<BettingOfficeWindow>()->findChild<QAction *>("diffuser")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window);
        VERIFY_DIALOGS(dialogs);
    }
};
PADDOX_TEST(BookTest)

#include "book_test.moc"
