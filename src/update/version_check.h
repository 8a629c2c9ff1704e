#pragma once
// The update check's rule: the maker's version file, fetched over the web, is compared with this
// version's own code once the blanks and line ends around its text are trimmed.
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
    NothingFetched,  // no answer: no connection, the server refusing or not answering, or a
                     // body that is no version code (an error page)
    Latest,          // the version file holds this version's code
    Different,       // another version code, newer or older
};

// The automatic check of the betting office runs in the game; test programs switch it off, so
// that no answer from the web can turn up in the middle of another test, unless they test it.
bool automaticChecksOn();
void setAutomaticChecksOn(bool on);

// What the version file's body says. White space around the text (blanks, tabs, line ends) is
// trimmed, as a file saved by an editor ends in a line break; what is left is a version code
// when it is one or more of the digits 0 to 9 and nothing else, and it is compared as text
// ("066" is not "66"). Anything else, an empty body among it, is no answer.
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
