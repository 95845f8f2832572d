#include "framework/core/uxsrcmgr.h"

#include "framework/core/uxconfigcipher.h"
#include "framework/core/uxproductinfo.h"
#include "platform/platformenvironment.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QResource>
#include <QStandardPaths>
#include <QTextStream>
#include <QTranslator>

#include <cmath>
#include <limits>

namespace {

uxSrcMgr* s_instance = nullptr;
double s_dpiScale = 0.0;

// Listings the platform would return unsorted are sorted by name, so the
// composed style sheet is the same on every machine.
QStringList files(const QString& dir, const QString& pattern)
{
    return QDir(dir).entryList({pattern}, QDir::Files, QDir::Name);
}

QStringList subdirs(const QString& dir)
{
    return QDir(dir).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList baseNames(const QStringList& fileNames)
{
    QStringList names;
    for (const QString& f : fileNames)
        names << QFileInfo(f).completeBaseName();
    return names;
}

QString readUtf8(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::Utf8);
    return stream.readAll();
}

void keepAllowed(QStringList& list, const QStringList& allowed)
{
    if (!uxProductInfo::instance()->isFilterProductResources() || allowed.isEmpty())
        return;
    for (int i = list.size() - 1; i >= 0; --i) {
        if (!allowed.contains(list.at(i)))
            list.removeAt(i);
    }
}

} // namespace

uxSrcMgr* uxSrcMgr::instance()
{
    if (!s_instance)
        s_instance = new uxSrcMgr(QCoreApplication::applicationDirPath());
    return s_instance;
}

uxSrcMgr* uxSrcMgr::createInstance(const QString& appDir)
{
    deleteInstance();
    s_instance = new uxSrcMgr(appDir);
    return s_instance;
}

void uxSrcMgr::deleteInstance()
{
    delete s_instance;
    s_instance = nullptr;
}

uxSrcMgr::uxSrcMgr(const QString& appDir) : m_appDir(appDir)
{
    discover();
}

uxSrcMgr::~uxSrcMgr()
{
    removeLanguage();
    unregisterSkinPackages();
    if (!m_productPackage.isEmpty())
        QResource::unregisterResource(m_productPackage, QStringLiteral(":/product"));
}

void uxSrcMgr::discover()
{
    const QString package = configDir() + QStringLiteral("/product.data");
    m_productRoot = configDir();
    if (QFile::exists(package)) {
        m_productRoot = QStringLiteral(":/product");
        if (QResource::registerResource(package, m_productRoot))
            m_productPackage = package;
    }
    if (QDir(skinDir()).exists())
        m_skins = baseNames(files(skinDir(), QStringLiteral("*.rcc"))) + subdirs(skinDir());
    if (QDir(languageDir()).exists()) {
        m_languages = baseNames(files(languageDir(), QStringLiteral("*.rcc")));
        if (m_languages.isEmpty())
            m_languages = subdirs(languageDir());
    }
}

QString uxSrcMgr::firstSkin() const
{
    return m_skins.value(0);
}

QString uxSrcMgr::fallbackLanguage() const
{
    if (m_languages.size() <= 1)
        return m_languages.value(0);
    const QString localeType = uxProductInfo::instance()->localeType();
    return hasLanguage(localeType) ? localeType : m_languages.first();
}

void uxSrcMgr::filterSkins()
{
    keepAllowed(m_skins, uxProductInfo::instance()->allowedSkins());
}

void uxSrcMgr::filterLanguages()
{
    keepAllowed(m_languages, uxProductInfo::instance()->allowedLanguages());
}

void uxSrcMgr::unregisterSkinPackages()
{
    while (!m_skinPackages.isEmpty())
        QResource::unregisterResource(m_skinPackages.takeLast(), m_currentSkinRoot);
}

void uxSrcMgr::setCurrentSkin(const QString& name)
{
    if (!hasSkin(name))
        return;
    unregisterSkinPackages();
    m_currentSkin = name;
    m_currentSkinRoot = QStringLiteral(":/skin/") + name;
    const QString package = skinDir() + QLatin1Char('/') + name + QStringLiteral(".rcc");
    QString top;
    if (QFile::exists(package)) {
        if (QResource::registerResource(package, m_currentSkinRoot))
            m_skinPackages << package;
        top = m_currentSkinRoot;
    } else if (QDir(skinDir() + QLatin1Char('/') + name).exists()) {
        top = skinDir() + QLatin1Char('/') + name;
    } else {
        return;
    }
    QString styleSheet;
    m_scanRoot = top;
    collectStyleSheet(top, styleSheet);
    if (qApp)
        qApp->setStyleSheet(scaleStyleSheet(styleSheet, dpiScale()));
    Q_EMIT skinChanged(m_currentSkin);
}

