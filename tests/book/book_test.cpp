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

#include <QtWidgets>

namespace {
const QStringList names = {"Red Rum", "Desert Orchard", "Mr Ed", "Whopper Meal With Fries", "Black Beauty"};
const QString card = "Red Rum,2,Desert Orchard,4,Mr Ed,6,Whopper Meal With Fries,8,Black Beauty,50,";

// The fields of the only row in slot 1's book, without its date.
QString onlyRow(const testing::TestInstallation &installation)
{
    const book::Book read = book::loadBook(installation.dataFile("user1book.csv"));
    if (read.rows.size() != 1 || read.skipped || !read.rows[0].when.isValid())
        return QStringLiteral("%1 rows, %2 skipped").arg(read.rows.size()).arg(read.skipped);
    return book::rowFields(read.rows[0]).mid(1).join(',');
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
        Form2 *office = app::window<Form2>();
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
        Form4 *race = app::window<Form4>();
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
        app::window<Form2>()->Label23->setText("1");
        QVERIFY(app::window<Form4>()->close());
        QVERIFY(!installation.dataExists("user1book.csv"));
    }

    // The Grand National appends its own kind of row: its card, the prize of the owned horse, the charge.
    void grandNationalRow()
    {
        testing::TestInstallation installation;
        installation.writeDefaultPlayers();
        Form2 *office = app::window<Form2>();
        testing::ScriptedDialogs dialogs;
        testing::ScriptedRandom random;
        office->Label23->setText("1"), office->curr->setText("€"), office->txtuser->setText("Ann");
        office->Text1->setText("31000"), office->Text2->setText("1000"), office->Label16->setText("Red Rum");
        const int tops[] = {150, 250, 450, 750, 1000};
        for (int i = 0; i < 5; ++i)
            random.pushDraw(i + 2, tops[i]);
        random.pushDraw(1, 5);
        office->sendgn->trigger();
        FrmGrand *betting = app::existingWindow<FrmGrand>();
        betting->Text3->setEditText("100");
        betting->Command1->click();
        betting->runner(2)->click();
        betting->Command3->click(), betting->Command2->click();
        QPointer<Frmgrandrace> race = app::existingWindow<Frmgrandrace>();
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
        QVERIFY(read.rows.size() == 1 && read.skipped == 2);
        QVERIFY(book::appendRow(path, made(book::grandNationalKind, {1, 2, 3, 4, 5}, 2, 2, 10, 20)).ok);
        read = book::loadBook(path);
        QVERIFY(read.rows.size() == 2 && read.skipped == 1);  // only the garbage line is left
        QCOMPARE(book::rowFields(read.rows[0]), book::rowFields(quoted));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("date,kind,horse1,odds1,") && bytes.endsWith(",no,1010,7\r\n"));
        QVERIFY(bytes.contains("\"Mr \"\"Ed\"\", Jr\",1,"));
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
        const book::OddsFigures figures = book::oddsFigures(rows);
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

    // The window: the damaged line told, filtering by kind and horse, sorting on money, the visible
    // rows exported and read back; log off closes it.
    void windowFilterSortExport()
    {
        testing::TestInstallation installation;
        installation.writeDefaultPlayers();
        Form2 *office = app::window<Form2>();
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
        QPointer<frmbook> window = app::existingWindow<frmbook>();
        QVERIFY(window && window->isVisible());
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
        frmbook::exportPathSeam() = [exported](QWidget *) { return exported; };
        dialogs.expectMessage("3 races exported.");
        window->cmdExport->click();
        const book::Book read = book::loadBook(exported);
        QCOMPARE(read.rows.size(), 3);
        for (const int i : {0, 1, 2})
            QCOMPARE(book::rowFields(read.rows[i]), book::rowFields(rows[QList<int>{1, 3, 0}[i]]));
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
