#include "player/engine/vlctitlerules.h"

#include <QCoreApplication>

QString VlcTitleRules::clockText(qint64 ms)
{
    const auto twoDigits = [](qint64 value) {
        return QString::number(value).rightJustified(2, '0');
    };
    return twoDigits(ms / 3600000) + QLatin1Char(':') + twoDigits((ms % 3600000) / 60000) +
           QLatin1Char(':') + twoDigits((ms % 60000) / 1000);
}

QString VlcTitleRules::titleName(int index, qint64 lengthMs, const QString& description)
{
    if (lengthMs > 0)
        return QStringLiteral("%1. %2").arg(index + 1).arg(clockText(lengthMs));
    const int space = description.indexOf(QLatin1Char(' '));
    return space < 0 ? description : description.mid(space + 1);
}

QString VlcTitleRules::discTitleName(int index, qint64 lengthMs, int chapters)
{
    const qint64 seconds = lengthMs / 1000;
    const QString length = QStringLiteral("%1:%2:%3")
                               .arg(seconds / 3600)
                               .arg((seconds % 3600) / 60, 2, 10, QLatin1Char('0'))
                               .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    // Two texts rather than a plural form: the source language ships no translation.
    const QString number = QString::number(index + 1);
    if (chapters == 1)
        return QCoreApplication::translate("VlcTitleRules", "Title %1 · %2 · 1 chapter")
            .arg(number, length);
    return QCoreApplication::translate("VlcTitleRules", "Title %1 · %2 · %3 chapters")
        .arg(number, length, QString::number(chapters));
}

QString VlcTitleRules::chapterName(int index, qint64 startMs, const QString& description)
{
    if (startMs >= 0)
        return QStringLiteral("%1. %2").arg(index + 1).arg(clockText(startMs));
    return description.trimmed();
}

QString VlcTitleRules::fileChapterName(int index, qint64 startMs, const QString& description)
{
    // Matroska names reach us with a leading space.
    const QString name = description.trimmed();
    return name.isEmpty() ? chapterName(index, startMs, name) : name;
}

int VlcTitleRules::chapterAt(const VlcTitle& title, qint64 timeMs)
{
    if (title.chapters.isEmpty())
        return -1;
    if (timeMs == 0)
        return 0;
    // The last chapter that has begun; chapters of unknown start are skipped.
    int current = 0;
    for (int c = 0; c < title.chapters.size(); ++c) {
        const qint64 start = title.chapters.at(c).start;
        if (start < 0)
            continue;
        if (start > timeMs)
            break;
        current = c;
    }
    return current;
}
