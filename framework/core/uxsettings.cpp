#include "framework/core/uxsettings.h"

#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsrcmgr.h"
#include "platform/platformenvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

uxSettings* s_instance = nullptr;

const char* const KeyOutputTemp = "Output/Temp";
const char* const KeySnapshotPath = "Snapshot/Path";
const char* const KeySnapshotFormat = "Snapshot/Format";
const char* const KeySkin = "Skin";
const char* const KeyLanguage = "Language";
const char* const KeyAutoUpdate = "Update/AutoEnabled";
const char* const KeyDownloadUrl = "Update/DownloadUrl";

} // namespace

uxSettings* uxSettings::instance()
{
    if (!s_instance)
        s_instance = new uxSettings;
    return s_instance;
}

void uxSettings::deleteInstance()
{
    delete s_instance;
    s_instance = nullptr;
}

uxSettings::uxSettings()
{
    const uxProductInfo* product = uxProductInfo::instance();
    QCoreApplication::setOrganizationName(product->fullName());
    QCoreApplication::setApplicationName(product->name());
}

QVariant uxSettings::value(const QString& key, const QVariant& defaultValue) const
{
    const QVariant stored = QSettings().value(key);
    return stored.isValid() ? stored : defaultValue;
}

void uxSettings::setValue(const QString& key, const QVariant& value)
{
    QSettings().setValue(key, value);
}

// Every store written rewrites the whole file: a list goes through one store, so
// saving it costs one write, not one per entry.
void uxSettings::setValues(const QList<std::pair<QString, QVariant>>& values)
{
    QSettings store;
    for (const auto& [key, value] : values)
        store.setValue(key, value);
}

QString uxSettings::pathSetting(const QString& key, const QString& defaultPath) const
{
    const QVariant stored = value(key);
    QString path = stored.isValid() ? stored.toString() : QString();
    if (path.isEmpty())
        path = defaultPath;
    if (!path.isEmpty() && !QDir(path).exists())
        QDir().mkpath(path);
    return path;
}

void uxSettings::setPathSetting(const QString& key, const QString& path)
{
    if (pathSetting(key, QString()) != path)
        setValue(key, path);
}

QString uxSettings::tempOutputDir() const
{
    const uxProductInfo* product = uxProductInfo::instance();
    const QString privateDefault = uxSrcMgr::tempDir() + QLatin1Char('/') + product->title() +
                                   QLatin1Char('/') + product->name();
    const QString dir = pathSetting(KeyOutputTemp, privateDefault);
    if (dir == privateDefault)
        PlatformEnvironment::makePrivateDir(dir);
    return dir;
}

QString uxSettings::defaultSnapshotDir()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents + QLatin1Char('/') + uxProductInfo::instance()->fullName()
           + QStringLiteral("/Snapshot");
}

QString uxSettings::snapshotDir() const
{
    return pathSetting(KeySnapshotPath, defaultSnapshotDir());
}

void uxSettings::setSnapshotDir(const QString& path)
{
    setPathSetting(KeySnapshotPath, path);
}

QString uxSettings::snapshotFormat() const
{
    const QVariant stored = value(KeySnapshotFormat);
    return stored.isValid() ? stored.toString() : QStringLiteral("JPEG");
}

void uxSettings::setSnapshotFormat(const QString& format)
{
    setValue(KeySnapshotFormat, format);
}

QString uxSettings::trimmedString(const QString& key) const
{
    const QVariant stored = value(key);
    return stored.isValid() ? stored.toString().trimmed() : QString();
}

QString uxSettings::skin(const QString& defaultName) const
{
    const QString name = trimmedString(KeySkin);
    return uxSrcMgr::instance()->hasSkin(name) ? name : defaultName;
}

void uxSettings::setSkin(const QString& name)
{
    setValue(KeySkin, name);
}

QString uxSettings::language(const QString& defaultCode) const
{
    const QString code = trimmedString(KeyLanguage);
    return uxSrcMgr::instance()->hasLanguage(code) ? code : defaultCode;
}

void uxSettings::setLanguage(const QString& code)
{
    setValue(KeyLanguage, code);
}

bool uxSettings::isAutoUpdateEnabled() const
{
    return value(KeyAutoUpdate, true).toBool();
}

void uxSettings::setAutoUpdateEnabled(bool enabled)
{
    setValue(KeyAutoUpdate, QVariant(enabled));
}

QString uxSettings::updateDownloadUrl() const
{
    return value(KeyDownloadUrl).toString();
}
