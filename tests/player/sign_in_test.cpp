// The sign-in window: opening on a data folder, choosing a player, the password
// step, loading into the betting office, a damaged slot, renaming and passwords.
#include "fixture.h"

#include "info/help_window.h"
#include "office/betting_office_window.h"

using namespace testing;

namespace {
using Answers = QList<std::optional<QString>>;
const std::optional<QString> cancelled;
const QString incorrect = QStringLiteral("Incorrect Password, Please Check And Try Again");
QListWidget *list(SignInWindow *w) { return control<QListWidget>(w, "combo1"); }
void click(SignInWindow *w, int row) { QTest::mouseClick(list(w)->viewport(), Qt::LeftButton, {}, list(w)->visualItemRect(list(w)->item(row)).center()); }
QLineEdit *passwordBox(SignInWindow *w) { return control<QLineEdit>(w, "Text11"); }
// The password typed, then "Confirm Password".
void confirm(SignInWindow *w, const QString &typed) { passwordBox(w)->setText(typed), control(w, "Command10")->click(); }
// "&Play >" and "More >>" are offered (both or neither).
bool offered(SignInWindow *w) { return control(w, "Command6")->isEnabled() && control(w, "Command8")->isEnabled(); }
int signedInSlot() { return game::session().record().slot; }
}  // namespace

class SignInTest : public QObject {
    Q_OBJECT

private slots:
    void opening()
    {
        const QStringList fresh{"User 1", "user2", "user3", "user4", "user5"};
        // The data folder, the message ("": none, "!": a critical one, the game ends), the list shown.
        const struct { const char *folder; const char *message; QStringList shown; } rows[] = {
            {"empty", "No Previous Versions Of Paddox Have Been Detected. Paddox6 Will Continue With Normal "
                      "Setup. Please note Paddox6 cannot upgrade from Paddox2002/SE or Before.", fresh},
            {"slot 3 lost", "", {"kept", "kept", "user3", "", "kept"}},
            {"every name lost", "", fresh},  // the players' money and horses are still there: no import
            {"all but slot 1's money lost", "", fresh},  // one player's money is enough to be no new game
            {"data is a file", "!", {}}};
        for (const auto &r : rows) {
            ROW(r.folder);
            const QString folder = r.folder, message = r.message;
            Fixture f(folder.contains("lost"));
            if (folder == "data is a file")
                f.dataIsAFile();
            if (folder.contains("lost")) {
                for (const QString &name : QDir(f.install.dataFile(QString())).entryList(QDir::Files))
                    folder.startsWith("all") && QRegularExpression("^user([2-5]|1n)").match(name).hasMatch()
                        ? void(QFile::remove(f.install.dataFile(name))) : void(f.install.writeData(name, "kept\r\n"));
                for (const char *gone : {"user3n.pdx", "user3cash.pdx", "user1n.pdx", "user2n.pdx", "user4n.pdx", "user5n.pdx"})
                    if (folder == "every name lost" ? QByteArray(gone).endsWith("n.pdx") : QByteArray(gone).startsWith("user3"))
                        QFile::remove(f.install.dataFile(gone));
                if (folder != "every name lost")
                    f.writeLocation(f.install.folder().toUtf8());  // no import over players that are there
                if (folder == "slot 3 lost")
                    f.install.writeData("user4n.pdx", "");  // no line: an empty name
            }
            f.expect(message);
            SignInWindow *w = f.signIn();
            VERIFY_DIALOGS(f.dialogs);
            for (int row = 0; row < std::max<int>(list(w)->count(), r.shown.size()); ++row)
                QCOMPARE(list(w)->item(row) ? list(w)->item(row)->text() : "-", r.shown.value(row, "-"));
            QCOMPARE(f.install.endCodes(), message == "!" ? QList<int>{1} : QList<int>{});  // 1: ended on a fault
            if (message == "!") {  // nothing is offered after that
                control(w, "Command9")->click(), control(w, "Command6")->click();
                VERIFY_DIALOGS(f.dialogs);
                continue;
            }
            QCOMPARE(f.install.readData("user3cash.pdx"), QByteArray(folder == "every name lost" ? "kept\r\n" : "500\r\n"));
            QCOMPARE(f.install.readData("user3debt.pdx"), QByteArray(folder.contains("lost") && !folder.startsWith("all") ? "kept\r\n" : "500\r\n"));
            QVERIFY(!control(w, "Command6")->isEnabled() && !control(w, "Command8")->isEnabled());
        }
    }