QStringList uxSrcMgr::styleSheetNames()
{
    const QString ws = windowingSystemName();
    const QString os = osVersionName();
    return {QStringLiteral("skin_public.css"),
            QStringLiteral("skin_public") + ws + QStringLiteral(".css"),
            QStringLiteral("skin_public") + os + QStringLiteral(".css"),
            QStringLiteral("skin.css"),
            QStringLiteral("skin_") + ws + QStringLiteral(".css"),
            QStringLiteral("skin_") + os + QStringLiteral(".css"),
            QStringLiteral("skin_project.css"),
            QStringLiteral("skin_project") + ws + QStringLiteral(".css"),
            QStringLiteral("skin_project") + os + QStringLiteral(".css")};
}

// A skin folder is the distributor's, but links inside it could lead anywhere:
// linked folders are not entered (a link back up would never end) and a linked
// file counts only when it lies inside the skin folder itself.
bool uxSrcMgr::isInsideSkin(const QString& path) const
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return true;
    const QString root = QFileInfo(m_scanRoot).canonicalFilePath();
    const QString target = info.canonicalFilePath();
    return !root.isEmpty() && target.startsWith(root + QLatin1Char('/'));
}

QString uxSrcMgr::collectStyleSheet(const QString& path, QString& out)
{
    const QDir dir(path);
    for (const QString& name : styleSheetNames()) {
        if (dir.exists(name) && isInsideSkin(dir.filePath(name)))
            out +=
                readUtf8(dir.filePath(name)).replace(QStringLiteral(":/"), path + QLatin1Char('/'));
    }
    for (const QString& package : files(path, QStringLiteral("*.rcc"))) {
        const QString packagePath = path + QLatin1Char('/') + package;
        if (!isInsideSkin(packagePath))
            continue;
        if (QResource::registerResource(packagePath, m_currentSkinRoot))
            m_skinPackages << packagePath;
        collectStyleSheet(
            m_currentSkinRoot + QLatin1Char('/') + package.section(QLatin1Char('.'), 0, 0), out);
    }
    const QStringList children =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name);
    if (children.contains(QStringLiteral("Framework")))
        collectStyleSheet(path + QStringLiteral("/Framework"), out);
    for (const QString& child : children) {
        if (child != QStringLiteral("Framework"))
            collectStyleSheet(path + QLatin1Char('/') + child, out);
    }
    return out;
}

QString uxSrcMgr::scaleStyleSheet(const QString& text, double factor)
{
    QString out;
    QString rest = text;
    int open;
    while ((open = rest.indexOf(QStringLiteral("{{"))) >= 0) {
        const int close = rest.indexOf(QStringLiteral("}}"), open + 2);
        if (close < 0)
            break; // an unclosed marker is kept as it stands
        out += rest.left(open);
        const int n = rest.mid(open + 2, close - open - 2).toInt();
        // Skin files and the screen's factor are not to be trusted to keep the
        // product within what a length can be.
        const double scaled = n * factor;
        const double limit = std::numeric_limits<int>::max();
        out += QString::number(std::isfinite(scaled) ? qint64(qBound(-limit, scaled, limit)) : 0);
        rest = rest.mid(close + 2);
    }
    return out + rest;
}

