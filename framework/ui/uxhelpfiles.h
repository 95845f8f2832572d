#pragma once

#include <QString>

// Where the local user manual lies. A manual name from the product decides the
// kind: one ending in "chm" is only looked for as compiled help, one ending in
// "html" only as an HTML page; an empty name means the current language's.
class uxHelpFiles
{
public:
    // The HTML manual under the configuration folder, or empty.
    static QString htmlManual(const QString& configDir, const QString& manualName,
                              const QString& language);
    // The compiled manual beside the program, or empty.
    static QString compiledManual(const QString& appDir, const QString& manualName,
                                  const QString& language);
};
