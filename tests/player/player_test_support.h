#pragma once
// Helpers shared by the sign-in, slot maintenance and first-run tests.
#include "app/window_registry.h"
#include "player/import.h"
#include "player/record_files.h"
#include "player/sign_in_window.h"
#include "support/test_installation.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace testing {

// Keeps the import away from the real configuration folder: the location record
// is looked for in a temporary folder, where nothing is unless a test puts it there.
class NoOtherEdition {
public:
    NoOtherEdition()
    {
        QStandardPaths::setTestModeEnabled(true);
        player::setLocationRecordPath(dir_.filePath(QStringLiteral("Tamblor Networks/iPaddoxV.loc")));
    }
    ~NoOtherEdition() { player::setLocationRecordPath(QString()); }
    QString recordPath() const { return player::locationRecordPath(); }
    // Writes the location record with the given bytes.
    void writeRecord(const QByteArray &bytes) const
    {
        QDir().mkpath(QFileInfo(recordPath()).path());
        QFile f(recordPath());
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(bytes);
    }
    QString folder() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

// A test installation whose five slots hold the new players' files.
struct InstalledPlayers : TestInstallation {
    InstalledPlayers() { writeDefaultPlayers(); }
};

// The bytes a record file holds for a text.
inline QByteArray line(const QString &text) { return text.toUtf8() + "\r\n"; }

// Opens the sign-in window through the registry, as the game does.
inline frmcontrol *openSignIn() { return app::window<frmcontrol>(); }

// Picks the slot's entry in the list and presses "Select Player".
inline void choosePlayer(frmcontrol *signIn, int slot)
{
    signIn->combo1->setCurrentRow(slot - 1);
    signIn->Command9_Click();
}

// Clicks the list entry in the given row, as the player does.
inline void clickEntry(frmcontrol *signIn, int row)
{
    const QRect at = signIn->combo1->visualItemRect(signIn->combo1->item(row));
    QTest::mouseClick(signIn->combo1->viewport(), Qt::LeftButton, {}, at.center());
}

// Destroys the windows that closed themselves.
inline void processDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Buttons and one-line labels of a window whose text does not fit their size
// (controls kept hidden are left out).
inline QStringList clippedControls(QWidget *window)
{
    QStringList clipped;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const auto *label = qobject_cast<QLabel *>(w);
        const bool text = qobject_cast<QPushButton *>(w) || (label && !label->wordWrap() && !label->text().isEmpty());
        if (!text || w->isHidden() || w->geometry().isEmpty())
            continue;
        const QSize need = w->sizeHint();
        if (need.width() > w->width() || need.height() > w->height())
            clipped << QStringLiteral("%1 needs %2x%3, has %4x%5")
                           .arg(w->objectName())
                           .arg(need.width())
                           .arg(need.height())
                           .arg(w->width())
                           .arg(w->height());
    }
    return clipped;
}

inline QStringList listEntries(const frmcontrol *signIn)
{
    QStringList entries;
    for (int i = 0; i < signIn->combo1->count(); ++i)
        entries << signIn->combo1->item(i)->text();
    return entries;
}

}  // namespace testing
