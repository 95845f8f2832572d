#pragma once

#include <QObject>
#include <QList>
#include <QVariant>

#include <utility>

// The user's choices kept between runs, in the per-user store named after the product.
class uxSettings : public QObject
{
    Q_OBJECT
public:
    static uxSettings* instance();
    static void deleteInstance();

    QVariant value(const QString& key, const QVariant& defaultValue = QVariant()) const;
    void setValue(const QString& key, const QVariant& value);
    // Sets several values with one write of the store.
    void setValues(const QList<std::pair<QString, QVariant>>& values);

    QString tempOutputDir() const;
    // Where snapshots go until the user picks a folder.
    static QString defaultSnapshotDir();
    QString snapshotDir() const;
    void setSnapshotDir(const QString& path);
    QString snapshotFormat() const;
    void setSnapshotFormat(const QString& format);
    QString skin(const QString& defaultName) const;
    void setSkin(const QString& name);
    QString language(const QString& defaultCode) const;
    void setLanguage(const QString& code);
    bool isAutoUpdateEnabled() const;
    void setAutoUpdateEnabled(bool enabled);
    QString updateDownloadUrl() const;

private:
    uxSettings();
    QString pathSetting(const QString& key, const QString& defaultPath) const;
    void setPathSetting(const QString& key, const QString& path);
    QString trimmedString(const QString& key) const;
};
