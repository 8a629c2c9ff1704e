#pragma once
// One running game per data folder: two copies on the same players would save over
// each other. The lock is a file in the data folder; a lock left by a game that was
// killed is taken over.
#include <QString>
#include <memory>

class QLockFile;

namespace platform {

class InstanceLock {
public:
    InstanceLock();
    ~InstanceLock();
    // Takes the lock of the data folder; false when another running game holds it
    // (nothing is changed then) or it cannot be made (error() says why).
    bool acquire();
    QString error() const { return error_; }
    static QString fileName() { return QStringLiteral("paddox.lock"); }

private:
    std::unique_ptr<QLockFile> lock_;
    QString error_;
};

// What a second copy of the game says before it ends.
QString alreadyRunningText();

}  // namespace platform
