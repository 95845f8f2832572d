#pragma once

#include "framework/core/productlanguagerecord.h"

#include <QMap>
#include <QObject>
#include <QStringList>

class QDomElement;

// Identity of the product the player ships as, read once at start-up.
class uxProductInfo : public QObject
{
    Q_OBJECT
public:
    static uxProductInfo* instance();
    static void deleteInstance();

    bool loadConfig(const QString& xml);
    bool loadExtend(const QString& xml);

    QString name() const { return m_name; }
    QString programName() const { return m_programName; }
    QString programVersion() const { return m_programVersion; }
    QString guid() const { return m_guid; }
    QString productId() const { return m_productId; }
    QString localeType() const { return m_localeType; }
    QString version() const { return m_version; }
    QStringList allowedSkins() const { return m_allowedSkins; }
    QStringList allowedLanguages() const { return m_allowedLanguages; }
    QString title() const { return m_title; }
    QString fullName() const { return m_fullName; }
    QString brand() const { return m_brand; }
    int foundYear() const { return m_foundYear; }
    int toYear() const { return m_toYear; }

    QString yearText() const;
    QString displayName() const;
    QString homePage() const;
    QString productUrl() const;
    QString supportUrl() const;
    QString supportEMail() const;
    QString onlineManual() const;
    QString localeManual() const;
    bool isOnlineManualEnabled() const;
    bool isLocaleManualEnabled() const;

    QString extendParam(const QString& name, const QString& language = QString()) const;
    bool isSupportAutoUpdate() const;
    bool isFilterProductResources() const;

    QString defaultSkin() const;
    QString defaultLanguage() const;

private:
    uxProductInfo() = default;
    ~uxProductInfo() override;

    void readCompany(const QDomElement& company);
    void readProgram(const QDomElement& program);
    void readProduct(const QDomElement& product);
    const ProductLanguageRecord* currentRecord() const;
    const ProductLanguageRecord* localeTypeRecord() const;
    QString perLanguage(QString ProductLanguageRecord::*field, bool trimmed,
                        QString ProductLanguageRecord::*condition) const;
    bool isParamOne(const QString& name) const;
    void writeDeveloperCopy(const QString& fileName, const QString& text) const;

    QString m_title, m_fullName, m_brand, m_defaultSkin, m_defaultLanguage;
    int m_foundYear = 0;
    int m_toYear = 0;
    QStringList m_allowedSkins, m_allowedLanguages;
    QString m_programName, m_programVersion;
    QString m_name, m_description, m_magicString, m_guid, m_productId;
    QString m_localeType = QStringLiteral("en");
    QString m_version, m_versionFlag, m_updateUrl, m_oemUrl;
    QMap<QString, ProductLanguageRecord*> m_languages;
    QMap<QString, QString> m_params;
    QMap<QString, QMap<QString, QString>> m_languageParams;
};
