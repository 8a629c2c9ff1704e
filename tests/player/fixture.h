#pragma once
// One set-up for every player test: a fresh installation (the five new players unless
// told otherwise), the other edition out of reach, scripted dialogs.
#include "app/window_registry.h"
#include "player/import.h"
#include "player/record_files.h"
#include "player/sign_in_window.h"
#include "support/scripted_dialogs.h"
#include "support/test_installation.h"
#include "support/test_main.h"

#include <QtWidgets>

// Names the table row of a looped test when one of its checks fails.
#define ROW(name) const auto rowGuard = qScopeGuard([&] { if (QTest::currentTestFailed()) qWarning("row: %s", name); })

namespace testing {

inline QByteArray line(const QString &text) { return text.toUtf8() + "\r\n"; }
inline void processDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

struct Fixture {
    explicit Fixture(bool players = true)
    {
        QStandardPaths::setTestModeEnabled(true);
        player::setLocationRecordPath(config.filePath(QStringLiteral("iPaddoxV.loc")));
        if (players)
            install.writeDefaultPlayers();
    }
    ~Fixture() { player::setLocationRecordPath(QString()); }
    void writeLocation(const QByteArray &bytes) const
    {
        QFile f(player::locationRecordPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // The sign-in window, with the player of `slot` selected when slot > 0.
    SignInWindow *signIn(int slot = 0)
    {
        SignInWindow *w = app::window<SignInWindow>();
        if (slot) {
            w->combo1->setCurrentRow(slot - 1);
            w->Command9_Click();
        }
        return w;
    }
    // A folder in the place of a data file: it can be neither read nor written.
    void block(const QString &name) const
    {
        QFile::remove(install.dataFile(name));
        QDir().mkpath(install.dataFile(name));
    }
    // A file in the place of the data folder.
    void dataIsAFile() const
    {
        QDir(install.dataFile(QString())).removeRecursively();
        QFile(QDir(install.folder()).filePath("data")).open(QIODevice::WriteOnly);
    }

    TestInstallation install;
    QTemporaryDir config;
    ScriptedDialogs dialogs;
};

}  // namespace testing
