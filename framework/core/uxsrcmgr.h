#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

class QTranslator;

// Owner of the look and the language of the application, and of the
// lookups of the program's files.
class uxSrcMgr : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString currentSkin READ currentSkin WRITE setCurrentSkin)
    Q_PROPERTY(QString currentLanguage READ currentLanguage WRITE setCurrentLanguage)
public:
    static uxSrcMgr* instance();
    // Creates the singleton for a program directory other than the running
    // program's own (tests and tools); replaces an existing one.
    static uxSrcMgr* createInstance(const QString& appDir);
    static void deleteInstance();

    QStringList skins() const { return m_skins; }
    QStringList languages() const { return m_languages; }
    bool hasSkin(const QString& name) const { return m_skins.contains(name); }
    bool hasLanguage(const QString& code) const { return m_languages.contains(code); }
    QString firstSkin() const;
    QString fallbackLanguage() const;
    void filterSkins();
    void filterLanguages();

    QString currentSkin() const { return m_currentSkin; }
    QString currentSkinRoot() const { return m_currentSkinRoot; }
    QString currentLanguage() const { return m_currentLanguage; }
    void setCurrentSkin(const QString& name);
    void setCurrentLanguage(const QString& code);

    QString productRoot() const { return m_productRoot; }
    // The product configuration file that is read, or the one that is missing.
    QString productConfigPath() const;
    QString readProductConfig() const;
    QString readProductExtend() const;

    static QString nativeLanguageName(const QString& code);
    static QString translate(const char* text);
    QString collectStyleSheet(const QString& path, QString& out);
    bool isInsideSkin(const QString& path) const;
    static QString scaleStyleSheet(const QString& text, double factor);
    static QStringList styleSheetNames();

    // Paths and environment.
    QString appDir() const { return m_appDir; }
    QString configDir() const;
    QString skinDir() const;
    QString languageDir() const;
    static QString tempDir();
    static QString developerDumpDir();
    QString appIconPath() const;
    QString splashImagePath(const QString& code) const;
    QString aboutImagePath() const;
    QString largeLogoPath() const;
    QString audioPreviewPath() const;
    static QString osVersionName();
    static QString windowingSystemName();
    static QString systemLanguage();
    static double dpiScale();

Q_SIGNALS:
    void skinChanged(QString strSkinName);
    void languageChanged(QString strLangName);

private:
    explicit uxSrcMgr(const QString& appDir);
    ~uxSrcMgr() override;

    void discover();
    QString readProductFile(const QString& infoName, const QString& xmlName,
                            const QString& terminator) const;
    void unregisterSkinPackages();
    void removeLanguage();
    QString skinFirstPicture(const QString& frameworkFile) const;

    QString m_appDir;
    QString m_currentLanguage;
    QString m_currentSkin;
    QString m_currentSkinRoot;
    QStringList m_skins;
    QStringList m_languages;
    QStringList m_skinPackages;
    QStringList m_languagePackages;
    QList<QTranslator*> m_translators;
    QString m_productRoot;
    QString m_scanRoot; // the skin folder collectStyleSheet() walks
    QString m_productPackage;
};
