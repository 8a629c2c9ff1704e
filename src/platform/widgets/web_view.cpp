#include "platform/widgets/web_view.h"

#include "platform/http_fetch.h"
#include "platform/text_files.h"

#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

namespace platform {

namespace {
// The game's pages are small; a local file beyond this is not one of them.
constexpr qint64 localPageLimit = 4 * 1024 * 1024;

bool isWeb(const QUrl &url)
{
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

bool sameDocument(const QUrl &a, const QUrl &b)
{
    return a.adjusted(QUrl::RemoveFragment) == b.adjusted(QUrl::RemoveFragment);
}
}  // namespace

WebView::WebView(QWidget *parent) : QTextBrowser(parent), fetch_(new Fetch(this))
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &WebView::linkClicked);
    connect(this, qOverload<const QUrl &>(&QTextBrowser::highlighted), this, [this](const QUrl &link) {
        emit statusTextChanged(link.isEmpty() ? QStringLiteral("Done") : current_.resolved(link).toString());
    });
    connect(fetch_, &Fetch::progress, this, &WebView::progressChanged);
    connect(fetch_, &Fetch::finished, this, &WebView::fetched);
}

WebView::~WebView() = default;

void WebView::navigate(const QUrl &address) { open(address, true); }

bool WebView::goBack()
{
    if (history_.size() < 2)
        return false;
    history_.removeLast();
    open(history_.last(), false);
    return true;
}

QString WebView::title() const
{
    const QString title = document()->metaInformation(QTextDocument::DocumentTitle).trimmed();
    return title.isEmpty() ? current_.toString() : title;
}

void WebView::linkClicked(const QUrl &link)
{
    const QUrl address = current_.resolved(link);
    // A page from the web does not open the player's own files.
    if (isWeb(current_) && !isWeb(address)) {
        emit statusTextChanged(QStringLiteral("This link cannot be opened: ") + address.toString());
        return;
    }
    (linkTarget_ ? linkTarget_ : this)->navigate(address);
}

void WebView::open(const QUrl &address, bool remember)
{
    fetch_->abandon();
    const bool samePage = address.hasFragment() && sameDocument(address, current_) && !document()->isEmpty();
    current_ = address;
    if (remember && (history_.isEmpty() || history_.last() != address))
        history_.append(address);
    if (samePage) {
        // A place on the page shown: no need to load it again.
        scrollToAnchor(address.fragment());
        emit documentComplete(address);
        return;
    }
    emit progressChanged(0);
    if (address.isLocalFile()) {
        QFile file(address.toLocalFile());
        if (QFileInfo(file).size() > localPageLimit || !file.open(QIODevice::ReadOnly)) {
            presentError(address, QStringLiteral("The file could not be opened."));
            return;
        }
        const QString suffix = QFileInfo(file).suffix().toLower();
        present(address, file.readAll(), suffix == QLatin1String("htm") || suffix == QLatin1String("html"));
    } else if (isWeb(address)) {
        emit statusTextChanged(QStringLiteral("Opening page ") + address.toString() + QStringLiteral("..."));
        fetch_->start(address);
    } else {
        presentError(address, QStringLiteral("This kind of address cannot be shown here."));
    }
}

void WebView::fetched(const FetchResult &result)
{
    if (!result.fetched()) {
        presentError(current_, QStringLiteral("The server could not be reached, or it did not answer in time."));
        return;
    }
    if (isWeb(result.address))
        current_ = result.address;  // where the page came from, after any redirection
    const QString type = result.contentType.toLower();
    const bool html = type.startsWith(QLatin1String("text/html")) ||
                      (type.isEmpty() && Qt::mightBeRichText(decodeText(result.body.left(4096))));
    present(current_, result.body, html);
}

void WebView::present(const QUrl &address, const QByteArray &bytes, bool html)
{
    const QString text = decodeText(bytes);
    if (html) {
        setHtml(text);
    } else {
        setPlainText(text);
        document()->setMetaInformation(QTextDocument::DocumentTitle, address.fileName());
    }
    if (address.hasFragment())
        scrollToAnchor(address.fragment());
    emit progressChanged(100);
    emit statusTextChanged(QStringLiteral("Done"));
    emit documentComplete(address);
}

void WebView::presentError(const QUrl &address, const QString &why)
{
    setHtml(QStringLiteral("<html><head><title>Page Cannot Be Shown</title></head><body>"
                           "<h2>This page cannot be shown</h2><p>%1</p><p>%2</p></body></html>")
                .arg(address.toString().toHtmlEscaped(), why.toHtmlEscaped()));
    emit statusTextChanged(QStringLiteral("The page cannot be shown"));
    emit documentComplete(address);
}

QVariant WebView::loadResource(int type, const QUrl &name)
{
    Q_UNUSED(type);
    // Pictures and style sheets of the game's own pages; nothing is fetched for a web page.
    const QUrl url = current_.resolved(name);
    if (!url.isLocalFile() || isWeb(current_))
        return {};
    QFile file(url.toLocalFile());
    if (QFileInfo(file).size() > localPageLimit || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

}  // namespace platform
