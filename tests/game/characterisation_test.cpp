// A whole game played as a player plays it, from the first start on a fresh installation to the
// last race of a second player: every message and input box in order with the answer given, the
// money before every step, and at the end every byte of every file the game keeps. The game is
// reached only through its windows, controls, menu actions and timers, found by their names, so
// the transcript must come out the same whatever the code behind them is called. No event loop
// runs: a timer fires only when the test fires it, so the race banner, the hall's countdown and the
// console's lifetime never run by themselves, and every draw is one the test scripted.
#include "app/window_registry.h"
#include "platform/dialogs.h"
#include "platform/program.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_random.h"
#include "support/test_installation.h"
#include "support/test_main.h"

#include <QtWidgets>

using platform::Answer;

namespace {

// A text in one line: line ends and other control characters escaped; for a file's bytes (read as
// Latin-1), every byte beyond printable ASCII too.
QString escaped(const QString &text, bool bytes = false)
{
    QString out;
    for (const QChar c : text)
        out += c == '\\' ? QStringLiteral("\\\\") : c == '\r' ? QStringLiteral("\\r") : c == '\n' ? QStringLiteral("\\n")
               : c.unicode() < 0x20 || (bytes && c.unicode() > 0x7e) ? QString::asprintf("\\x%02X", c.unicode()) : QString(c);
    return out;
}
QString quoted(const QString &text) { return '"' + escaped(text) + '"'; }

// One ordinary race: the stake on a horse, the horse the race draws to win, the answer to the
// doping offer (none without a share), the owner's draws (the chance of a bill, then its kind and
// amount) and the drug test's (the chance of a positive test, then the fine).
struct Race { const char *stake; int horse, winner; QString drugs = QString(); QList<int> owner = {}, test = {}; };
const QList<int> odds{3, 5, 7, 11, 13}, oddsTops{15, 25, 45, 75, 100};  // every race card's odds

// The game under test. Every box is answered by the script and written into the transcript.
struct Game final : platform::Dialogs {
    testing::TestInstallation installation;
    QTemporaryDir config, backupFolder;
    testing::ScriptedRandom random;
    testing::ScriptedDialogs script;
    QStringList log;
    int races = 0, scripted = 0;

    Game()
    {
        platform::setDialogs(this);
        // The other edition's players are looked for in the user's configuration folder: an empty one.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        platform::setEndProgramAction([this](int code) { log << QStringLiteral("== the program ends (%1)").arg(code); });
    }
    Answer message(const QString &text, platform::Icon icon, platform::Buttons buttons, const QString &title) override
    {
        static const char *icons[] = {"no icon", "information", "warning", "critical", "question"};
        static const char *sets[] = {"OK", "Yes/No", "Yes/No/Cancel", "OK/Cancel"}, *answers[] = {"OK", "Yes", "No", "Cancel"};
        const Answer answer = script.message(text, icon, buttons, title);
        log << QStringLiteral("message %1 (%2, %3%4) -> %5")
                   .arg(quoted(text), icons[int(icon)], sets[int(buttons)], title.isEmpty() ? "" : ", title " + quoted(title),
                        answers[int(answer)]);
        return answer;
    }
    std::optional<QString> input(const QString &prompt, const QString &title, const QString &defaultText, bool password) override
    {
        const std::optional<QString> typed = script.input(prompt, title, defaultText, password);
        log << QStringLiteral("input %1 (%2title %3, default %4) -> %5")
                   .arg(quoted(prompt), password ? "password, " : "", quoted(title), quoted(defaultText),
                        typed ? quoted(*typed) : "cancelled");
        return typed;
    }

