// The race book: the row each settlement appends, the file's repair after a torn row, the odds
// figures, and the window's filter, sort and export.
#include "app/window_registry.h"
#include "book/race_book.h"
#include "book/race_book_window.h"
#include "office/betting_office_window.h"
#include "race/grand_national_race_window.h"
#include "race/grand_national_window.h"
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

// A book file of these rows, read.
book::Book bookOf(const QList<book::Row> &rows, const QString &path = {})
{
    QTemporaryDir dir;
    QFile file(path.isEmpty() ? dir.filePath("book.csv") : path);
    QByteArray bytes = book::encodeLine(book::headerFields());
    for (const book::Row &row : rows)
        bytes += book::encodeLine(book::rowFields(row));
    file.open(QIODevice::WriteOnly), file.write(bytes), file.close();
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
}  // namespace

class BookTest : public QObject {
    Q_OBJECT
private slots:
    // An ordinary race's settlement appends its row: the card as it was run, the bet, and every sum.
    void ordinaryRaceRow_data()
    {
        QTest::addColumn<QString>("debt");
        QTest::addColumn<int>("backed");
        QTest::addColumn<int>("winner");
        QTest::addColumn<QString>("share");
        QTest::addColumn<bool>("drug");
        QTest::addColumn<QList<int>>("draws");  // charge chance, kind, amount; then drug test and fine
        QTest::addColumn<QString>("row");
        QTest::newRow("won") << "0" << 3 << 3 << "You Have No Shares" << false << QList<int>{}
                             << "race," + card + "Mr Ed,50,Mr Ed,350,0,0,0,no,1350,0";
        QTest::newRow("lost, with interest") << "500" << 1 << 5 << "You Have No Shares" << false << QList<int>{}
                                             << "race," + card + "Red Rum,50,Black Beauty,0,0,0,0,no,950,628";
        QTest::newRow("owner's prize and charge") << "0" << 1 << 4 << names[3] << false << QList<int>{2, 1, 1234}
            << "race," + card + "Red Rum,50,Whopper Meal With Fries,0,10000,1234,0,no,9716,0";
        QTest::newRow("drugged and fined") << "0" << 2 << 2 << "You Have No Shares" << true << QList<int>{2, 15000}
            << "race," + card + "Desert Orchard,50,Desert Orchard,350,0,0,15000,yes,-13650,0";
    }
    void ordinaryRaceRow()
    {
        QFETCH(QList<int>, draws);
        testing::TestInstallation installation;
        installation.writeDefaultPlayers();
        BettingOfficeWindow *office = app::window<BettingOfficeWindow>();
        testing::ScriptedDialogs dialogs;
        testing::ScriptedRandom random;
        office->Label23->setText("1"), office->curr->setText("£"), office->Text1->setText("1000");
        QFETCH(QString, debt);
        QFETCH(QString, share);
        QFETCH(int, backed);
        office->Text2->setText(debt), office->Label16->setText(share), office->Label14->setText(names[backed - 1]);
        office->Label10->setText("50"), office->Label12->setText("350");
        const int odds[] = {2, 4, 6, 8, 50};
        for (int horse = 1; horse <= 5; ++horse) {
            office->horseOption(horse)->setText(names[horse - 1]);
            office->oddsLabel(horse)->setText(QString::number(odds[horse - 1]));
        }
        RaceWindow *race = app::window<RaceWindow>();
        QFETCH(bool, drug);
        race->Text1->setText(drug ? "1" : "0");
        const int tops[] = {4, 5, 2000};
        for (int i = 0; !drug && i < draws.size(); ++i)
            random.pushDraw(draws[i], tops[i]);
        for (int horse = 0; horse < 5; ++horse)
            random.push(0.0);  // the next odds
        if (drug)
            random.pushDraw(draws[0], 3), random.pushDraw(draws[1], 30000);
        QFETCH(int, winner);
        race->winningHorse = short(winner);
        race->Command3_Click();
        QTEST(onlyRow(installation), "row");
        for (const QString &text : dialogs.messageTexts())
            QVERIFY2(!text.contains("race book"), qPrintable(text));
    }