void uxSrcMgr::removeLanguage()
{
    for (QTranslator* translator : std::as_const(m_translators)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    m_translators.clear();
    while (!m_languagePackages.isEmpty())
        QResource::unregisterResource(m_languagePackages.takeLast(), QStringLiteral(":/language"));
}

void uxSrcMgr::setCurrentLanguage(const QString& code)
{
    if (!hasLanguage(code))
        return;
    removeLanguage();
    m_currentLanguage = code;
    const QString package = languageDir() + QLatin1Char('/') + code + QStringLiteral(".rcc");
    QString searchDir;
    if (QFile::exists(package)) {
        if (QResource::registerResource(package, QStringLiteral(":/language")))
            m_languagePackages << package;
        searchDir = QStringLiteral(":/language");
    } else if (QDir(languageDir() + QLatin1Char('/') + code).exists()) {
        searchDir = languageDir() + QLatin1Char('/') + code;
    } else {
        return;
    }
    const QString absolute = QDir(searchDir).absolutePath();
    for (const QString& file :
         files(searchDir, QStringLiteral("*_") + code + QStringLiteral(".qm"))) {
        auto* translator = new QTranslator;
        if (!translator->load(file, absolute))
            qDebug() << "translation file failed to load:" << absolute + QLatin1Char('/') + file;
        QCoreApplication::installTranslator(translator);
        m_translators << translator;
    }
    Q_EMIT languageChanged(m_currentLanguage);
}

QString uxSrcMgr::readProductConfig() const
{
    return readProductFile(QStringLiteral("/product.info"), QStringLiteral("/product.xml"),
                           QStringLiteral("</Config>"));
}

QString uxSrcMgr::productConfigPath() const
{
    const QString info = m_productRoot + QStringLiteral("/product.info");
    const QString xml = m_productRoot + QStringLiteral("/product.xml");
    return !QFile::exists(info) && QFile::exists(xml) ? xml : info;
}

QString uxSrcMgr::readProductExtend() const
{
    return readProductFile(QStringLiteral("/product_extend.info"),
                           QStringLiteral("/product_extend.xml"), QStringLiteral("</Extend>"));
}

QString uxSrcMgr::readProductFile(const QString& infoName, const QString& xmlName,
                                  const QString& terminator) const
{
    QString path = m_productRoot + infoName;
    const bool enciphered = QFile::exists(path);
    if (!enciphered) {
        path = m_productRoot + xmlName;
        if (!QFile::exists(path))
            return QString();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    if (!enciphered) {
        QTextStream stream(&file);
        stream.setEncoding(QStringConverter::Utf8);
        return stream.readAll();
    }
    return uxConfigCipher::decipherText(file.read(uxConfigCipher::BufferSize), terminator);
}

QString uxSrcMgr::nativeLanguageName(const QString& code)
{
    static const QHash<QString, QString> names = {{"zh_CN", "简体中文"},
                                                  {"zh_TW", "繁體中文"},
                                                  {"zh_HK", "繁體中文(HK)"},
                                                  {"en", "English"},
                                                  {"de", "Deutsch"},
                                                  {"el", "Ελληνικά"},
                                                  {"fr", "Français"},
                                                  {"it", "Italiano"},
                                                  {"es", "Español"},
                                                  {"pt", "Português"},
                                                  {"ru", "русский язык"},
                                                  {"ja", "日本語"},
                                                  {"ko", "韓國語"},
                                                  {"ar", "العربية"},
                                                  {"th", "ไทย"},
                                                  {"tr", "Türkçe"},
                                                  {"he", "עברית"},
                                                  {"bg", "български език"},
                                                  {"ca", "Català"},
                                                  {"cs", "česky"},
                                                  {"da", "dansk"},
                                                  {"fi", "suomi"},
                                                  {"hu", "Magyar"},
                                                  {"is", "Íslenska"},
                                                  {"nl", "Nederlands"},
                                                  {"no", "Norsk"},
                                                  {"pl", "polski"},
                                                  {"rm", "rumantsch grischun"},
                                                  {"ro", "română"},
                                                  {"hr", "hrvatski"},
                                                  {"sk", "slovenčina"},
                                                  {"sq", "Shqip"},
                                                  {"sv", "svenska"},
                                                  {"bo", "བོད་ཡིག"}};
    const auto it = names.constFind(code);
    if (it != names.cend())
        return *it;
    return QLocale::languageToString(QLocale(code).language());
}

QString uxSrcMgr::translate(const char* text)
{
    // The source texts are Latin-1 already; a round trip through QString changes nothing.
    return QCoreApplication::translate("uxSrcMgr", text);
}

QString uxSrcMgr::configDir() const
{
    return m_appDir + QStringLiteral("/cfg");
}

QString uxSrcMgr::skinDir() const
{
    return m_appDir + QStringLiteral("/cfg/skin");
}

QString uxSrcMgr::languageDir() const
{
    return m_appDir + QStringLiteral("/cfg/language");
}

// The player's temporary files (snapshots on their way to the user) are nobody
// else's business, so they go to the user's private folder, not the shared one.
QString uxSrcMgr::tempDir()
{
    const QString dir = PlatformEnvironment::userRuntimeDir();
    if (!dir.isEmpty())
        return dir;
    const QString shared = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    QDir().mkpath(shared);
    return shared;
}

QString uxSrcMgr::developerDumpDir()
{
#ifdef KESTREL_DEVELOPER_DUMP
    const QString base = PlatformEnvironment::homeDir() + QStringLiteral("/Tandrel_zoom");
    if (!QDir(base).exists())
        return QString();
    const QString dir = base + QLatin1Char('/') + uxProductInfo::instance()->name();
    QDir().mkpath(dir);
    return dir;
#else
    return QString();
#endif
}

QString uxSrcMgr::appIconPath() const
{
    const QString png = m_appDir + QStringLiteral("/app.png");
    return QFile::exists(png) ? png : m_appDir + QStringLiteral("/app.ico");
}

QString uxSrcMgr::splashImagePath(const QString& code) const
{
    const QString localised =
        m_appDir + QStringLiteral("/splashscreen_") + code + QStringLiteral(".png");
    return QFile::exists(localised) ? localised : m_appDir + QStringLiteral("/splashscreen.png");
}

QString uxSrcMgr::skinFirstPicture(const QString& frameworkFile) const
{
    if (m_currentSkin.isEmpty())
        return QString();
    const QString package = skinDir() + QLatin1Char('/') + m_currentSkin + QStringLiteral(".rcc");
    if (QFile::exists(package) && QFile::exists(m_currentSkinRoot + frameworkFile))
        return m_currentSkinRoot + frameworkFile;
    const QString folder = skinDir() + QLatin1Char('/') + m_currentSkin;
    if (QDir(folder).exists() && QFile::exists(folder + frameworkFile))
        return folder + frameworkFile;
    return QString();
}

QString uxSrcMgr::aboutImagePath() const
{
    const QString skinned = skinFirstPicture(QStringLiteral("/Framework/about.png"));
    if (!skinned.isEmpty())
        return skinned;
    const QString localised =
        m_productRoot + QStringLiteral("/about_") + m_currentLanguage + QStringLiteral(".png");
    return QFile::exists(localised) ? localised : m_productRoot + QStringLiteral("/about.png");
}

QString uxSrcMgr::largeLogoPath() const
{
    const QString skinned = skinFirstPicture(QStringLiteral("/Framework/appLarge.png"));
    return skinned.isEmpty() ? m_appDir + QStringLiteral("/appLarge.png") : skinned;
}

QString uxSrcMgr::audioPreviewPath() const
{
    return m_productRoot + QStringLiteral("/audiopreview.png");
}

QString uxSrcMgr::osVersionName()
{
    return PlatformEnvironment::osVersionName();
}

QString uxSrcMgr::windowingSystemName()
{
    return PlatformEnvironment::windowingSystemName();
}

QString uxSrcMgr::systemLanguage()
{
    static const QHash<int, QString> codes = {{QLocale::Arabic, "ar"},
                                              {QLocale::Bulgarian, "bg"},
                                              {QLocale::Catalan, "ca"},
                                              {QLocale::Czech, "cs"},
                                              {QLocale::Danish, "da"},
                                              {QLocale::German, "de"},
                                              {QLocale::Greek, "el"},
                                              {QLocale::Spanish, "es"},
                                              {QLocale::Finnish, "fi"},
                                              {QLocale::French, "fr"},
                                              {QLocale::Hebrew, "he"},
                                              {QLocale::Hungarian, "hu"},
                                              {QLocale::Icelandic, "is"},
                                              {QLocale::Italian, "it"},
                                              {QLocale::Japanese, "ja"},
                                              {QLocale::Korean, "ko"},
                                              {QLocale::Dutch, "nl"},
                                              {QLocale::NorwegianBokmal, "no"},
                                              {QLocale::NorwegianNynorsk, "no"},
                                              {QLocale::Polish, "pl"},
                                              {QLocale::Portuguese, "pt"},
                                              {QLocale::Romansh, "rm"},
                                              {QLocale::Romanian, "ro"},
                                              {QLocale::Russian, "ru"},
                                              {QLocale::Croatian, "hr"},
                                              {QLocale::Serbian, "hr"},
                                              {QLocale::Bosnian, "hr"},
                                              {QLocale::Slovak, "sk"},
                                              {QLocale::Albanian, "sq"},
                                              {QLocale::Swedish, "sv"},
                                              {QLocale::Thai, "th"},
                                              {QLocale::Turkish, "tr"},
                                              {QLocale::Tibetan, "bo"}};
    const QLocale locale = PlatformEnvironment::userInterfaceLocale();
    if (locale.language() == QLocale::Chinese) {
        // Only the People's Republic variant is Simplified Chinese; Hong Kong,
        // Taiwan and the other variants get the traditional script.
        return locale.territory() == QLocale::China ? QStringLiteral("zh_CN")
                                                    : QStringLiteral("zh_TW");
    }
    return codes.value(locale.language(), QStringLiteral("en"));
}

double uxSrcMgr::dpiScale()
{
    if (s_dpiScale <= 0.0)
        s_dpiScale = PlatformEnvironment::logicalDpi() / 96.0;
    return s_dpiScale;
}