    // The window of that name, the one showing when there are several.
    static QWidget *window(const QString &name)
    {
        QWidget *found = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            found = w->objectName() == name && (!found || w->isVisible()) ? w : found;
        return found;
    }
    // A control (or the window itself for no name); when it is missing, a line saying so and a stand-in.
    template <class T = QWidget>
    T *find(const QString &windowName, const QString &name = QString())
    {
        QWidget *w = window(windowName);
        if (T *found = !w ? nullptr : name.isEmpty() ? qobject_cast<T *>(w) : w->findChild<T *>(name))
            return found;
        log << "missing " + windowName + "/" + name;
        static T *standIn = new std::conditional_t<std::is_abstract_v<T>, QPushButton, T>;
        return standIn;
    }
    QString text(const QString &w, const QString &name) { return find(w, name)->property("text").toString(); }
    // Types into a text box, or into the text of a drop-down box.
    void type(const QString &w, const QString &name, const QString &text)
    {
        QWidget *field = find(w, name);
        field->setProperty(qobject_cast<QComboBox *>(field) ? "currentText" : "text", text);
    }
    // Clicks a button, or triggers a menu action of the betting office (no window named), expecting
    // the number of messages it shows (the first answered `first`, the rest OK); the windows it
    // closed are gone afterwards.
    void press(const QString &w, const QString &name, int messages = 0, Answer first = Answer::Ok)
    {
        for (int i = 0; i < messages; ++i)
            script.expectAnyMessage(i == 0 ? first : Answer::Ok);
        w.isEmpty() ? find<QAction>("Form2", name)->trigger() : find<QAbstractButton>(w, name)->click();
        flush();
    }
    // Fires a timer as the event loop would: its timeout runs once. A timer that is off does nothing.
    static void fire(QTimer *timer)
    {
        if (QTimerEvent event(timer ? timer->timerId() : -1); timer && timer->isActive())
            QCoreApplication::sendEvent(timer, &event);
    }
    static void flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void draws(const QList<int> &drawn, const QList<int> &tops)
    {
        for (int i = 0; i < drawn.size(); ++i, ++scripted)
            random.pushDraw(drawn[i], tops[i]);
    }
    // A step's heading, with the money and the share the betting office shows before it.
    void step(const QString &what)
    {
        const QWidget *office = window("Form2");
        log << "== " + what + (office && office->isVisible() ? QStringLiteral(" | cash %1, debt %2, share %3").arg(
                                   text("Form2", "Text1"), text("Form2", "Text2"), text("Form2", "Label16")) : QString());
    }

