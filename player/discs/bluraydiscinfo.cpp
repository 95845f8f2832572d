#include "player/discs/bluraydiscinfo.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <libbluray/bluray.h>
#include <libbluray/meta_data.h>

#include <cstdlib>
#include <memory>

namespace {

// libVLC's Blu-ray access lists the same titles: shorter playlists are menus,
// trailers and loops nobody chooses.
const uint32_t kMinimumTitleSeconds = 60;

struct DiscCloser
{
    void operator()(BLURAY* bd) const { bd_close(bd); }
};

struct TitleInfoFree
{
    void operator()(BLURAY_TITLE_INFO* info) const { bd_free_title_info(info); }
};

QString text(const char* value)
{
    return value ? QString::fromUtf8(value).trimmed() : QString();
}

QList<BlurayDiscInfo::Problem> aacsProblems(const BLURAY_DISC_INFO* info)
{
    if (!info->aacs_detected || info->aacs_handled)
        return {};
    if (!info->libaacs_detected)
        return {BlurayDiscInfo::AacsLibraryMissing};
    switch (info->aacs_error_code) {
    case BD_AACS_NO_CONFIG:
    case BD_AACS_NO_PK:
        return {BlurayDiscInfo::AacsNoKey};
    case BD_AACS_NO_CERT:
    case BD_AACS_CERT_REVOKED:
        return {BlurayDiscInfo::AacsCertificate};
    default:
        return {BlurayDiscInfo::AacsFailed};
    }
}

QList<BlurayDiscInfo::Problem> bdPlusProblems(const BLURAY_DISC_INFO* info)
{
    if (!info->bdplus_detected || info->bdplus_handled)
        return {};
    if (!info->libbdplus_detected)
        return {BlurayDiscInfo::BdPlusLibraryMissing};
    return {BlurayDiscInfo::BdPlusFailed};
}

} // namespace

BlurayDiscInfo BlurayDiscInfo::read(const QString& path)
{
    BlurayDiscInfo result;
    const QByteArray native = QFile::encodeName(QDir::toNativeSeparators(path));
    std::unique_ptr<BLURAY, DiscCloser> bd(bd_open(native.constData(), nullptr));
    if (!bd)
        return result;
    const BLURAY_DISC_INFO* info = bd_get_disc_info(bd.get());
    if (!info || !info->bluray_detected)
        return result;
    result.m_bluray = true;
    // Read through the disc's own file system, so images hash like folders.
    void* index = nullptr;
    int64_t size = 0;
    if (bd_read_file(bd.get(), "BDMV/index.bdmv", &index, &size) && index) {
        const QByteArray bytes(static_cast<const char*>(index), qsizetype(size));
        result.m_indexHash = QString::fromLatin1(
            QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
    }
    free(index);
    result.m_problems = aacsProblems(info) + bdPlusProblems(info);
    const META_DL* meta = bd_get_meta(bd.get());
    result.m_name = meta ? text(meta->di_name) : QString();
    if (result.m_name.isEmpty())
        result.m_name = text(info->disc_name);
    if (result.m_name.isEmpty())
        result.m_name = text(info->udf_volume_id);
    if (!result.m_problems.isEmpty())
        return result;
    const uint32_t count = bd_get_titles(bd.get(), TITLES_RELEVANT, kMinimumTitleSeconds);
    for (uint32_t t = 0; t < count; ++t) {
        const std::unique_ptr<BLURAY_TITLE_INFO, TitleInfoFree> title(
            bd_get_title_info(bd.get(), t, 0));
        if (title)
            result.m_titles.append({qint64(title->duration / 90), int(title->chapter_count)});
    }
    return result;
}

QString BlurayDiscInfo::describe(Problem problem)
{
    switch (problem) {
    case AacsLibraryMissing:
        return QCoreApplication::translate(
            "BlurayDiscInfo", "This disc is protected by AACS, and the AACS decoding library "
                              "(libaacs) is not installed.");
    case AacsNoKey:
        return QCoreApplication::translate(
            "BlurayDiscInfo", "This disc is protected by AACS, and no key for this disc was "
                              "found. Add its key to the AACS key database.");
    case AacsCertificate:
        return QCoreApplication::translate(
            "BlurayDiscInfo", "This disc is protected by AACS, and no valid host certificate "
                              "was found (it may have been revoked).");
    case AacsFailed:
        return QCoreApplication::translate(
            "BlurayDiscInfo", "This disc is protected by AACS, and its decoding failed.");
    case BdPlusLibraryMissing:
        return QCoreApplication::translate(
            "BlurayDiscInfo", "This disc is protected by BD+, and the BD+ library (libbdplus) "
                              "is not installed.");
    case BdPlusFailed:
        return QCoreApplication::translate(
            "BlurayDiscInfo", "This disc is protected by BD+, and its BD+ decoding failed.");
    }
    return QString();
}

QString BlurayDiscInfo::problemText() const
{
    QStringList lines;
    for (Problem problem : m_problems)
        lines << describe(problem);
    if (lines.isEmpty())
        return QString();
    lines << QCoreApplication::translate("BlurayDiscInfo", "The disc cannot be played.");
    return lines.join(QLatin1Char('\n'));
}
