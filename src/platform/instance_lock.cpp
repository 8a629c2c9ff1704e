#include "platform/instance_lock.h"

#include "platform/program.h"

#include <QDir>
#include <QLockFile>

namespace platform {

InstanceLock::InstanceLock() = default;
InstanceLock::~InstanceLock() = default;

bool InstanceLock::acquire()
{
    lock_ = std::make_unique<QLockFile>(dataPath(fileName()));
    // A game may run for hours: only a lock whose game is no longer running is stale.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0))
        return true;
    switch (lock_->error()) {
    case QLockFile::LockFailedError: error_ = alreadyRunningText(); break;
    case QLockFile::PermissionError:
        error_ = QStringLiteral("Paddox6 cannot write to its data folder:\n%1\n\nPlease check that you may change it.")
                     .arg(QDir::toNativeSeparators(dataFolder()));
        break;
    default: error_ = QStringLiteral("Paddox6 cannot lock its data folder:\n%1").arg(QDir::toNativeSeparators(dataFolder()));
    }
    lock_.reset();
    return false;
}

QString alreadyRunningText()
{
    return QStringLiteral("Paddox6 is already running with these players.\n\n"
                          "Please use the game that is open; this copy will now close.");
}

}  // namespace platform
