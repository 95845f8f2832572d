#pragma once

#include <QString>

// A Blu-ray disc's identity for its resume point: the SHA-1 of its index file.
class DiscIndex
{
public:
    // Lower-case hex of the hash of root's "BDMV/index.bdmv" (root ends in "/");
    // empty when there is no such regular file of a plausible size.
    static QString hash(const QString& root);

    static const qint64 MaxSize = 1 << 20;
};
