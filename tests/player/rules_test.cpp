// The first run's set-up and the import from the other edition: the other edition's
// players where they could be copied whole, a new player's files everywhere else.
#include "fixture.h"

#include "player/first_run.h"

using namespace testing;

namespace {
const QStringList order{"cash.pdx", "debt.pdx", "share.pdx", "hor1.pdx", "hor2.pdx", "hor3.pdx", "hor4.pdx", "hor5.pdx", "n.pdx", "p.dll"};
// Every file of every slot holds a new player's value, or `other(slot, field)` for slots up to `copied`.
void checkSlots(const Fixture &f, int copied = 0, const std::function<QString(int, int)> &other = {})
{
    const QStringList names{"User 1", "user2", "user3", "user4", "user5"};
    for (int slot = 1; slot <= 5; ++slot) {
        const QStringList fresh{"500", "500", "You Have No Shares", "Red Rum", "Desert Orchard", "Mr Ed",
                                "Whopper Meal With Fries", "Black Beauty", names[slot - 1], "7351"};
        for (int i = 0; i < order.size(); ++i)
            QCOMPARE(f.install.readData(QStringLiteral("user%1%2").arg(slot).arg(order[i])),
                     line(slot <= copied ? other(slot, i) : fresh[i]));
    }
}
}  // namespace

class RulesTest : public QObject {
    Q_OBJECT

private slots:
    void import()
    {
        // The location record ("-": none, @: the other installation), a file of the other edition
        // removed ("/": a folder in its place), the slots copied before the copy stopped.
        const struct { const char *name; QByteArray record; const char *spoiled; int copied; } rows[] = {
            {"all five", "C:\\elsewhere\r\n@\r\n", "", 5}, {"no record", "-", "", 0}, {"empty record", "", "", 0},
            {"ends in a blank line", "@\r\n\r\n", "", 0}, {"folder gone", "@/gone\r\n", "", 0},
            {"slot 1 name missing", "@\r\n", "pdxname.pdx", 0}, {"slot 1 password unreadable", "@\r\n", "/user1p.dll", 0},
            {"slot 2 name missing", "@\r\n", "user2n.pdx", 1}, {"slot 3 horse missing", "@\r\n", "user3hor4.pdx", 2},
            {"slot 5 password missing", "@\r\n", "user5p.dll", 4}};
        for (const auto &r : rows) {
            ROW(r.name);
            Fixture f(false);
            QTemporaryDir other;
            QDir(other.path()).mkpath("data");
            const auto oldValue = [](int slot, int field) { return QStringLiteral("old %1 %2").arg(slot).arg(field); };
            const auto otherFile = [&](const QString &name) { return QDir(other.path()).filePath("data/" + name); };
            for (int slot = 1; slot <= 5; ++slot) {
                for (int i = 0; i < order.size(); ++i) {
                    QFile file(otherFile(slot == 1 && i == 8 ? "pdxname.pdx" : QStringLiteral("user%1%2").arg(slot).arg(order[i])));
                    QVERIFY(file.open(QIODevice::WriteOnly));
                    file.write("stale\r\n" + line(oldValue(slot, i)));
                }
            }
            if (r.record != "-")
                f.writeLocation(QByteArray(r.record).replace('@', other.path().toUtf8()));
            const QString spoiled = r.spoiled;
            QFile::remove(otherFile(spoiled.mid(spoiled.startsWith('/'))));
            if (spoiled.startsWith('/'))
                QDir().mkpath(otherFile(spoiled.mid(1)));
            QVERIFY(player::writeSetUpFiles().ok());
            player::setCurrentSlot(0);
            const QString partly = r.copied == 1 ? "Imported player 1; the other slots were set up new."
                                                 : QStringLiteral("Imported players 1 to %1; the other slots were set up new.").arg(r.copied);
            f.dialogs.expectMessage(r.copied == 5   ? "All User Data As Been Successfully Transfered From iPaddoxV To Paddox6"
                                    : r.copied == 0 ? "No Previous Versions Of Paddox Have Been Detected. Paddox6 Will Continue "
                                                      "With Normal Setup. Please note Paddox6 cannot upgrade from Paddox2002/SE or Before."
                                                    : partly);
            const player::ImportOutcome outcome = player::importOtherEdition();
            VERIFY_DIALOGS(f.dialogs);
            QCOMPARE(outcome.completed, r.copied == 5);
            QCOMPARE(outcome.slotsCopied, r.copied);
            QVERIFY(outcome.writeProblem.ok());
            QCOMPARE(player::currentSlot(), short(r.copied == 5 ? 6 : r.copied > 0 ? r.copied + 1 : 0));
            // Slots copied whole hold the other edition's last lines; the rest are new players.
            checkSlots(f, r.copied, oldValue);
            QCOMPARE(QDir(f.install.dataFile(QString())).entryList(QDir::Files).size(), 50);
        }
    }
};

PADDOX_TEST(RulesTest)
#include "rules_test.moc"
