#include "framework/core/uxproductinfo.h"

#include "framework/core/uxsrcmgr.h"

#include <QDir>
#include <QDomDocument>
#include <QSaveFile>

namespace {

uxProductInfo* s_instance = nullptr;

QString childText(const QDomElement& parent, const QString& name)
{
    return parent.firstChildElement(name).text();
}

int childInt(const QDomElement& parent, const QString& name)
{
    return childText(parent, name).toInt();
}

QStringList childList(const QDomElement& parent, const QString& name)
{
    return childText(parent, name).split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

QDomElement firstElement(const QDomDocument& doc, const QString& tag)
{
    return doc.documentElement().elementsByTagName(tag).item(0).toElement();
}

bool enabledAttribute(const QDomElement& element)
{
    return element.attribute(QStringLiteral("enable")).toInt() != 0;
}

ProductLanguageRecord* readLanguage(const QDomElement& e)
{
    auto* r = new ProductLanguageRecord;
    r->name = childText(e, QStringLiteral("Name"));
    r->description = childText(e, QStringLiteral("Description"));
    r->homePage = childText(e, QStringLiteral("HomePage"));
    r->productUrl = childText(e, QStringLiteral("ProductUrl"));
    r->salesEMail = childText(e, QStringLiteral("SalesEMail"));
    r->supportUrl = childText(e, QStringLiteral("SupportUrl"));
    r->supportEMail = childText(e, QStringLiteral("SupportEMail"));
    const QDomElement online = e.firstChildElement(QStringLiteral("OnlineManual"));
    r->onlineManual = online.text();
    r->onlineManualEnabled = enabledAttribute(online);
    const QDomElement local = e.firstChildElement(QStringLiteral("LocaleManual"));
    r->localeManual = local.text();
    r->localeManualEnabled = enabledAttribute(local);
    r->updateUrl = childText(e, QStringLiteral("UpdateUrl"));
    r->facebookUrl = childText(e, QStringLiteral("FacebookUrl"));
    return r;
}

QMap<QString, QString> readParams(const QDomElement& parent)
{
    QMap<QString, QString> params;
    for (QDomElement p = parent.firstChildElement(QStringLiteral("Param")); !p.isNull();
         p = p.nextSiblingElement(QStringLiteral("Param")))
        params.insert(p.attribute(QStringLiteral("name")), p.attribute(QStringLiteral("value")));
    return params;
}

QString currentLanguage()
{
    return uxSrcMgr::instance()->currentLanguage();
}

} // namespace

uxProductInfo* uxProductInfo::instance()
{
    if (!s_instance)
        s_instance = new uxProductInfo;
    return s_instance;
}

void uxProductInfo::deleteInstance()
{
    delete s_instance;
    s_instance = nullptr;
}

uxProductInfo::~uxProductInfo()
{
    qDeleteAll(m_languages);
}

bool uxProductInfo::loadConfig(const QString& xml)
{
    QDomDocument doc;
    const bool ok = bool(doc.setContent(xml, false));
    if (ok) {
        readCompany(firstElement(doc, QStringLiteral("Company")));
        readProgram(firstElement(doc, QStringLiteral("Program")));
        readProduct(firstElement(doc, QStringLiteral("Product")));
    }
    writeDeveloperCopy(QStringLiteral("/product.xml"), xml);
    return ok;
}

bool uxProductInfo::loadExtend(const QString& xml)
{
    QDomDocument doc;
    const bool ok = bool(doc.setContent(xml, false));
    if (ok) {
        const QDomElement root = doc.documentElement();
        const QMap<QString, QString> params = readParams(root);
        for (auto it = params.cbegin(); it != params.cend(); ++it)
            m_params.insert(it.key(), it.value());
        for (QDomElement l = root.firstChildElement(QStringLiteral("Language")); !l.isNull();
             l = l.nextSiblingElement(QStringLiteral("Language")))
            m_languageParams.insert(l.attribute(QStringLiteral("lang")), readParams(l));
    }
    writeDeveloperCopy(QStringLiteral("/product_extend.xml"), xml);
    return ok;
}

void uxProductInfo::readCompany(const QDomElement& c)
{
    m_title = childText(c, QStringLiteral("Title"));
    m_fullName = childText(c, QStringLiteral("FullName"));
    m_brand = childText(c, QStringLiteral("Brand"));
    m_foundYear = childInt(c, QStringLiteral("FoundYear"));
    m_toYear = childInt(c, QStringLiteral("ToYear"));
    const QDomElement skin = c.firstChildElement(QStringLiteral("DefaultSkin"));
    m_defaultSkin = skin.isNull() ? QStringLiteral("en") : skin.text();
    m_defaultLanguage = childText(c, QStringLiteral("DefaultLanguage"));
    m_allowedSkins = childList(c, QStringLiteral("AllowedSkins"));
    m_allowedLanguages = childList(c, QStringLiteral("AllowedLanguages"));
}

void uxProductInfo::readProgram(const QDomElement& p)
{
    m_programName = childText(p, QStringLiteral("Name"));
    m_programVersion = childText(p, QStringLiteral("Version"));
}

void uxProductInfo::readProduct(const QDomElement& p)
{
    m_name = childText(p, QStringLiteral("Name"));
    m_description = childText(p, QStringLiteral("Description"));
    m_magicString = childText(p, QStringLiteral("MagicString"));
    m_guid = childText(p, QStringLiteral("GUID"));
    m_productId = childText(p, QStringLiteral("ProductID"));
    const QDomElement locale = p.firstChildElement(QStringLiteral("LocaleType"));
    m_localeType = locale.isNull() ? QStringLiteral("en") : locale.text();
    m_version = childText(p, QStringLiteral("Version"));
    m_versionFlag = childText(p, QStringLiteral("VersionFlag"));
    m_updateUrl = childText(p, QStringLiteral("UpdateUrl"));
    m_oemUrl = childText(p, QStringLiteral("OEMUrl"));
    for (QDomElement l = p.firstChildElement(QStringLiteral("Language")); !l.isNull();
         l = l.nextSiblingElement(QStringLiteral("Language"))) {
        const QString lang = l.attribute(QStringLiteral("lang"));
        delete m_languages.take(lang);
        m_languages.insert(lang, readLanguage(l));
    }
}

void uxProductInfo::writeDeveloperCopy(const QString& fileName, const QString& text) const
{
    const QString dir = uxSrcMgr::developerDumpDir();
    if (dir.isEmpty() || !QDir(dir).exists())
        return;
    QSaveFile file(dir + fileName);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        file.write(text.toUtf8());
        file.commit();
    }
}

