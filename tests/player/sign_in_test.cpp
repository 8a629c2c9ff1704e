// The sign-in window: opening on a data folder, choosing a player, the password
// step, loading into the betting office, a damaged slot, renaming and passwords.
#include "fixture.h"

#include "office/betting_office_window.h"

using namespace testing;

namespace {
using Answers = QList<std::optional<QString>>;
const std::optional<QString> cancelled;
const QString incorrect = QStringLiteral("Incorrect Password, Please Check And Try Again");
void click(SignInWindow *w, int row)
{
    QTest::mouseClick(w->combo1->viewport(), Qt::LeftButton, {}, w->combo1->visualItemRect(w->combo1->item(row)).center());
}
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
            {"data is a file", "!", {}}};
        for (const auto &r : rows) {
            ROW(r.folder);
            const QString folder = r.folder, message = r.message;
            Fixture f(folder.contains("lost"));
            if (folder.contains("lost")) {
                for (const QString &name : QDir(f.install.dataFile(QString())).entryList(QDir::Files))
                    f.install.writeData(name, "kept\r\n");
                for (const char *gone : {"user3n.pdx", "user3cash.pdx", "user1n.pdx", "user2n.pdx", "user4n.pdx", "user5n.pdx"})
                    if (folder == "every name lost" ? QByteArray(gone).endsWith("n.pdx") : QByteArray(gone).startsWith("user3"))
                        QFile::remove(f.install.dataFile(gone));
                if (folder == "slot 3 lost") {
                    f.install.writeData("user4n.pdx", "");  // no line: an empty name
                    f.writeLocation(f.install.folder().toUtf8());  // no import over players that are there
                }
            } else if (folder == "data is a file") {
                f.dataIsAFile();
            }
            if (message == "!")
                f.dialogs.expectAnyMessage();
            else if (!message.isEmpty())
                f.dialogs.expectMessage(message);
            SignInWindow *w = f.signIn();
            VERIFY_DIALOGS(f.dialogs);
            QCOMPARE(w->combo1->count(), r.shown.size());
            for (int i = 0; i < r.shown.size(); ++i)
                QCOMPARE(w->combo1->item(i)->text(), r.shown[i]);
            QCOMPARE(f.install.endRequests(), message == "!" ? 1 : 0);
            if (message == "!") {
                w->Command6_Click();  // nothing is offered after that
                w->Command1_Click();
                VERIFY_DIALOGS(f.dialogs);
                continue;
            }
            QCOMPARE(f.install.readData("user3cash.pdx"), QByteArray(folder == "every name lost" ? "kept\r\n" : "500\r\n"));
            QCOMPARE(f.install.readData("user3debt.pdx"), QByteArray(folder.contains("lost") ? "kept\r\n" : "500\r\n"));
            QVERIFY(!w->Command6->isEnabled() && !w->Command8->isEnabled());
        }
    }

    void choosing()
    {
        Fixture f;
        f.install.writeData("user1p.dll", "first\r\n");
        f.install.writeData("user3p.dll", "third\r\n");
        SignInWindow *w = f.signIn();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->Command9_Click();  // nothing selected: Play only says so
        f.dialogs.expectMessage("You Must Select Your User Name Before You Can Play Paddox6");
        QTest::mouseClick(w->Command6, Qt::LeftButton);
        click(w, 0);
        QVERIFY(!w->Command6->isEnabled());
        QTest::mouseClick(w->Command9, Qt::LeftButton);
        QVERIFY(w->Command6->isEnabled() && w->Command8->isEnabled());
        w->Command6_Click();
        QTest::keyClicks(w->Text11, "73a");
        QCOMPARE(w->Text11->displayText(), QStringLiteral("***"));
        click(w, 2);  // a new choice takes Play, More, the box and what was typed away
        QVERIFY(!w->Command6->isEnabled() && !w->Command8->isEnabled());
        QVERIFY(!w->Text11->isVisibleTo(w) && w->Text11->text().isEmpty());
        // The chosen slot changes under an open box: slot 1's password opens nothing.
        f.signIn(1)->Command6_Click();
        w->slotButton(3)->setChecked(true);
        w->Text11->setText("first");
        w->Command10_Click();
        QVERIFY(!w->Text11->isVisibleTo(w) && !app::existingWindow<BettingOfficeWindow>());
        w->Command6_Click();  // Play asks for slot 3's own password
        w->Text11->setText("third");
        w->Command10_Click();
        VERIFY_DIALOGS(f.dialogs);
        QCOMPARE(app::existingWindow<BettingOfficeWindow>()->Label23->text(), QStringLiteral("3"));
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
            if (*r.missing) {
                QFile::remove(f.install.dataFile(missing));
                f.dialogs.expectAnyMessage(*r.missing == '+' ? platform::Answer::Yes : platform::Answer::No);
            }
            if (*r.blocked) {
                f.block(r.blocked);
                f.dialogs.expectAnyMessage();
            }
            w->Command6_Click();
            if (*r.missing) {
                const ShownMessage asked = f.dialogs.messages().first();
                QVERIFY(asked.buttons == platform::Buttons::YesNo && asked.text.contains("slot 2 cannot be loaded"));
                QVERIFY(asked.text.contains(missing));
                QVERIFY(!*r.blocked || f.dialogs.messages().last().text.contains("could not be fully rebuilt"));
                QCOMPARE(f.install.readData(missing), QByteArray(*r.missing == '+' ? "500\r\n" : ""));
            }
            QCOMPARE(w->Text11->isVisibleTo(w), !r.typed.isEmpty());
            for (int i = 0; i < r.typed.size(); ++i) {
                if (i < r.typed.size() - 1 || !r.signedIn)
                    f.dialogs.expectMessage(incorrect);
                w->Text11->setText(r.typed[i]);
                w->Command10_Click();
                QCOMPARE(w->Text11->text(), r.typed[i]);
            }
            VERIFY_DIALOGS(f.dialogs);
            QCOMPARE(app::existingWindow<BettingOfficeWindow>() != nullptr, r.signedIn);
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
        QPointer<SignInWindow> w = f.signIn(4);
        w->Command6_Click();
        VERIFY_DIALOGS(f.dialogs);
        QPointer<BettingOfficeWindow> office = app::existingWindow<BettingOfficeWindow>();
        QStringList shown{office->Label23->text(), office->Text1->text(), office->Text2->text(), office->Label16->text()};
        for (int horse = 1; horse <= 5; ++horse)
            shown << office->horseOption(horse)->text();
        shown << office->Label24->text() << office->txtuser->text();
        QCOMPARE(shown, (QStringList{"4", "1234", "-56", "vshare", "vhor1", "vhor2", "vhor3", "vhor4", "vhor5", "Welcome: vn", "vn"}));
        QVERIFY(!office->isVisible());
        w->Timer1_Timer();
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
            const char *name; bool rename; QByteArray stored; Answers answers; const char *message;
            QByteArray nameAfter, passwordAfter;
        } rows[] = {
            {"renamed", true, pw, {"7351", "Bob"}, "User 3 As Been Renamed Bob", "Bob\r\n", pw},
            {"empty name", true, "\r\n", {"", ""}, "User 3 As Been Renamed ", "\r\n", "\r\n"},
            {"rename, wrong", true, pw, {"7350"}, "Incorrect Password, Please Check And Try Again", u3, pw},
            {"rename, cancelled", true, pw, {"7351", cancelled}, "", u3, pw},
            {"changed", false, pw, {"7351", "Gallop", "Gallop"}, "Your Password As Been Changed", u3, "Gallop\r\n"},
            {"none yet", false, "", {"", "", ""}, "Your Password As Been Changed", u3, "\r\n"},
            {"wrong current", false, pw, {"7351 "}, "Password Is Incorrect", u3, pw},
            {"repeat differs", false, pw, {"7351", "abc", "ABC"}, "The New Passwords Do Not Match", u3, pw},
            {"repeat cancelled", false, pw, {"7351", "x", cancelled}, "", u3, pw},
            {"thirty letters", true, pw, {"7351", "Abcdefghijklmnopqrstuvwxyz1234"}, "User 3 As Been Renamed Abcdefghijklmnopqrstuvwxyz1234",
             "Abcdefghijklmnopqrstuvwxyz1234\r\n", pw},
            {"thirty-one", true, pw, {"7351", "Abcdefghijklmnopqrstuvwxyz12345"},
             "A player's name can have at most 30 characters. Please choose a shorter name.", u3, pw},
            {"name of two lines", true, pw, {"7351", "a\nb"}, "A player's name must fit on one line. Please type it again without line breaks.", u3, pw},
            {"password of two lines", false, pw, {"7351", "a\rb", "a\rb"}, "A password must fit on one line. Please type it again without line breaks.", u3, pw}};
        for (const auto &r : rows) {
            ROW(r.name);
            Fixture f;
            f.install.writeData("user3p.dll", r.stored);
            SignInWindow *w = f.signIn(3);
            for (const auto &a : r.answers)
                f.dialogs.expectInput(a);
            if (*r.message)
                f.dialogs.expectMessage(r.message);
            QTest::mouseClick(r.rename ? w->Command5 : w->Command7, Qt::LeftButton);
            VERIFY_DIALOGS(f.dialogs);
            QCOMPARE(f.install.readData("user3n.pdx"), r.nameAfter);
            QCOMPARE(w->combo1->item(2)->text(), QString::fromUtf8(r.nameAfter.chopped(2)));
            QCOMPARE(f.install.readData("user3p.dll"), r.passwordAfter);
            QCOMPARE(w->chosenSlot(), 3);  // renaming is not choosing
            QVERIFY(w->Command6->isEnabled());
        }
    }

    void leaving()
    {
        // The close box ends the game only after a log off (the office hidden); Exit always does.
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
        QTest::mouseClick(f.signIn()->Command2, Qt::LeftButton);
        QCOMPARE(f.install.endRequests(), 2);
    }
};

PADDOX_TEST(SignInTest)
#include "sign_in_test.moc"
