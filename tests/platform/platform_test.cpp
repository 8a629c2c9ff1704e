// The desktop layer: numbers and money, the one-line files, random draws, twips,
// the silent and the real dialogs and ending the program.
#include "platform/conversions.h"
#include "platform/dialogs.h"
#include "platform/intervals.h"
#include "platform/program.h"
#include "platform/random.h"
#include "platform/text_files.h"
#include "platform/twips.h"
#include "platform/widgets/qt_dialogs.h"
#include "support/scripted_random.h"
#include "support/test_main.h"

#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <unistd.h>

using namespace platform;

namespace {
constexpr Money top = 2147483647, bottom = -top - 1;
constexpr double none = std::numeric_limits<double>::quiet_NaN();  // not a number at all
constexpr int ok = int(MoneyStatus::Ok), bad = int(MoneyStatus::NotANumber), out = int(MoneyStatus::OutOfRange);

// A key as the keyboard sends it to the focused widget: 'p' its press, 'u' its release, 'r' one
// repeat (a release and a press at one moment, both marked auto-repeat, as a held key sends them),
// 'x' the same unmarked, as they sometimes come from an X server. Each stroke comes a moment later.
struct Stroke { int key; char kind; };
void send(QWidget *box, const QList<Stroke> &strokes)
{
    static ulong moment = 1000;
    for (const auto &[code, kind] : strokes) {
        const int key = code & ~Qt::KeyboardModifierMask;
        const auto modifiers = Qt::KeyboardModifiers(code & Qt::KeyboardModifierMask);
        const QString text = key == Qt::Key_Space || (key >= Qt::Key_A && key <= Qt::Key_Z) ? QString(QChar(key)).toLower()
                                                                                           : QString();
        moment += 40;
        for (const bool press : {false, true}) {
            QWidget *target = box->focusWidget() ? box->focusWidget() : box;
            QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, modifiers, text, kind == 'r');
            event.setTimestamp(moment);
            if (press ? kind != 'u' && !qt_sendShortcutOverrideEvent(target, moment, key, modifiers, text, kind == 'r')
                      : kind != 'p')
                QApplication::sendEvent(target, &event);
        }
    }
}
}  // namespace

class PlatformTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString file(const QString &name) const { return dir.filePath(name); }