    void start() { app::startGame(), fire(find<QTimer>("Form1", "Timer1")), flush(); }
    // Signs a slot's player in, after a wrong password when one is given. The first sign-in of a
    // run makes the betting office, which draws its tip, its jockeys and the first odds.
    void signIn(int slot, bool firstOfRun, const QString &wrong = QString())
    {
        step(QStringLiteral("sign in to slot %1").arg(slot));
        find<QListWidget>("frmcontrol", "combo1")->setCurrentRow(slot - 1);
        press("frmcontrol", "Command9"), press("frmcontrol", "Command6");
        if (!wrong.isEmpty())
            type("frmcontrol", "Text11", wrong), press("frmcontrol", "Command10", 1);
        type("frmcontrol", "Text11", "7351");
        if (firstOfRun)
            draws(QList<int>{2, 1} + odds, QList<int>{5, 4} + oddsTops);
        press("frmcontrol", "Command10");
        fire(find<QTimer>("frmcontrol", "Timer1")), flush();
    }
    void stake(const QString &amount) { type("Form2", "Text3", amount), press("Form2", "Command10", 2, Answer::Yes); }
    void race(const Race &r)
    {
        step(QStringLiteral("race %1: %2 on horse %3, horse %4 wins%5").arg(++races).arg(r.stake).arg(r.horse).arg(r.winner)
                 .arg(r.drugs.isEmpty() ? QString() : ", drugs " + r.drugs));
        stake(r.stake);
        press("Form2", QStringLiteral("Option%1").arg(r.horse)), press("Form2", "Command1", 1), press("Form2", "Command3");
        if (!r.drugs.isEmpty())
            press("Form13", r.drugs == "YES" ? "Command1" : "Command2", r.drugs == "YES");
        // The winner, won or lost; the owner's prize and a bill; a positive drug test's two messages.
        const bool ownerWins = text("Form2", "Label16") == text("Form2", QStringLiteral("Option%1").arg(r.winner));
        draws(QList<int>{r.winner} + r.owner + odds + r.test, QList<int>{5} + QList<int>{4, 5, 2000}.first(r.owner.size()) +
                                                                  oddsTops + QList<int>{3, 30000}.first(r.test.size()));
        press("Form4", "Command1", 2 + ownerWins + (r.owner.size() == 3) + 2 * (r.test.size() == 2));
        // Round after round of the race's timer, every horse's step in each, until the race window is gone.
        QPointer<QTimer> timer = find<QTimer>("Form4", "raceTimer");
        for (int round = 0; timer && round < 2000; ++round, flush())
            fire(timer);
    }
    // Check Share Prices, a horse of the sale list, Buy (which says nothing).
    void buyShare(int horse)
    {
        step(QStringLiteral("buy a share in horse %1").arg(horse));
        draws({30000, 25000, 20000, 16000, 14000}, {50000, 40000, 30000, 26000, 20000});
        press("Form2", "Command4"), press("Form2", QStringLiteral("Option%1").arg(horse + 5)), press("Form2", "Command5");
    }
    // The Grand National with the owned horse drawn into lane 2 and backed: the others pass 4500,
    // then it passes 8160 and wins; a transportation bill; the next odds. Played back to its end.
    void grandNational()
    {
        step("Grand National");
        draws({120, 40, 300, 9, 600, 2}, {150, 250, 450, 750, 1000, 5});
        press("", "sendgn", 1);
        type("FrmGrand", "Text3", "500");
        press("FrmGrand", "Command1", 1), press("FrmGrand", "Option2"), press("FrmGrand", "Command3"), press("FrmGrand", "Command2");
        for (int move = 0; move < 4 * 88 + 161; ++move)
            draws({move < 4 * 88 ? QList<int>{1, 3, 4, 5}[move / 88] : 2, 50}, {300, 50});
        draws({2, 4, 5000, 2, 4, 6, 8, 10}, {4, 5, 20000, 15, 25, 45, 75, 100});
        press("Frmgrandrace", "Command1", 4);
        QPointer<QTimer> playback = find<QTimer>("Frmgrandrace", "tmrPlayback");
        for (int frame = 0; playback && frame < 2000; ++frame, flush())
            fire(playback);
    }
    // Borrow or Pay Back, of 2000.
    void loan(const char *what, const char *button) { step(what), type("Form2", "Text10", "2000"), press("Form2", button, 1); }
    void backupWindow(const char *button)
    {
        step(button == QLatin1String("cmdbackup") ? "back up" : "restore");
        press("", "backup"), type("Form7", "Text1", backupFolder.path()), press("Form7", button, 2);
    }
    // Every file of a folder in name order, its bytes in one line; the race book's times masked.
    void dumpFiles(const QString &folder, const QString &shownAs)
    {
        const QRegularExpression when(QStringLiteral("\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d(Z|[+-]\\d\\d:\\d\\d)"));
        for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
            QFile file(QDir(folder).filePath(name));
            file.open(QIODevice::ReadOnly);
            log << shownAs + "/" + name + " " + escaped(QString::fromLatin1(file.readAll()), true).replace(when, "<when>");
        }
    }
};

}  // namespace

