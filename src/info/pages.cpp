#include "info/pages.h"

#include "platform/conversions.h"
#include "platform/program.h"

namespace info {

namespace {
QString &target()
{
    static QString address;
    return address;
}
QString &help()
{
    static QString page;
    return page;
}
}  // namespace

QString installedPage(const QString &name)
{
    QString relative = name.isEmpty() ? helpMainPage : name;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (relative.startsWith(QLatin1Char('/')))
        relative.remove(0, 1);
    return platform::programPath(relative);
}

QString pageTarget() { return target(); }
void setPageTarget(const QString &address) { target() = address; }
QString helpPage() { return help(); }
void setHelpPage(const QString &page) { help() = page; }

bool creditsSkipped()
{
    const platform::ReadResult read = platform::readLastLine(platform::dataPath(creditsFlagFileName));
    if (!read.opened || !read.lastLine)
        return false;
    const std::optional<double> value = platform::wholeNumber(*read.lastLine);
    return value && *value == 1;
}

platform::WriteResult writeCreditsFlag(bool skip)
{
    return platform::writeNumberLine(platform::dataPath(creditsFlagFileName), skip ? 1 : 0);
}

std::optional<QString> completedAddress(const QString &text)
{
    if (text == QLatin1String("htt"))
        return QStringLiteral("http://");
    if (text == QLatin1String("ww"))
        return QStringLiteral("http://www.");
    return std::nullopt;
}

}  // namespace info