    void choosing()
    {
        Fixture f;
        f.install.writeData("user1p.dll", "first\r\n"), f.install.writeData("user3p.dll", "third\r\n");
        SignInWindow *w = f.signIn();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QTest::mouseClick(control(w, "Command9"), Qt::LeftButton);  // nothing selected: Play only says so
        f.dialogs.expectMessage("You Must Select Your User Name Before You Can Play Paddox6");
        QTest::mouseClick(control(w, "Command6"), Qt::LeftButton);
        click(w, 0);
        QVERIFY(!control(w, "Command6")->isEnabled());
        QTest::mouseClick(control(w, "Command9"), Qt::LeftButton);
        QVERIFY(offered(w));
        QTest::mouseClick(control(w, "Command6"), Qt::LeftButton);
        QTest::keyClicks(passwordBox(w), "73a");
        QCOMPARE(passwordBox(w)->displayText(), QStringLiteral("***"));
        click(w, 2);  // a new choice takes Play, More, the box and what was typed away
        QVERIFY(!control(w, "Command6")->isEnabled() && !control(w, "Command8")->isEnabled());
        QVERIFY(!passwordBox(w)->isVisibleTo(w) && passwordBox(w)->text().isEmpty());
        // The chosen slot changes under an open box: slot 1's password opens nothing.
        control(f.signIn(1), "Command6")->click();
        control<QRadioButton>(w, "Option3")->setChecked(true);
        confirm(w, "first");
        QVERIFY(!passwordBox(w)->isVisibleTo(w) && !signedInSlot());
        control(w, "Command6")->click();  // Play asks for slot 3's own password
        confirm(w, "third");
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(signedInSlot(), 3);
    }

    void play()
    {
        // Slot 2's password file, what is typed before each Confirm, a file of the slot removed
        // ("+": its rebuild accepted), one that cannot be rebuilt, whether the player signs in.
        const struct {
            const char *name; QByteArray stored; QStringList typed; const char *missing, *blocked; bool signedIn;
        } rows[] = {
            {"empty line", "\r\n", {}, "", "", true}, {"no line", "", {}, "", "", true},
            {"right", "7351\r\n", {"7351"}, "", "", true},
            {"last line counts", "old\r\nnew\r\n", {"old", "new"}, "", "", true},
            {"case counts", "Secret\r\n", {"secret", "SECRET"}, "", "", false},
            {"blanks count", " pw \r\n", {"pw", " pw", "1", " pw "}, "", "", true},
            {"rebuilt", "", {}, "+user2debt.pdx", "", true}, {"not rebuilt", "", {}, "user2debt.pdx", "", false},
            {"rebuilt in part", "", {}, "+user2debt.pdx", "user2share.pdx", false}};
        for (const auto &r : rows) {
            ROW(r.name);
            Fixture f;
            f.install.writeData("user2p.dll", r.stored);
            SignInWindow *w = f.signIn(2);
            const QString missing = QString(r.missing).remove('+');
            if (*r.missing)
                QFile::remove(f.install.dataFile(missing)), f.dialogs.expectAnyMessage(*r.missing == '+' ? platform::Answer::Yes : platform::Answer::No);
            if (*r.blocked)
                f.block(r.blocked), f.dialogs.expectAnyMessage();
            control(w, "Command6")->click();
            if (*r.missing) {
                const ShownMessage asked = f.dialogs.messages().first();
                QVERIFY(asked.buttons == platform::Buttons::YesNo && asked.text.contains("slot 2 cannot be loaded") && asked.text.contains(missing));
                QVERIFY(!*r.blocked || f.dialogs.messages().last().text.contains("could not be fully rebuilt"));
                QCOMPARE(f.install.readData(missing), QByteArray(*r.missing == '+' ? "500\r\n" : ""));
            }
            QCOMPARE(passwordBox(w)->isVisibleTo(w), !r.typed.isEmpty());
            for (int i = 0; i < r.typed.size(); ++i) {
                if (i < r.typed.size() - 1 || !r.signedIn)
                    f.dialogs.expectMessage(incorrect);
                confirm(w, r.typed[i]);
                QCOMPARE(passwordBox(w)->text(), r.typed[i]);
            }
            VERIFY_DIALOGS(f.dialogs);
            QCOMPARE(signedInSlot(), r.signedIn ? 2 : 0);
            QCOMPARE(f.install.endRequests(), 0);
        }
    }

    void loadAndHandOver()
    {
        Fixture f;
        for (const char *file : {"cash", "debt", "share", "hor1", "hor2", "hor3", "hor4", "hor5", "n"})
            f.install.writeData(QStringLiteral("user4%1.pdx").arg(file), QByteArray("x\r\nv") + file + "\r\n");
        f.install.writeData("user4p.dll", "");
        f.install.writeData("user4cash.pdx", "x\r\n1234\r\n");  // money is read as money: the last line counts
        f.install.writeData("user4debt.pdx", "x\r\n-56\r\n");
        QPointer<SignInWindow> w = f.play(4);
        VERIFY_DIALOGS(f.dialogs);
        const game::PlayerRecord &r = game::session().record();
        QCOMPARE((QStringList{QString::number(r.slot), QString::number(r.cash), QString::number(r.debt), r.share, r.name}
                  << QList<QString>(r.horses.begin(), r.horses.end())),
                 (QStringList{"4", "1234", "-56", "vshare", "vn", "vhor1", "vhor2", "vhor3", "vhor4", "vhor5"}));
        // The betting office is made (and loaded) at once, and shown when the timer hands over.
        QPointer<BettingOfficeWindow> office = app::existingWindow<BettingOfficeWindow>();
        QVERIFY(office && !office->isVisible());
        fire(control<QTimer>(w, "Timer1"));
        QVERIFY(office->isVisible());
        processDeletes();
        QVERIFY(!w);
        QCOMPARE(f.install.endRequests(), 0);
    }