class CharacterisationTest : public QObject {
    Q_OBJECT
private slots:
    void wholeGame()
    {
        Game g;
        g.step("first start: splash, country, the players set up (no earlier edition to bring them from)");
        g.start();
        g.type("Form14", "Comsel", "United Kingdom"), g.press("Form14", "Command1", 1);
        g.signIn(1, true, "7531");
        g.step("a stake over the limit");
        g.stake("900");
        g.race({"100", 3, 3}), g.race({"200", 1, 4});
        g.loan("borrow 2000", "Command6");
        g.race({"800", 5, 5}), g.race({"50", 2, 1});
        g.step("administration: the code, a wrong password, the code again, the console");
        for (const char *password : {" marwend", "marwend"}) {
            g.type("Form2", "Text3", "vesko");
            g.script.expectInput(QString::fromLatin1(password));
            g.press("Form15", "Command1", *password == ' ');
        }
        g.log << "console shows " + g.text("frmadim", "Text1") + ", " + g.text("frmadim", "Text2") + ", " + g.text("frmadim", "Text3");
        g.type("frmadim", "Text2", "90000"), g.type("frmadim", "Text3", "1000");
        g.press("frmadim", "Command1", 1), g.press("frmadim", "Command2");
        g.buyShare(3);
        g.race({"100", 3, 3, "NO", {2, 1, 1234}}), g.race({"100", 1, 2, "YES", {1}, {1}});
        g.race({"200", 3, 3, "YES", {2, 5, 777}, {2, 20000}}), g.race({"100", 4, 2});
        g.buyShare(5);
        g.step("sell the share");
        g.draws({12345}, {25000}), g.press("Form2", "Command8", 1);
        g.buyShare(2);
        g.race({"100", 2, 5, "NO", {2, 3, 1500}});
        g.grandNational();
        g.race({"300", 4, 4, "NO", {1}});
        g.loan("pay back 2000", "Command7");
        g.backupWindow("cmdbackup"), g.press("Form7", "Command1");
        g.race({"800", 1, 3, "NO", {1}}), g.race({"100", 5, 4, "YES", {1}, {1}});
        g.backupWindow("cmdrestore");
        // The game is started again as a player would, on the restored files.
        app::destroyAllWindows();
        g.start(), g.signIn(1, true);
        g.race({"100", 5, 5, "NO", {1}}), g.race({"50", 3, 1, "YES", {2, 2, 99}, {1}}), g.race({"700", 2, 2, "NO", {1}});
        g.step("log off");
        g.press("", "diffuser", 1, Answer::Yes);
        g.signIn(2, false);
        g.race({"100", 1, 1}), g.race({"200", 2, 3}), g.race({"400", 4, 4}), g.race({"499", 5, 2});
        g.step("close the betting office");
        g.find("Form2")->close(), g.flush();
        g.dumpFiles(g.installation.folder() + "/data", "data");
        g.dumpFiles(g.installation.folder() + "/hall", "hall");
        g.dumpFiles(g.backupFolder.path(), "backup");
        g.log << QStringLiteral("draws: %1 scripted, %2 made").arg(g.scripted).arg(g.random.used());
        compare(g.log);
        VERIFY_DIALOGS(g.script);
    }

private:
    // The transcript against the expected one (PADDOX_TRANSCRIPT, characterisation.txt beside this
    // file); on a difference, the first differing line and the file holding the whole actual one.
    static void compare(const QStringList &actual)
    {
        QFile expectedFile(QStringLiteral(PADDOX_TRANSCRIPT));
        const QStringList expected = expectedFile.open(QIODevice::ReadOnly)
                                         ? QString::fromUtf8(expectedFile.readAll()).split('\n', Qt::SkipEmptyParts) : QStringList();
        if (actual == expected)
            return;
        QFile out(QDir(QCoreApplication::applicationDirPath()).filePath("characterisation.actual.txt"));
        out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write((actual.join('\n') + '\n').toUtf8());
        const qsizetype line = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end()).first - actual.begin();
        const QString want = expected.value(line, "(end)"), got = actual.value(line, "(end)");
        const qsizetype column = std::mismatch(want.begin(), want.end(), got.begin(), got.end()).first - want.begin();
        const qsizetype from = std::max<qsizetype>(0, column - 60);
        QFAIL(qPrintable(QStringLiteral("the transcript differs from line %1 of %2, column %3:\n  expected: %4\n  actual:   %5\n"
                                        "The whole actual transcript is in %6")
                             .arg(line + 1).arg(expectedFile.fileName()).arg(column + 1)
                             .arg(want.mid(from, 160), got.mid(from, 160), out.fileName())));
    }
};
PADDOX_TEST(CharacterisationTest)

#include "characterisation_test.moc"
