#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QtCore/qnamespace.h>

// Where the splash layout file puts the splash and its three lines. The file
// is data: every size is clamped to the screen and every line to the splash,
// whatever numbers it holds.
class SplashLayout
{
public:
    struct Line
    {
        QRect geometry;
        Qt::Alignment alignment;
        QString color;
    };

    // False when the text is not well-formed XML; nothing is set then.
    bool read(const QByteArray& xml, double scale, const QRect& screen);

    QRect geometry;
    Line message;
    Line version;
    Line copyright;
};