QString uxProductInfo::yearText() const
{
    if (m_foundYear == m_toYear)
        return QStringLiteral("%1").arg(m_foundYear);
    return QStringLiteral("%1-%2").arg(m_foundYear).arg(m_toYear);
}

const ProductLanguageRecord* uxProductInfo::currentRecord() const
{
    return m_languages.value(currentLanguage(), nullptr);
}

const ProductLanguageRecord* uxProductInfo::localeTypeRecord() const
{
    return m_languages.value(m_localeType, nullptr);
}

QString uxProductInfo::displayName() const
{
    const ProductLanguageRecord* r = currentRecord();
    return r && !r->name.isEmpty() ? r->name : m_name;
}

// The current language's record is used when it exists and, if a condition
// field is given, that field is non-empty; the LocaleType record fills the gap.
QString uxProductInfo::perLanguage(QString ProductLanguageRecord::*field, bool trimmed,
                                   QString ProductLanguageRecord::*condition) const
{
    QString result;
    const ProductLanguageRecord* first = currentRecord();
    if (first && (!condition || !(first->*condition).isEmpty()))
        result = first->*field;
    if (trimmed)
        result = result.trimmed();
    const ProductLanguageRecord* second = localeTypeRecord();
    if (result.isEmpty() && second)
        result = trimmed ? (second->*field).trimmed() : second->*field;
    return result;
}

QString uxProductInfo::homePage() const
{
    return perLanguage(&ProductLanguageRecord::homePage, true, &ProductLanguageRecord::productUrl);
}

QString uxProductInfo::productUrl() const
{
    return perLanguage(&ProductLanguageRecord::productUrl, true, nullptr);
}

QString uxProductInfo::supportUrl() const
{
    return perLanguage(&ProductLanguageRecord::supportUrl, true,
                       &ProductLanguageRecord::supportUrl);
}

QString uxProductInfo::supportEMail() const
{
    return perLanguage(&ProductLanguageRecord::supportEMail, false,
                       &ProductLanguageRecord::productUrl);
}

QString uxProductInfo::onlineManual() const
{
    return perLanguage(&ProductLanguageRecord::onlineManual, true, nullptr);
}

QString uxProductInfo::localeManual() const
{
    return perLanguage(&ProductLanguageRecord::localeManual, false, nullptr);
}

bool uxProductInfo::isOnlineManualEnabled() const
{
    const ProductLanguageRecord* r = currentRecord();
    return r && r->onlineManualEnabled;
}

bool uxProductInfo::isLocaleManualEnabled() const
{
    const ProductLanguageRecord* r = currentRecord();
    return r && r->localeManualEnabled;
}

QString uxProductInfo::extendParam(const QString& name, const QString& language) const
{
    const QString lang = language.isEmpty() ? currentLanguage() : language;
    const auto perLanguage = m_languageParams.constFind(lang);
    if (perLanguage != m_languageParams.cend() && perLanguage->contains(name))
        return perLanguage->value(name);
    return m_params.value(name);
}

bool uxProductInfo::isParamOne(const QString& name) const
{
    const QString value = extendParam(name);
    return !value.isEmpty() && value.toInt() == 1;
}

bool uxProductInfo::isSupportAutoUpdate() const
{
    return isParamOne(QStringLiteral("isSupportAutoUpdate"));
}

bool uxProductInfo::isFilterProductResources() const
{
    return isParamOne(QStringLiteral("isFilterProductResources"));
}

QString uxProductInfo::defaultSkin() const
{
    const uxSrcMgr* mgr = uxSrcMgr::instance();
    return mgr->hasSkin(m_defaultSkin) ? m_defaultSkin : mgr->firstSkin();
}

QString uxProductInfo::defaultLanguage() const
{
    const uxSrcMgr* mgr = uxSrcMgr::instance();
    const QString system = uxSrcMgr::systemLanguage();
    if (mgr->hasLanguage(system))
        return system;
    if (mgr->hasLanguage(m_defaultLanguage))
        return m_defaultLanguage;
    return mgr->fallbackLanguage();
}
