#include "update/version_check.h"

#include "platform/http_fetch.h"
#include "platform/maker.h"
#include "platform/text_files.h"

#include <algorithm>

namespace update {

namespace {
bool &automaticChecks()
{
    static bool on = true;
    return on;
}
}  // namespace

bool automaticChecksOn() { return automaticChecks(); }
void setAutomaticChecksOn(bool on) { automaticChecks() = on; }

Verdict judge(const QByteArray &body)
{
    const QString code = platform::decodeText(body).trimmed();
    const bool versionCode = !code.isEmpty() && std::all_of(code.begin(), code.end(), [](QChar c) {
        return c >= u'0' && c <= u'9';
    });
    if (!versionCode)
        return Verdict::NothingFetched;
    return code == ownVersionCode ? Verdict::Latest : Verdict::Different;
}

VersionCheck::VersionCheck(QObject *parent) : QObject(parent), fetch_(new platform::Fetch(this))
{
    connect(fetch_, &platform::Fetch::finished, this, &VersionCheck::fetched);
}

bool VersionCheck::start()
{
    if (fetch_->busy())
        return false;
    fetch_->start(QUrl(QString::fromLatin1(platform::makerVersionFile)));
    return true;
}

bool VersionCheck::busy() const { return fetch_->busy(); }

void VersionCheck::fetched(const platform::FetchResult &result) { emit answered(judge(result.body)); }

}  // namespace update
