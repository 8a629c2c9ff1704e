#pragma once
// A fresh installation in a temporary folder, made the program folder for the
// test's lifetime; the program's "end at once" is caught instead of ending the test.
#include <QList>
#include <QString>
#include <QTemporaryDir>

namespace testing {

class TestInstallation {
public:
    // Copies the installation's files (data/, hall/, whats/, credits.htm).
    TestInstallation();
    ~TestInstallation();

    QString folder() const { return dir_.path(); }
    QString dataFile(const QString &name) const;
    // Writes raw bytes to a file of the data folder.
    void writeData(const QString &name, const QByteArray &bytes) const;
    QByteArray readData(const QString &name) const;
    bool dataExists(const QString &name) const;
    // Writes every record file of slots 1..5 with the defaults, plus a country file.
    void writeDefaultPlayers(const QString &country = QStringLiteral("United Kingdom")) const;
    // The number of times the program asked to end since this installation was made.
    int endRequests() const;
    QList<int> endCodes() const;

private:
    QTemporaryDir dir_;
};

}  // namespace testing
