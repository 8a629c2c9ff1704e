#pragma once
// A page view for the help and page windows: it shows the game's own pages from the program
// folder and pages fetched from the web, follows links, goes back, and reports its status,
// progress and the end of each page as a browser would.
#include <QList>
#include <QTextBrowser>
#include <QUrl>

namespace platform {

class Fetch;
struct FetchResult;

class WebView : public QTextBrowser {
    Q_OBJECT
public:
    explicit WebView(QWidget *parent = nullptr);
    ~WebView() override;

    // Shows the page at the address: a local file at once, a web page once it has arrived.
    void navigate(const QUrl &address);
    // Back to the page shown before this one; false when there is none.
    bool goBack();
    // The page shown (or being fetched), and its title.
    QUrl address() const { return current_; }
    QString title() const;
    // Links clicked in this view open in that view instead (a contents pane beside its page).
    void setLinkTarget(WebView *view) { linkTarget_ = view; }

signals:
    void statusTextChanged(const QString &text);
    void progressChanged(int percent);
    void documentComplete(const QUrl &address);

protected:
    QVariant loadResource(int type, const QUrl &name) override;

private:
    void open(const QUrl &address, bool remember);
    void linkClicked(const QUrl &link);
    void fetched(const platform::FetchResult &result);
    void present(const QUrl &address, const QByteArray &bytes, bool html);
    void presentError(const QUrl &address, const QString &why);

    Fetch *fetch_ = nullptr;
    WebView *linkTarget_ = nullptr;
    QUrl current_;
    QList<QUrl> history_;  // the pages shown, the current one last
};

}  // namespace platform