private slots:
    // What the player typed or a file holds: the number read, the money it makes, its leading number.
    void numbers()
    {
        const struct { QString text; double number; int status; Money money; double leading; } rows[] = {
            {"500", 500, ok, 500, 500}, {" -5", -5, ok, -5, -5}, {"76.5", 76, ok, 76, 76}, {"+127.5", 128, ok, 128, 128},
            {"1e3", 1e3, ok, 1000, 1e3}, {"2147483647", top, ok, top, top}, {"-2147483648", bottom, ok, bottom, bottom},
            {"2147483648", 2147483648., out, 0, 2147483648.}, {"-2147483649", -2147483649., out, 0, -2147483649.},
            {QString(399, ' ') + "5", 5, ok, 5, 5}, {QString(400, ' ') + "5", none, bad, 0, 0},  // 400 characters
            {"2.5kg", none, bad, 0, 2}, {"10,000", none, bad, 0, 10}, {"", none, bad, 0, 0}, {"   ", none, bad, 0, 0},
            {"Enter Your Stake......", none, bad, 0, 0}, {"abc50", none, bad, 0, 0}, {"£50", none, bad, 0, 0},
            {"-", none, bad, 0, 0}, {"1e999", none, bad, 0, 0}, {"inf", none, bad, 0, 0}, {"nan", none, bad, 0, 0}};
        for (const auto &row : rows) {
            const MoneyRead read = readMoney(row.text);
            QCOMPARE(wholeNumber(row.text).value_or(none), row.number);
            QVERIFY2(int(read.status) == row.status && read.ok() == (row.status == ok), qPrintable(row.text));
            QCOMPARE(read.value, row.money);
            QCOMPARE(leadingNumber(row.text), row.leading);
        }
    }

    // Checked sums give nothing past the limits; held sums stop there and say so.
    void sums()
    {
        const struct { char op; Money a, b; bool fits; Money result; } rows[] = {
            {'+', 500, 2000, true, 2500},   {'+', top, 1, false, top},   {'+', top - 20000, 20000, true, top},
            {'-', bottom, 1, false, bottom}, {'-', 0, top, true, -top}, {'-', bottom + 5, 30000, false, bottom}};
        for (const auto &row : rows) {
            bool held = false;
            const auto checked = row.op == '+' ? checkedAdd(row.a, row.b) : checkedSub(row.a, row.b);
            QCOMPARE(row.op == '+' ? heldAdd(row.a, row.b, &held) : heldSub(row.a, row.b, &held), row.result);
            QCOMPARE(held, !row.fits);
            QCOMPARE(checked.value_or(-1), row.fits ? row.result : -1);
        }
        bool held = false;
        QCOMPARE(heldMoney(1e12, &held), top);
        QCOMPARE(heldAdd(1, 1, &held), 2);
        QVERIFY(held);  // once set it stays set: a settlement says so once, at its end
    }

    // Reads: CR LF, LF or no line end (a doubled CR is still the line end), the last line counts; UTF-8
    // or Windows-1252. Writes: one line, then CR LF; a number line has a blank (or minus) before and a
    // blank after.
    void files()
    {
        const struct { QByteArray bytes; QString line; } reads[] = {  // a null line: the file holds none
            {"500\r\n", "500"}, {"500\n", "500"}, {"a\nb\r\nc", "c"}, {"500\r\n\r\n", ""}, {"", QString()},
            {" 1 \r\n", " 1 "}, {"7\r\r\n", "7"}, {"Caf\xc3\xa9\r\n", "Café"}, {"\xa3\x35\x30 \x80\r\n", "£50 €"}};
        for (const auto &row : reads) {
            QFile f(file("f.pdx"));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(row.bytes) == row.bytes.size());
            f.close();
            const ReadResult read = readLastLine(file("f.pdx"));
            QVERIFY(read.opened && read.lastLine.has_value() == !row.line.isNull());
            QCOMPARE(read.lastLine.value_or(QString()), row.line);
        }
        const ReadResult missing = readLastLine(file("nothing-here.pdx"));
        QVERIFY(!missing.opened && !missing.error.isEmpty());
        QVERIFY(writeTextLine(file("1.pdx"), "You Have No Shares").ok && writeTextLine(file("2.pdx"), "").ok);
        QVERIFY(writeTextLine(file("3.pdx"), "€").ok && writeNumberLine(file("4.pdx"), 1).ok);
        QVERIFY(writeNumberLine(file("5.pdx"), -42).ok);
        QByteArray written;
        for (const char *name : {"1.pdx", "2.pdx", "3.pdx", "4.pdx", "5.pdx"}) {
            QFile f(file(name));
            written += f.open(QIODevice::ReadOnly) ? f.readAll() : "<missing>";
        }
        QCOMPARE(written, QByteArray("You Have No Shares\r\n\r\n\xe2\x82\xac\r\n 1 \r\n-42 \r\n"));
        // Started with no standard input (as some launchers start it), a file is handed descriptor 0.
        const int input = ::dup(0);
        ::close(0);
        const ReadResult first = readLastLine(file("1.pdx"));
        if (input >= 0)
            ::dup2(input, 0), ::close(input);
        QCOMPARE(first.lastLine.value_or("<unread>"), "You Have No Shares");
        // A folder in the way, or a folder that is not there: the write fails and says why.
        QDir(dir.path()).mkpath("blocked.pdx");
        const WriteResult blocked = writeTextLine(file("blocked.pdx"), "x");
        QVERIFY(!blocked.ok && !blocked.error.isEmpty() && !writeTextLine(file("no/such/x.pdx"), "x").ok);
    }

    // The program folder; a plain end is a clean one; before any dialogs are installed, a message
    // is dropped and a question gets its safe answer; numbered controls count from 1; twips to pixels.
    void program()
    {
        setProgramFolder(dir.path());
        QCOMPARE(dataPath("user1cash.pdx"), dir.path() + "/data/user1cash.pdx");
        setProgramFolder(QString());
        int code = -1;
        setEndProgramAction([&](int c) { code = c; });
        endProgram();
        setEndProgramAction({});
        QCOMPARE(code, 0);
        setDialogs(nullptr);
        for (auto [buttons, answer] : {std::pair{Buttons::Ok, Answer::Ok}, {Buttons::YesNo, Answer::No},
                                       {Buttons::YesNoCancel, Answer::No}, {Buttons::OkCancel, Answer::Cancel}})
            QCOMPARE(say("x", Icon::Question, buttons), answer);
        QVERIFY(!dialogs().input("name?").has_value());
        for (auto [twipsIn, pixels] : {std::pair{15, 1}, {1440, 96}, {4000, 267}, {7, 0}, {-15, -1}})
            QCOMPARE(twips(twipsIn), pixels);
        QCOMPARE(effectiveInterval(1), 16);  // the desktop fires timers at most every 16 ms
        QCOMPARE(effectiveInterval(999), 999);
    }

    // The real boxes: a key held since before a box opened answers nothing, nor does a repeat; a
    // fresh press answers, and a letter held in the text field types on.
    void heldKeysAnswerNothing()
    {
        const int ret = Qt::Key_Return, enter = Qt::Key_Enter, esc = Qt::Key_Escape, space = Qt::Key_Space;
        const int n = Qt::Key_N, altN = (Qt::ALT | Qt::Key_N).toCombined(), a = Qt::Key_A;
        const struct { bool input; QList<Stroke> held, fresh; QString answer; } rows[] = {
            {false, {{ret, 'r'}, {ret, 'x'}, {ret, 'u'}}, {{ret, 'p'}}, "Yes"},
            {false, {{enter, 'r'}, {enter, 'u'}, {esc, 'r'}}, {{esc, 'p'}}, "Cancel"},
            {false, {{space, 'x'}, {space, 'r'}, {space, 'u'}}, {{space, 'p'}, {space, 'r'}, {space, 'u'}}, "Yes"},
            {false, {{n, 'r'}, {altN, 'r'}, {n, 'u'}}, {{Qt::Key_Tab, 'p'}, {space, 'p'}, {space, 'u'}}, "No"},
            {true, {{ret, 'r'}, {space, 'r'}, {space, 'u'}, {esc, 'r'}, {Qt::Key_X, 'r'}},
             {{a, 'p'}, {a, 'r'}, {a, 'u'}, {ret, 'p'}}, "aa"},  // "Bob" is selected: typing replaces it
            {true, {{enter, 'r'}, {Qt::Key_Backspace, 'r'}}, {{esc, 'p'}}, "(cancelled)"}};
        QtDialogs qtDialogs;
        Dialogs &real = qtDialogs;
        for (const auto &row : rows) {
            QString afterHeld;
            QTimer::singleShot(0, [&] {
                QPointer<QWidget> box = QApplication::activeModalWidget();
                if (box && QTest::qWaitForWindowActive(box)) {
                    send(box, row.held);
                    const auto *field = box->findChild<QLineEdit *>();
                    const auto buttons = box->findChildren<QAbstractButton *>();  // a letter holds its button down
                    const bool answered = !box->isVisible() || std::any_of(buttons.begin(), buttons.end(),
                                                                           [](auto *b) { return b->isDown(); });
                    afterHeld = answered ? QStringLiteral("answered") : field ? field->text() : QStringLiteral("open");
                    send(box, row.fresh);
                }
                if (box && box->isVisible())  // not answered by the fresh press: leave with no answer
                    box->hide(), afterHeld = QStringLiteral("still open");
            });
            QString answer = QStringLiteral("(cancelled)");
            if (row.input)
                answer = real.input("Name?", QString(), "Bob").value_or(answer);
            else
                answer = QStringList{"Ok", "Yes", "No", "Cancel"}[int(real.message("Sure?", Icon::Question, Buttons::YesNoCancel))];
            QCOMPARE(afterHeld, row.input ? QStringLiteral("Bob") : QStringLiteral("open"));
            QCOMPARE(answer, row.answer);
        }
    }

    // Int(Rnd x n + 1) and Int(Rnd x n); the game's own draws never repeat in quick succession and
    // give every value 1..5 about equally.
    void draws()
    {
        {
            testing::ScriptedRandom scripted;
            for (double r : {0.0, 0.99999994, 0.5, 0.99999994, 0.0})  // the largest single-precision value below 1
                scripted.push(r);
            QVERIFY(draw(5) == 1 && draw(5) == 5 && draw(30000) == 15001 && drawBelow(6) == 5 && drawBelow(6) == 0);
        }
        int counts[7] = {};
        QSet<double> seen;
        for (int i = 0; i < 50000; ++i, ++counts[std::clamp(draw(5), 0, 6)])
            seen.insert(rnd());
        QVERIFY(seen.size() > 49500 && *std::min_element(seen.begin(), seen.end()) >= 0 && counts[0] + counts[6] == 0);
        for (int k = 1; k <= 5; ++k)
            QVERIFY2(qAbs(counts[k] - 10000) < 1000, qPrintable(QString("%1 drawn %2 times").arg(k).arg(counts[k])));
    }
};
PADDOX_TEST(PlatformTest)

#include "platform_test.moc"
