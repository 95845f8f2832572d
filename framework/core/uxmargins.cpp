#include "framework/core/uxmargins.h"

#include <QStringList>

QString uxMargins::toText() const
{
    return QStringLiteral("%1,%2,%3,%4").arg(top).arg(right).arg(bottom).arg(left);
}

bool uxMargins::readText(const QString& text)
{
    const QList<int> numbers = readNumbers(text, 4);
    if (numbers.isEmpty())
        return false;
    top = numbers.at(0);
    right = numbers.at(1);
    bottom = numbers.at(2);
    left = numbers.at(3);
    return true;
}

QList<int> uxMargins::readNumbers(const QString& text, int count)
{
    const QStringList parts = text.split(QLatin1Char(','), Qt::KeepEmptyParts);
    QList<int> numbers;
    if (parts.size() != count)
        return numbers;
    for (const QString& part : parts)
        numbers << part.toInt(nullptr, 10);
    return numbers;
}
