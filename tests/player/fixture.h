#pragma once
// One set-up for every player test: a fresh installation (the five new players unless
// told otherwise), the other edition out of reach, scripted dialogs. Controls are found
// by their names, as a player finds them by their captions.
#include "app/window_registry.h"
#include "game/session.h"
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

// The window's control of that name; a missing one stops the test program.
template <class T = QPushButton>
T *control(const QWidget *window, const char *name)
{
    if (T *found = window ? window->findChild<T *>(QString::fromLatin1(name)) : nullptr)
        return found;
    qFatal("no control %s", name);
}

// A timer's timeout as the event loop delivers it; a timer that is off gets nothing.
inline void fire(QTimer *timer)
{
    if (QTimerEvent event(timer->timerId()); timer->isActive())
        QCoreApplication::sendEvent(timer, &event);
}

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
    // The sign-in window, with the player of `slot` clicked in the list and selected when slot > 0.
    SignInWindow *signIn(int slot = 0)
    {
        SignInWindow *w = app::window<SignInWindow>();
        if (slot)
            control<QListWidget>(w, "combo1")->setCurrentRow(slot - 1), control(w, "Command9")->click();
        return w;
    }
    // Play for the player of `slot`, then the password when one is asked for (every test player's is 7351).
    SignInWindow *play(int slot)
    {
        SignInWindow *w = signIn(slot);
        control(w, "Command6")->click();
        if (auto *box = control<QLineEdit>(w, "Text11"); box->isVisibleTo(w))
            box->setText(QStringLiteral("7351")), control(w, "Command10")->click();
        return w;
    }
    // The next message: exactly this text; "!": any text; "": none.
    void expect(const QString &text) { text == "!" ? dialogs.expectAnyMessage() : text.isEmpty() ? void() : dialogs.expectMessage(text); }
    // A folder in the place of a data file: it can be neither read nor written.
    void block(const QString &name) const { QFile::remove(install.dataFile(name)), QDir().mkpath(install.dataFile(name)); }
    // A file in the place of the data folder.
    void dataIsAFile() const { QDir(install.dataFile(QString())).removeRecursively() && QFile(install.folder() + "/data").open(QIODevice::WriteOnly); }

    TestInstallation install;
    QTemporaryDir config;
    ScriptedDialogs dialogs;
};

}  // namespace testing
