// Sound: the files compiled in, the off switch between the game and the speakers,
// and the switch kept between runs.
#include "platform/sound.h"
#include "platform/widgets/qt_sounds.h"
#include "support/recorded_sounds.h"
#include "support/test_main.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <QtEndian>
#include <cmath>
#include <functional>

using namespace platform;

namespace {
quint32 at32(const QByteArray &bytes, qsizetype i) { return qFromLittleEndian<quint32>(bytes.constData() + i); }
quint16 at16(const QByteArray &bytes, qsizetype i) { return qFromLittleEndian<quint16>(bytes.constData() + i); }
qint16 sample(const QByteArray &data, qsizetype n) { return qFromLittleEndian<qint16>(data.constData() + 2 * n); }
QSettings settings() { return QSettings(QStringLiteral("Tamblor"), QStringLiteral("Paddox6")); }
}  // namespace

class SoundTest : public QObject {
    Q_OBJECT

private slots:
    // Each sound is a small RIFF WAVE file: 16-bit PCM mono, its length, a peak near -3 dBFS and never
    // at full scale, silent at both ends, or for the loop ending where it starts.
    void files()
    {
        const struct { const char *path; double shortest, longest; bool loops; } rows[] = {
            {":/sounds/start_bell.wav", 1.0, 3.0, false}, {":/sounds/hoofbeats.wav", 0.4, 0.6, true},
            {":/sounds/crowd.wav", 2.0, 3.0, false}, {":/sounds/coin.wav", 0.2, 0.6, false}};
        for (const auto &row : rows) {
            QFile file(QString::fromLatin1(row.path));
            QVERIFY2(file.open(QIODevice::ReadOnly), row.path);
            const QByteArray bytes = file.readAll();
            QVERIFY2(bytes.size() > 44 && bytes.size() <= 150 * 1024, row.path);
            QVERIFY(bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE" && at32(bytes, 4) == quint32(bytes.size() - 8));
            QByteArray format, data;
            for (qsizetype i = 12; i + 8 <= bytes.size(); i += 8 + ((at32(bytes, i + 4) + 1) & ~1u)) {
                const QByteArray id = bytes.mid(i, 4), body = bytes.mid(i + 8, at32(bytes, i + 4));
                QCOMPARE(body.size(), qsizetype(at32(bytes, i + 4)));
                if (id == "fmt ")
                    format = body;
                else if (id == "data")
                    data = body;
            }
            QVERIFY2(format.size() >= 16 && !data.isEmpty(), row.path);
            const quint32 rate = at32(format, 4);
            QVERIFY2(at16(format, 0) == 1 && at16(format, 2) == 1 && (rate == 22050 || rate == 44100), row.path);
            QVERIFY(at32(format, 8) == rate * 2 && at16(format, 12) == 2 && at16(format, 14) == 16);
            const qsizetype count = data.size() / 2;
            QVERIFY2(count >= row.shortest * rate && count <= row.longest * rate, row.path);
            int peak = 0;
            for (qsizetype n = 0; n < count; ++n)
                peak = std::max(peak, std::abs(int(sample(data, n))));
            QVERIFY2(peak >= 20000 && peak <= 26000, qPrintable(QStringLiteral("%1: peak %2").arg(row.path).arg(peak)));
            const int first = sample(data, 0), last = sample(data, count - 1);
            QVERIFY2(row.loops ? std::abs(last - first) <= 100 : std::abs(first) <= 100 && std::abs(last) <= 100, row.path);
        }
    }

    // What the game asks for reaches the speakers only while sound is on; switched off mid-race the
    // hoofbeats stop, and switched back on they come back at the volume they have reached.
    void offSwitch()
    {
        const auto race = [](Sounds &s) {
            s.play(Sound::StartBell), s.startLoop(Sound::Hoofbeats, 0.3), s.setLoopVolume(0.9), s.stopLoop();
            s.play(Sound::Crowd), s.play(Sound::Coin);
        };
        const struct { const char *name; bool on; std::function<void(Sounds &)> game; QStringList heard; } rows[] = {
            {"on", true, race,
             {"play StartBell", "loop Hoofbeats 0.30", "volume 0.90", "stop", "play Crowd", "play Coin"}},
            {"off", false, race, {}},
            {"off mid-race", true, [](Sounds &s) {
                 s.startLoop(Sound::Hoofbeats, 0.4), setSoundOn(false), s.setLoopVolume(0.8), s.play(Sound::Coin), s.stopLoop();
             }, {"loop Hoofbeats 0.40", "stop"}},
            {"back on mid-race", false, [](Sounds &s) {
                 s.startLoop(Sound::Hoofbeats, 0.4), s.setLoopVolume(0.6), setSoundOn(true), s.setLoopVolume(0.7), s.stopLoop();
                 s.stopLoop();
             }, {"loop Hoofbeats 0.60", "volume 0.70", "stop"}},
            {"on after the race", false, [](Sounds &s) {
                 s.startLoop(Sound::Crowd, 1), s.stopLoop(), setSoundOn(true), s.play(Sound::Coin); }, {"play Coin"}},
            {"volumes past the ends", true, [](Sounds &s) {
                 s.startLoop(Sound::Hoofbeats, -2), s.setLoopVolume(7), s.setLoopVolume(std::nan("")), s.stopLoop();
             }, {"loop Hoofbeats 0.00", "volume 1.00", "volume 0.00", "stop"}}};
        for (const auto &row : rows) {
            setSoundOn(row.on);
            testing::RecordedSounds recorded;
            row.game(sounds());
            QVERIFY2(recorded.calls == row.heard, qPrintable(QStringLiteral("%1: %2").arg(row.name, recorded.calls.join('|'))));
        }
    }

    // The production sounds load a sound the first time it plays and never while sound is off; with no
    // audio output they load nothing, and ask for one only once.
    void loadedOnFirstPlay()
    {
        const struct { bool output, on; int asked, loaded; } rows[] = {{true, false, 0, 0}, {true, true, 1, 3}, {false, true, 1, 0}};
        for (const auto &row : rows) {
            int asked = 0;
            QtSounds production([&] { return ++asked, row.output; });
            setSoundOn(row.on);
            setSounds(&production);
            sounds().play(Sound::Coin), sounds().play(Sound::Coin), sounds().startLoop(Sound::Hoofbeats, 0.5);
            sounds().setLoopVolume(1), sounds().stopLoop(), sounds().play(Sound::Crowd), sounds().play(Sound::Coin);
            setSounds(nullptr);
            QCOMPARE(asked, row.asked);
            QCOMPARE(production.loadedCount(), row.loaded);
        }
    }

    // The switch is kept in the game's settings (a test folder here): on until the player turns it
    // off; a setting that cannot be saved is said to be unsaved but holds for this run.
    void remembered()
    {
        QVERIFY2(settings().fileName().contains(QStringLiteral("/.qttest/")), qPrintable(settings().fileName()));
        const struct { QVariant stored; bool on; } rows[] = {{{}, true}, {"false", false}, {"true", true}, {"loud", true}};
        for (const auto &row : rows) {
            row.stored.isValid() ? settings().setValue("Sound", row.stored) : settings().remove("Sound");
            QCOMPARE(rememberedSoundOn(), row.on);
        }
        for (bool on : {false, true, false}) {
            QVERIFY(setSoundOn(on) && soundOn() == on && rememberedSoundOn() == on);
            QCOMPARE(settings().value("Sound").toString(), QString(on ? "true" : "false"));
        }
        const QString path = settings().fileName();
        QVERIFY(QFile::remove(path) && QDir().mkpath(path));  // a folder where the file should be
        QVERIFY(!setSoundOn(true) && soundOn());
        QVERIFY(QDir(path).removeRecursively());
    }
};

PADDOX_TEST(SoundTest)
#include "sound_test.moc"
