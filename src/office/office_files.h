#pragma once
// The betting office's own files in the data folder: the wizard flag file, the option
// file, and its reading of the country the player chose on the first run.
#include "platform/text_files.h"

#include <QString>

namespace office {

inline const QString wizardFlagFileName = QStringLiteral("pwiz04.dll");
inline const QString optionFileName = QStringLiteral("option.pdx");
inline const QString countryFileName = QStringLiteral("pdxcountry.pdx");

// A line read as a number equals 1 (" 1 ", "1" and "1.0" do; "01x", "" and "2" do not).
bool numericallyOne(const QString &line);

// The wizard flag: true when its last line is 1, and when the file is missing (a fresh installation).
// A file holding "0", another number, or no line at all gives false.
bool readWizardFlag();
// Writes "1" or "0", one line: the box "Don't Show At Start Up" left clear or ticked.
platform::WriteResult writeWizardFlag(bool showAtStartUp);

// The tab panel's presentation setting: 0 when the option file's last line is 1, otherwise
// (other content, no line, no file) 1.
int readTabPresentation();

struct CountryRead {
    bool readable = false;  // the file could be read and holds a line
    QString country;
};
CountryRead readCountry();

}  // namespace office
