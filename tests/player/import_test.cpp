// Bringing the other edition's players in during the first-run set-up.
#include "player_test_support.h"
#include "support/scripted_dialogs.h"
#include "support/test_main.h"

using namespace testing;

namespace {
// An installation of the other edition, every slot with its own values.
class OtherInstallation {
public:
    OtherInstallation()
    {
        QDir(dir_.path()).mkpath(QStringLiteral("data"));
        for (int slot = 1; slot <= 5; ++slot) {
            for (const QString &suffix : player::recordSuffixes()) {
                const QString file = (slot == 1 && suffix == player::nameSuffix) ? QStringLiteral("pdxname.pdx")
                                                                                 : player::recordFileName(slot, suffix);
                // Two lines: the last one counts.
                write(file, "stale\r\n" + value(slot, suffix).toUtf8() + "\r\n");
            }
        }
    }
    static QString value(int slot, const QString &suffix)
    {
        return QStringLiteral("old %1 %2").arg(slot).arg(suffix.section(QLatin1Char('.'), 0, 0));
    }
    QString folder() const { return dir_.path(); }
    QString dataFile(const QString &name) const { return QDir(dir_.path()).filePath(QStringLiteral("data/") + name); }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile f(dataFile(name));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(bytes);
    }

private:
    QTemporaryDir dir_;
};

// The value slot `slot` should hold in this installation when it was a new player.
QString newPlayerValue(int slot, const QString &suffix) { return player::defaultFieldText(slot, suffix); }
}  // namespace

class ImportTest : public QObject {
    Q_OBJECT

private slots:
    void everySlotIsCopied()
    {
        TestInstallation install;
        NoOtherEdition location;
        OtherInstallation other;
        location.writeRecord("C:\\somewhere\\else\r\n" + other.folder().toUtf8() + "\r\n");
        player::setCurrentSlot(0);
        ScriptedDialogs dialogs;
        dialogs.expectMessage(player::importDoneMessage);
        frmcontrol *signIn = openSignIn();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(player::currentSlot(), short(6));
        for (int slot = 1; slot <= 5; ++slot) {
            for (const QString &suffix : player::recordSuffixes()) {
                QCOMPARE(install.readData(player::recordFileName(slot, suffix)),
                         line(OtherInstallation::value(slot, suffix)));
            }
            QCOMPARE(signIn->combo1->item(slot - 1)->text(), OtherInstallation::value(slot, player::nameSuffix));
        }
    }

    void failedImportKeepsWhatWasCopied_data()
    {
        QTest::addColumn<QByteArray>("record");     // the location record ("-": none at all)
        QTest::addColumn<QString>("spoiled");       // a file of the other edition that is missing or unreadable
        QTest::addColumn<bool>("asFolder");         // spoiled by a folder in its place rather than removed
        QTest::addColumn<int>("copied");            // slots copied before the failure
        QTest::addColumn<short>("slotAfter");       // the current slot the import leaves
        QTest::newRow("no location record") << QByteArray("-") << QString() << false << 0 << short(0);
        QTest::newRow("empty location record") << QByteArray() << QString() << false << 0 << short(0);
        QTest::newRow("record ends in a blank line") << QByteArray("@\r\n\r\n") << QString() << false << 0 << short(0);
        QTest::newRow("folder not there") << QByteArray("@/gone\r\n") << QString() << false << 0 << short(0);
        QTest::newRow("slot 1 name missing") << QByteArray("@\r\n") << "pdxname.pdx" << false << 0 << short(0);
        QTest::newRow("slot 1 password unreadable") << QByteArray("@\r\n") << "user1p.dll" << true << 0 << short(0);
        QTest::newRow("slot 2 name missing") << QByteArray("@\r\n") << "user2n.pdx" << false << 1 << short(2);
        QTest::newRow("slot 3 horse missing") << QByteArray("@\r\n") << "user3hor4.pdx" << false << 2 << short(3);
        QTest::newRow("slot 5 password missing") << QByteArray("@\r\n") << "user5p.dll" << false << 4 << short(5);
    }

    void failedImportKeepsWhatWasCopied()
    {
        QFETCH(QByteArray, record);
        QFETCH(QString, spoiled);
        QFETCH(bool, asFolder);
        QFETCH(int, copied);
        QFETCH(short, slotAfter);
        TestInstallation install;
        NoOtherEdition location;
        OtherInstallation other;
        if (record != "-")
            location.writeRecord(record.replace('@', other.folder().toUtf8()));
        if (!spoiled.isEmpty()) {
            QFile::remove(other.dataFile(spoiled));
            if (asFolder)
                QVERIFY(QDir().mkpath(other.dataFile(spoiled)));
        }
        player::setCurrentSlot(0);
        ScriptedDialogs dialogs;
        dialogs.expectMessage(player::noPreviousVersionsMessage);
        frmcontrol *signIn = openSignIn();
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(dialogs.messages().first().icon, platform::Icon::None);
        QCOMPARE(player::currentSlot(), slotAfter);
        QCOMPARE(install.endRequests(), 0);

        // Slots copied completely keep the other edition's values; the slot that failed
        // and those after it are new players (slot 1 through the fallback), never a mixture.
        for (int slot = 1; slot <= 5; ++slot) {
            for (const QString &suffix : player::recordSuffixes()) {
                const QString expected = slot <= copied ? OtherInstallation::value(slot, suffix) : newPlayerValue(slot, suffix);
                QCOMPARE(install.readData(player::recordFileName(slot, suffix)), line(expected));
            }
        }
        QCOMPARE(signIn->combo1->item(0)->text(), copied >= 1 ? OtherInstallation::value(1, "n.pdx") : "User 1");
    }
};

PADDOX_TEST(ImportTest)
#include "import_test.moc"
