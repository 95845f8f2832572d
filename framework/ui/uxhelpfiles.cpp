#include "framework/ui/uxhelpfiles.h"

#include <QFileInfo>

namespace {

QString firstExisting(const QString& candidate, const QString& fallback)
{
    if (QFileInfo::exists(candidate))
        return candidate;
    return QFileInfo::exists(fallback) ? fallback : QString();
}

} // namespace

QString uxHelpFiles::htmlManual(const QString& configDir, const QString& manualName,
                                const QString& language)
{
    if (manualName.endsWith(QLatin1String("chm"), Qt::CaseInsensitive))
        return QString();
    const QString name =
        manualName.isEmpty() ? QStringLiteral("help_%1/help.html").arg(language) : manualName;
    return firstExisting(QStringLiteral("%1/%2").arg(configDir, name),
                         QStringLiteral("%1/help/help.html").arg(configDir));
}

QString uxHelpFiles::compiledManual(const QString& appDir, const QString& manualName,
                                    const QString& language)
{
    if (manualName.endsWith(QLatin1String("html"), Qt::CaseInsensitive))
        return QString();
    const QString name =
        manualName.isEmpty() ? QStringLiteral("help_%1.CHM").arg(language) : manualName;
    return firstExisting(appDir + QLatin1Char('/') + name, appDir + QStringLiteral("/help.CHM"));
}
