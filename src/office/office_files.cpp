#include "office/office_files.h"

#include "platform/program.h"

namespace office {

bool numericallyOne(const QString &line)
{
    bool ok = false;
    const double value = line.trimmed().toDouble(&ok);
    return ok && value == 1.0;
}

bool readWizardFlag()
{
    const platform::ReadResult read = platform::readLastLine(platform::dataPath(wizardFlagFileName));
    if (!read.opened)
        return true;
    return read.lastLine && numericallyOne(*read.lastLine);
}

platform::WriteResult writeWizardFlag(bool showAtStartUp)
{
    return platform::writeTextLine(platform::dataPath(wizardFlagFileName),
                                   showAtStartUp ? QStringLiteral("1") : QStringLiteral("0"));
}

int readTabPresentation()
{
    const platform::ReadResult read = platform::readLastLine(platform::dataPath(optionFileName));
    return read.opened && read.lastLine && numericallyOne(*read.lastLine) ? 0 : 1;
}

CountryRead readCountry()
{
    const platform::ReadResult read = platform::readLastLine(platform::dataPath(countryFileName));
    CountryRead country;
    if (read.opened && read.lastLine) {
        country.readable = true;
        country.country = *read.lastLine;
    }
    return country;
}

}  // namespace office
