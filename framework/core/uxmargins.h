#pragma once

#include <QList>
#include <QString>

// Four lengths in the text form skins write: "top,right,bottom,left".
struct uxMargins
{
    int top = 0;
    int right = 0;
    int bottom = 0;
    int left = 0;

    QString toText() const;
    // Reads text into this. Only a text of exactly four comma-separated parts is
    // taken; a part that is not a number counts as 0. False leaves this unchanged.
    bool readText(const QString& text);

    // The numbers of a text of exactly count comma-separated parts (a part that
    // is not a number counts as 0); empty for any other count.
    static QList<int> readNumbers(const QString& text, int count);
};
