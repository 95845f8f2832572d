#include "player/engine/embeddedcover.h"

#include <QFile>

namespace {

const int kHeaderSize = 10;
// Larger tags are not worth reading for a picture.
const qint64 kMaxTagSize = 16 * 1024 * 1024;
const char kFrontCover = 3;

quint32 bigEndian(const QByteArray& bytes, int at)
{
    quint32 value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 8) | quint8(bytes.at(at + i));
    return value;
}

// Sizes in the tag header (and in 2.4 frames) use seven bits of each byte.
quint32 syncSafe(const QByteArray& bytes, int at)
{
    quint32 value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 7) | (quint8(bytes.at(at + i)) & 0x7f);
    return value;
}

// The index just past the terminator of a text that starts at from, or -1.
int skipText(const QByteArray& frame, int from, bool wide)
{
    if (!wide) {
        const int end = frame.indexOf('\0', from);
        return end < 0 ? -1 : end + 1;
    }
    for (int i = from; i + 1 < frame.size(); i += 2) {
        if (frame.at(i) == 0 && frame.at(i + 1) == 0)
            return i + 2;
    }
    return -1;
}

} // namespace

QImage EmbeddedCover::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    const QByteArray header = file.read(kHeaderSize);
    if (header.size() < kHeaderSize || !header.startsWith("ID3"))
        return QImage();
    const qint64 size = syncSafe(header, 6);
    if (size > kMaxTagSize)
        return QImage();
    return fromTag(header + file.read(size));
}

QImage EmbeddedCover::fromTag(const QByteArray& bytes)
{
    if (bytes.size() < kHeaderSize || !bytes.startsWith("ID3"))
        return QImage();
    const int version = bytes.at(3);
    const quint8 flags = quint8(bytes.at(5));
    // Unsynchronised tags are rare and would need decoding first.
    if ((version != 3 && version != 4) || (flags & 0x80))
        return QImage();
    const int end = int(qMin<qint64>(bytes.size(), kHeaderSize + qint64(syncSafe(bytes, 6))));
    int at = kHeaderSize;
    if ((flags & 0x40) && at + 4 <= end)
        at += version == 3 ? 4 + int(bigEndian(bytes, at)) : int(syncSafe(bytes, at));
    // Compressed, encrypted or unsynchronised frames are passed over.
    const quint16 unreadable = version == 3 ? 0x00c0 : 0x000e;
    Picture first;
    while (at >= kHeaderSize && at + kHeaderSize <= end && bytes.at(at) != 0) {
        const qint64 size = version == 3 ? bigEndian(bytes, at + 4) : syncSafe(bytes, at + 4);
        const quint16 frameFlags = quint16((quint8(bytes.at(at + 8)) << 8) | quint8(bytes.at(at + 9)));
        const bool picture = bytes.mid(at, 4) == "APIC" && !(frameFlags & unreadable);
        at += kHeaderSize;
        if (size > end - at)
            break;
        if (picture) {
            // 2.4 may put the frame's decoded length first.
            const int skip = version == 4 && (frameFlags & 0x0001) ? 4 : 0;
            const Picture found = readPicture(bytes.mid(at + skip, qMax(0, int(size) - skip)));
            if (found.type == kFrontCover)
                return QImage::fromData(found.data);
            if (first.data.isEmpty())
                first = found;
        }
        at += int(size);
    }
    return first.data.isEmpty() ? QImage() : QImage::fromData(first.data);
}

// APIC: text encoding, MIME type, picture type, description, picture bytes.
EmbeddedCover::Picture EmbeddedCover::readPicture(const QByteArray& frame)
{
    if (frame.size() < 4)
        return {};
    const char encoding = frame.at(0);
    const int typeAt = skipText(frame, 1, false);
    if (typeAt < 0 || typeAt >= frame.size())
        return {};
    const int dataAt = skipText(frame, typeAt + 1, encoding == 1 || encoding == 2);
    if (dataAt < 0)
        return {};
    return {frame.at(typeAt), frame.mid(dataAt)};
}