    void maintenance()
    {
        const QByteArray pw("7351\r\n"), u3("user3\r\n");
        // "Re-name User" (else "Change Password"), slot 3's password file, the answers to the
        // prompts, the message, slot 3's name and password files afterwards.
        const struct {
            const char *name; bool rename; QByteArray stored; Answers answers; QString message;
            QByteArray nameAfter, passwordAfter;
        } rows[] = {
            {"renamed", true, pw, {"7351", "Bob"}, "User 3 As Been Renamed Bob", "Bob\r\n", pw},
            {"damaged name renamed", true, pw, {"7351", "Bob"}, "User 3 As Been Renamed Bob", "Bob\r\n", pw},
            {"empty name", true, "\r\n", {"", ""}, "User 3 As Been Renamed ", "\r\n", "\r\n"},
            {"rename, wrong", true, pw, {"7350"}, "Incorrect Password, Please Check And Try Again", u3, pw},
            {"rename, cancelled", true, pw, {"7351", cancelled}, "", u3, pw},
            {"changed", false, pw, {"7351", "Gallop", "Gallop"}, "Your Password As Been Changed", u3, "Gallop\r\n"},
            {"none yet", false, "", {"", "", ""}, "Your Password As Been Changed", u3, "\r\n"},
            {"wrong current", false, pw, {"7351 "}, "Password Is Incorrect", u3, pw},
            {"repeat differs", false, pw, {"7351", "abc", "ABC"}, "The New Passwords Do Not Match", u3, pw},
            {"repeat cancelled", false, pw, {"7351", "x", cancelled}, "", u3, pw},
            {"thirty letters", true, pw, {"7351", "A" + QString(29, 'b')}, "User 3 As Been Renamed A" + QString(29, 'b'), "A" + QByteArray(29, 'b') + "\r\n", pw},
            {"thirty-one", true, pw, {"7351", QString(31, 'b')}, "A player's name can have at most 30 characters. Please choose a shorter name.", u3, pw},
            {"name of two lines", true, pw, {"7351", "a\nb"}, "A player's name must fit on one line. Please type it again without line breaks.", u3, pw},
            {"password of two lines", false, pw, {"7351", "a\rb", "a\rb"}, "A password must fit on one line. Please type it again without line breaks.", u3, pw}};
        for (const auto &r : rows) {
            ROW(r.name);
            Fixture f;
            f.install.writeData("user3p.dll", r.stored);
            if (QByteArray(r.name).startsWith("damaged"))  // too large to be a name file: a new name replaces it
                f.install.writeData("user3n.pdx", QByteArray(2 << 20, 'x'));
            SignInWindow *w = f.signIn(3);
            for (const auto &a : r.answers)
                f.dialogs.expectInput(a);
            f.expect(r.message);
            QTest::mouseClick(control(w, r.rename ? "Command5" : "Command7"), Qt::LeftButton);
            VERIFY_DIALOGS(f.dialogs);
            QCOMPARE(f.install.readData("user3n.pdx"), r.nameAfter);
            QCOMPARE(list(w)->item(2)->text(), QString::fromUtf8(r.nameAfter.chopped(2)));
            QCOMPARE(f.install.readData("user3p.dll"), r.passwordAfter);
            QVERIFY(control<QRadioButton>(w, "Option3")->isChecked() && offered(w));  // renaming is not choosing
        }
        // "More >>" opens the maintenance under the window, "Less <<" closes it again.
        Fixture f;
        SignInWindow *w = f.signIn(3);
        const int closed = w->height();
        control(w, "Command8")->click();
        QVERIFY(control(w, "Command8")->text() == "Less <<" && w->height() > closed);
        control(w, "Command8")->click();
        QVERIFY(control(w, "Command8")->text() == "More >>" && w->height() == closed);
    }

    void leaving()
    {
        // The close box ends the game only after a log off (the office hidden); Exit always does. "Help?"
        // opens the help.
        Fixture f;
        for (int office = 0; office < 2; ++office) {
            if (office)
                app::window<BettingOfficeWindow>()->hide();
            QPointer<SignInWindow> w = f.signIn();
            w->show();
            QTest::keyClick(w, Qt::Key_Escape);  // Escape keeps the window
            QVERIFY(w->isVisible() && w->close());
            processDeletes();
            QCOMPARE(f.install.endRequests(), office);
        }
        QVERIFY(!app::existingWindow<HelpWindow>());  // only a click on "Help?" opens the help
        QTest::mouseClick(control<QLabel>(f.signIn(), "Label2"), Qt::LeftButton);
        QVERIFY(app::existingWindow<HelpWindow>() && app::existingWindow<HelpWindow>()->isVisible());
        QTest::mouseClick(control(f.signIn(), "Command2"), Qt::LeftButton);
        QCOMPARE(f.install.endRequests(), 2);
    }
};

PADDOX_TEST(SignInTest)
#include "sign_in_test.moc"
