#pragma once
// The update check's rule: the maker's version file, fetched over the web, is compared as a
// whole text with this version's own code.
#include <QByteArray>
#include <QObject>
#include <QString>

namespace platform {
class Fetch;
struct FetchResult;
}

namespace update {

// This version's own code.
inline const QString ownVersionCode = QStringLiteral("66");

enum class Verdict {
    NothingFetched,  // no answer: no connection, the server refusing or not answering
    Latest,          // the version file holds exactly this version's code
    Different,       // any other answer: a newer (or older) version, an error page, a line break
};

// The automatic check of the betting office runs in the game; test programs switch it off, so
// that no answer from the web can turn up in the middle of another test, unless they test it.
bool automaticChecksOn();
void setAutomaticChecksOn(bool on);

// What the version file's body says: its whole text, nothing trimmed.
Verdict judge(const QByteArray &body);

// One check at a time: fetches the maker's version file and reports the verdict.
class VersionCheck : public QObject {
    Q_OBJECT
public:
    explicit VersionCheck(QObject *parent = nullptr);
    // Starts a check; false (and nothing started) while one is under way.
    bool start();
    bool busy() const;

signals:
    void answered(update::Verdict verdict);

private:
    void fetched(const platform::FetchResult &result);
    platform::Fetch *fetch_ = nullptr;
};

}  // namespace update
