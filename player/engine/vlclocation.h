#pragma once

#include <QByteArray>
#include <QString>

// Media locations: built from a path, encoded for libVLC, named for display.
class VlcLocation
{
public:
    // scheme "file", "dvd", ...: scheme + ":///" + the path without its leading
    // slashes, every backslash turned into a forward slash. Empty for an empty path.
    static QString build(const QString& scheme, const QString& path);
    // The location as libVLC takes it: percent-encoded UTF-8, '/', '\' and ':' kept.
    static QByteArray encode(const QString& location);
    // The file name of a file location, the last folder of a disc location, else empty.
    static QString mediaName(const QString& location);
    // Locations of files and discs whose titles and chapters the player lists.
    static bool hasTitles(const QString& location);
    static bool isFile(const QString& location);
    // The path of a file location; empty for any other.
    static QString filePath(const QString& location);
};
