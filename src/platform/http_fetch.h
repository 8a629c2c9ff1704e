#pragma once
// Fetching a page or a file from the web. The fetch never blocks: it reports once, on the
// user-interface thread, with the body, or with an empty body when nothing could be fetched
// (no connection, the server refusing or not answering within the time-out). A body longer
// than the cap is cut at the cap.
#include <QByteArray>
#include <QObject>
#include <QNetworkReply>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;
class QTimer;

namespace platform {

inline constexpr qint64 fetchBodyCap = 64 * 1024;

struct FetchResult {
    QByteArray body;      // empty when nothing could be fetched
    QUrl address;         // where the body came from (after any redirection)
    QString contentType;  // as the server named it, e.g. "text/html; charset=utf-8"
    bool fetched() const { return !body.isEmpty(); }
};

class Fetch : public QObject {
    Q_OBJECT
public:
    explicit Fetch(QObject *parent = nullptr);
    ~Fetch() override;

    // Starts fetching the address. A fetch still under way is abandoned first and never reports.
    void start(const QUrl &address);
    // Abandons the fetch under way; it never reports.
    void abandon();
    bool busy() const { return reply_ != nullptr; }

signals:
    // How much of the body has arrived, 0..100, when the server said how long it is.
    void progress(int percent);
    void finished(const platform::FetchResult &result);

private:
    void readBody();
    void done(bool timedOut);

    QNetworkAccessManager *manager_ = nullptr;
    QPointer<QNetworkReply> reply_;
    QTimer *timeout_ = nullptr;
    QByteArray body_;
};

// The time-out of every fetch started from now on (10 s; tests shorten it).
int fetchTimeout();
void setFetchTimeout(int milliseconds);
// Tests send the maker's addresses to a server of their own: every address passes through
// this before it is fetched. An empty function fetches the address as given.
void setFetchAddressRewrite(std::function<QUrl(const QUrl &)> rewrite);

}  // namespace platform