    // A race closed before its start is called off: no row.
    void noRowBeforeStart()
    {
        testing::TestInstallation installation;
        installation.writeDefaultPlayers();
        app::window<BettingOfficeWindow>()->Label23->setText("1");
        QVERIFY(app::window<RaceWindow>()->close());
        QVERIFY(!installation.dataExists("user1book.csv"));
    }

    // The Grand National appends its own kind of row: its card, the prize of the owned horse, the charge.
    void grandNationalRow()
    {
        testing::TestInstallation installation;
        installation.writeDefaultPlayers();
        BettingOfficeWindow *office = app::window<BettingOfficeWindow>();
        testing::ScriptedDialogs dialogs;
        testing::ScriptedRandom random;
        office->Label23->setText("1"), office->curr->setText("€"), office->txtuser->setText("Ann");
        office->Text1->setText("31000"), office->Text2->setText("1000"), office->Label16->setText("Red Rum");
        const int tops[] = {150, 250, 450, 750, 1000};
        for (int i = 0; i < 5; ++i)
            random.pushDraw(i + 2, tops[i]);
        random.pushDraw(1, 5);
        office->sendgn->trigger();
        GrandNationalWindow *betting = app::existingWindow<GrandNationalWindow>();
        betting->Text3->setEditText("100");
        betting->Command1->click();
        betting->runner(2)->click();
        betting->Command3->click(), betting->Command2->click();
        QPointer<GrandNationalRaceWindow> race = app::existingWindow<GrandNationalRaceWindow>();
        for (int lane = 2; lane <= 5; ++lane)  // every other horse passes 4500, then Red Rum the post
            for (int move = 0; move < 88; ++move)
                random.pushDraw(lane, 300), random.pushDraw(50, 50);
        for (int move = 0; move < 161; ++move)
            random.pushDraw(1, 300), random.pushDraw(50, 50);
        random.pushDraw(2, 4), random.pushDraw(3, 5), random.pushDraw(20000, 20000);
        race->Command1_Click();
        for (int frames = 0; race && !race->isHidden() && frames < 2000; ++frames)
            race->tmrPlayback_Timer();
        QCOMPARE(onlyRow(installation), "grand national,Red Rum,2,Super Z,3,Runaway Heaven,4,Xtra Mile,5,"
                                        "Billy's Dream,6,Super Z,100,Red Rum,0,1000000,20000,0,no,980900,1255");
    }

