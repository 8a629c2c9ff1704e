#include "platform/http_fetch.h"

#include "platform/intervals.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace platform {

namespace {
int &timeoutMs()
{
    static int ms = fetchTimeoutMs;
    return ms;
}
std::function<QUrl(const QUrl &)> &rewriter()
{
    static std::function<QUrl(const QUrl &)> f;
    return f;
}

// An answer from the server that is not a success still has a body worth reporting (a "not
// found" page is an answer); a failure to reach the server, or a broken transfer, has none.
bool answerKept(QNetworkReply::NetworkError error)
{
    return error == QNetworkReply::NoError ||
           (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError) ||
           (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
}
}  // namespace

int fetchTimeout() { return timeoutMs(); }
void setFetchTimeout(int milliseconds) { timeoutMs() = milliseconds; }
void setFetchAddressRewrite(std::function<QUrl(const QUrl &)> rewrite) { rewriter() = std::move(rewrite); }

Fetch::Fetch(QObject *parent) : QObject(parent), manager_(new QNetworkAccessManager(this)), timeout_(new QTimer(this))
{
    timeout_->setSingleShot(true);
    connect(timeout_, &QTimer::timeout, this, [this] { done(true); });
}

Fetch::~Fetch() { abandon(); }

void Fetch::start(const QUrl &address)
{
    abandon();
    QNetworkRequest request(rewriter() ? rewriter()(address) : address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Paddox6"));
    body_.clear();
    QNetworkReply *reply = manager_->get(request);
    reply_ = reply;
    connect(reply, &QNetworkReply::readyRead, this, &Fetch::readBody);
    connect(reply, &QNetworkReply::finished, this, [this] { done(false); });
    connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        if (total > 0)
            emit progress(static_cast<int>(qBound(qint64(0), received * 100 / total, qint64(100))));
    });
    timeout_->start(timeoutMs());
}

void Fetch::abandon()
{
    timeout_->stop();
    if (QNetworkReply *reply = reply_.data()) {
        reply_ = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    body_.clear();
}

void Fetch::readBody()
{
    if (!reply_)
        return;
    body_ += reply_->read(fetchBodyCap + 1 - body_.size());
    if (body_.size() > fetchBodyCap) {
        // Enough: the rest is not fetched.
        body_.truncate(fetchBodyCap);
        FetchResult result{body_, reply_->url(),
                           reply_->header(QNetworkRequest::ContentTypeHeader).toString()};
        abandon();
        emit finished(result);
    }
}

void Fetch::done(bool timedOut)
{
    QNetworkReply *reply = reply_.data();
    if (!reply)
        return;
    if (!timedOut)
        readBody();
    if (!reply_)
        return;  // the cap was reached and reported
    FetchResult result;
    if (!timedOut && answerKept(reply->error())) {
        result.body = body_;
        result.address = reply->url();
        result.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    }
    abandon();
    emit finished(result);
}

}  // namespace platform
