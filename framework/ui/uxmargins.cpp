#include "framework/ui/uxmargins.h"

#include <QStringList>

QString uxMargins::toText() const
{
    return QStringLiteral("%1,%2,%3,%4").arg(top).arg(right).arg(bottom).arg(left);
}

bool uxMargins::readText(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','), Qt::KeepEmptyParts);
    if (parts.size() != 4)
        return false;
    top = parts.at(0).toInt(nullptr, 10);
    right = parts.at(1).toInt(nullptr, 10);
    bottom = parts.at(2).toInt(nullptr, 10);
    left = parts.at(3).toInt(nullptr, 10);
    return true;
}