    // A torn last row is skipped on reading and cut off by the next append; garbage lines are skipped;
    // names with commas and quotes come back as they went in.
    void tornRowRepaired()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("book.csv");
        book::Row quoted = made(book::raceKind, {1, 2, 3, 4, 5}, 1, 1, 10, 20);
        quoted.horses[0] = quoted.winner = quoted.backed = "Mr \"Ed\", Jr";
        QVERIFY(book::appendRow(path, quoted).ok);
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        file.write("not,a,row\r\n2026-12-06T20:05:00,race,Red Ru");
        file.close();
        book::Book read = book::loadBook(path);
        QVERIFY(read.races.size() == 1 && read.skipped == 2);
        QVERIFY(book::appendRow(path, made(book::grandNationalKind, {1, 2, 3, 4, 5}, 2, 2, 10, 20)).ok);
        read = book::loadBook(path);
        QVERIFY(read.races.size() == 2 && read.skipped == 1);  // only the garbage line is left
        QCOMPARE(book::rowFields(read.row(read.races[0])), book::rowFields(quoted));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("date,kind,horse1,odds1,") && bytes.endsWith(",no,1010,7\r\n"));
        QVERIFY(bytes.contains("\"Mr \"\"Ed\"\", Jr\",1,"));
    }

    // A book that is a link, a pipe or a folder is neither written through nor read, nor one too large
    // for the window; the settlement's message names the file, the window tells and shows nothing.
    void oddBooksRefused()
    {
        testing::TestInstallation installation;
        installation.writeDefaultPlayers();
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
        QFile::remove(path), QFile::link(target, path);
        testing::ScriptedDialogs dialogs;
        dialogs.expectMessage("Your race book could not be read: " + link);
        app::window<BettingOfficeWindow>()->Label23->setText("1");
        QPointer<RaceBookWindow> window = app::window<RaceBookWindow>();
        window->finishLoading();
        QCOMPARE(window->filter->rowCount(), 0);
        VERIFY_DIALOGS(dialogs);
        // Closed while it reads: the reading stops with the window.
        window->loadBook(), window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window);
    }

    // A book read piece by piece, the pieces ending anywhere, reads as it does whole.
    void readInPieces()
    {
        QByteArray bytes = "\xEF\xBB\xBF" + book::encodeLine(book::headerFields()) + "\n";
        book::Row quoted = made(book::raceKind, {1, 2, 3, 4, 5}, 1, 1, 10, 20);
        quoted.horses[0] = quoted.winner = quoted.backed = "Mr \"Ed\", Jr\r\n";
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

    // Shares won and promised, and the return per pound, band by band from a fixed set of rows.
    void oddsBands()
    {
        const int bands[][2] = {{1, 0}, {5, 0}, {6, 1}, {10, 1}, {11, 2}, {20, 2}, {21, 3}, {40, 3}, {41, 4}, {100, 4}};
        for (const auto &band : bands)
            QCOMPARE(book::oddsBand(band[0]), band[1]);
        const QList<book::Row> rows = {made(book::raceKind, {2, 7, 15, 30, 60}, 1, 1, 10, 20),
                                       made(book::raceKind, {5, 10, 20, 40, 41}, 5, 1, 10, 0),
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
        QCOMPARE(figures.bands[0].promised, 2.25 / 8);
        QCOMPARE(figures.bands[0].returnPerPound(), 1.5);
        QCOMPARE(figures.overall.returnPerPound(), 5.25);
    }

    // The odds chart's axis reaches over its largest bar, the race axis shows whole race numbers once
    // each, the Cash column holds its widest sum wherever it is in the book, and an empty book says
    // how it fills.
    void windowChartsAndColumns_data()
    {
        QTest::addColumn<int>("races");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("raceLabels");
        QTest::addColumn<double>("oddsCeiling");
        QTest::newRow("empty") << 0 << "No races yet: every race you run, the Grand National too, is written here "
                                       "when it is settled." << "1 2" << 50.0;
        QTest::newRow("three") << 3 << "3 races" << "1 2 3" << 70.0;
        QTest::newRow("400") << 400 << "400 races" << "50 100 150 200 250 300 350 400" << 70.0;
    }
    void windowChartsAndColumns()
    {
        QFETCH(int, races);
        testing::TestInstallation installation;
        installation.writeDefaultPlayers();
        BettingOfficeWindow *office = app::window<BettingOfficeWindow>();
        office->Label23->setText("1"), office->curr->setText("£");
        // The horse at 1-5 wins two races in three: 66.7%.
        const std::array<int, 5> cards[] = {{2, 7, 15, 30, 60}, {3, 10, 20, 40, 41}, {4, 8, 12, 25, 50}};
        QList<book::Row> rows;
        for (int i = 0; i < races; ++i)
            rows << made(book::raceKind, cards[i % 3], i % 3 == 2 ? 2 : 1, 1, 10, 0);
        if (races)
            rows.last().cash = -1234567890, bookOf(rows, installation.dataFile("user1book.csv"));
        office->mnuBook->trigger();
        RaceBookWindow *window = app::existingWindow<RaceBookWindow>();
        window->finishLoading();
        QTEST(window->lblStatus->text(), "status");
        QTEST(static_cast<QValueAxis *>(window->chtOdds->chart()->axes(Qt::Vertical)[0])->max(), "oddsCeiling");
        window->tabBook->setCurrentWidget(window->chtMoney);
        QApplication::processEvents();
        QStringList labels;  // the race axis's, left to right
        const QRectF plot = window->chtMoney->chart()->plotArea();
        QList<QGraphicsItem *> items = window->chtMoney->scene()->items(Qt::AscendingOrder);
        std::sort(items.begin(), items.end(), [](auto *a, auto *b) { return a->scenePos().x() < b->scenePos().x(); });
        for (QGraphicsItem *item : items) {
            auto *text = qgraphicsitem_cast<QGraphicsTextItem *>(item);
            if (text && text->isVisible() && text->sceneBoundingRect().top() >= plot.bottom() &&
                text->toPlainText() != "Race")
                labels << text->toPlainText();
        }
        QTEST(labels.join(' '), "raceLabels");
        if (races) {
            const QString cash = window->model->index(races - 1, book::BookModel::Cash).data().toString();
            QVERIFY2(window->tblRows->columnWidth(book::BookModel::Cash) >
                         window->tblRows->fontMetrics().horizontalAdvance(cash), qPrintable(cash));
        }
    }

    // The window: the damaged line told, filtering by kind and horse, sorting on money, the visible
    // rows exported and read back; log off closes it.
    void windowFilterSortExport()
    {
        testing::TestInstallation installation;
        installation.writeDefaultPlayers();
        BettingOfficeWindow *office = app::window<BettingOfficeWindow>();
        office->Label23->setText("1"), office->curr->setText("£");
        const QString path = installation.dataFile("user1book.csv");
        const QList<book::Row> rows = {made(book::raceKind, {2, 7, 15, 30, 60}, 1, 1, 10, 20),
                                       made(book::raceKind, {5, 10, 20, 40, 41}, 5, 1, 500, 0),
                                       made(book::grandNationalKind, {1, 6, 11, 21, 100}, 2, 2, 100, 600),
                                       made(book::raceKind, {3, 3, 3, 3, 3}, 3, 2, 40, 0)};
        for (const book::Row &row : rows)
            QVERIFY(book::appendRow(path, row).ok);
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append) && file.write("2026-12-06T20:05:00,race,Red Ru"));
        file.close();
        testing::ScriptedDialogs dialogs;
        dialogs.expectMessage("Your race book is damaged: 1 line could not be read and was skipped.");
        office->mnuBook->trigger();
        QPointer<RaceBookWindow> window = app::existingWindow<RaceBookWindow>();
        QVERIFY(window && window->isVisible());
        // Read in the background: the progress shown, nothing of the book yet, then all of it.
        QVERIFY(!window->prgRead->isHidden() && !window->cmdClear->isEnabled());
        QCOMPARE(window->filter->rowCount(), 0);
        window->finishLoading();
        QVERIFY(window->prgRead->isHidden() && window->cmdClear->isEnabled());
        QCOMPARE(window->lblStatus->text(), "4 races; 1 damaged line skipped");
        QCOMPARE(window->filter->rowCount(), 4);
        window->cboKind->setCurrentText(book::raceKind);
        QCOMPARE(window->filter->rowCount(), 3);
        window->cboHorse->setCurrentText(names[1]);
        QCOMPARE(window->filter->rowCount(), 1);
        window->cboHorse->setCurrentIndex(0);
        window->tblRows->sortByColumn(book::BookModel::Stake, Qt::DescendingOrder);
        QCOMPARE(window->filter->index(0, book::BookModel::Stake).data().toString(), "£500");
        QCOMPARE(window->filter->index(2, book::BookModel::Stake).data().toString(), "£10");
        const QString exported = installation.folder() + "/export.csv";
        RaceBookWindow::exportPathSeam() = [exported](QWidget *) { return exported; };
        dialogs.expectMessage("3 races exported.");
        window->cmdExport->click();
        const book::Book read = book::loadBook(exported);
        QCOMPARE(read.races.size(), 3);
        for (const int i : {0, 1, 2})
            QCOMPARE(book::rowFields(read.row(read.races[i])), book::rowFields(rows[QList<int>{1, 3, 0}[i]]));
        for (const auto answer : {platform::Answer::No, platform::Answer::Yes}) {
            dialogs.expectMessage("Clear your race book? Every race in it is removed for good.", answer);
            window->cmdClear->click();
            QCOMPARE(QFile::exists(path), answer == platform::Answer::No);
            QCOMPARE(window->filter->rowCount(), answer == platform::Answer::No ? 3 : 0);
        }
        dialogs.expectMessage("Are You Sure You Wish To Log Off?", platform::Answer::Yes);
        office->diffuser_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window);
        VERIFY_DIALOGS(dialogs);
    }
};
PADDOX_TEST(BookTest)

#include "book_test.moc"
