#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The cover picture a file carries in its ID3v2 tag (versions 2.3 and 2.4),
// for when the media library does not hand it over itself.
class EmbeddedCover
{
public:
    // The front cover, else the first picture of the tag; null when there is none.
    static QImage read(const QString& path);
    // The same for the bytes of a file's start.
    static QImage fromTag(const QByteArray& bytes);

private:
    struct Picture
    {
        char type = -1;
        QByteArray data;
    };
    static Picture readPicture(const QByteArray& frame);
};
