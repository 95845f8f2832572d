#include "gifwriter.h"

#include <QFile>
#include <QHash>
#include <QVector>
#include <algorithm>

namespace {

constexpr int kMinCodeSize = 8; // 256-entry palette
constexpr int kClearCode = 1 << kMinCodeSize;
constexpr int kEndCode = kClearCode + 1;
constexpr int kMaxCode = 4095;

bool isTransparent(QRgb pixel)
{
    return qAlpha(pixel) < 128;
}

// Popularity palette over 4-bit-per-channel buckets, each bucket represented
// by the mean of its pixels. The drawings are flat colours with antialiased
// edges, so a few dozen buckets cover them without visible banding.
QVector<QRgb> buildPalette(const QList<QImage>& frames, bool reserveTransparent)
{
    struct Bucket {
        quint64 r = 0, g = 0, b = 0, count = 0;
    };
    QHash<int, Bucket> buckets;
    for (const QImage& frame : frames) {
        for (int y = 0; y < frame.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            for (int x = 0; x < frame.width(); ++x) {
                const QRgb p = line[x];
                if (isTransparent(p))
                    continue;
                const int key = ((qRed(p) >> 4) << 8) | ((qGreen(p) >> 4) << 4) | (qBlue(p) >> 4);
                Bucket& b = buckets[key];
                b.r += qRed(p);
                b.g += qGreen(p);
                b.b += qBlue(p);
                ++b.count;
            }
        }
    }
    QVector<Bucket> sorted;
    sorted.reserve(buckets.size());
    for (const Bucket& b : std::as_const(buckets))
        sorted.append(b);
    std::sort(sorted.begin(), sorted.end(),
              [](const Bucket& a, const Bucket& b) { return a.count > b.count; });

    QVector<QRgb> palette;
    if (reserveTransparent)
        palette.append(qRgba(0, 0, 0, 0));
    for (const Bucket& b : std::as_const(sorted)) {
        if (palette.size() == 256)
            break;
        palette.append(qRgb(int(b.r / b.count), int(b.g / b.count), int(b.b / b.count)));
    }
    while (palette.size() < 256)
        palette.append(qRgb(0, 0, 0));
    return palette;
}

int nearestIndex(const QVector<QRgb>& palette, int first, QRgb p)
{
    int best = first;
    int bestDistance = INT_MAX;
    for (int i = first; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(p);
        const int dg = qGreen(palette[i]) - qGreen(p);
        const int db = qBlue(palette[i]) - qBlue(p);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

class BitWriter
{
public:
    void put(int code, int size)
    {
        m_accumulator |= quint32(code) << m_bits;
        m_bits += size;
        while (m_bits >= 8) {
            m_bytes.append(char(m_accumulator & 0xff));
            m_accumulator >>= 8;
            m_bits -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_bits > 0)
            m_bytes.append(char(m_accumulator & 0xff));
        m_accumulator = 0;
        m_bits = 0;
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_accumulator = 0;
    int m_bits = 0;
};

// Variable-length LZW as GIF decoders expect it: the code width grows when the
// last assigned code reaches the current width's limit, and the table is reset
// with a clear code when it is full.
QByteArray lzwEncode(const QByteArray& indices)
{
    BitWriter out;
    QHash<quint32, int> table;
    int codeSize = kMinCodeSize + 1;
    int lastCode = kEndCode;
    out.put(kClearCode, codeSize);
    int current = -1;
    for (char c : indices) {
        const int k = uchar(c);
        if (current < 0) {
            current = k;
            continue;
        }
        const quint32 key = (quint32(current) << 8) | quint32(k);
        const auto it = table.constFind(key);
        if (it != table.constEnd()) {
            current = *it;
            continue;
        }
        out.put(current, codeSize);
        table.insert(key, ++lastCode);
        if (lastCode >= (1 << codeSize))
            ++codeSize;
        if (lastCode == kMaxCode) {
            out.put(kClearCode, codeSize);
            table.clear();
            codeSize = kMinCodeSize + 1;
            lastCode = kEndCode;
        }
        current = k;
    }
    if (current >= 0) {
        out.put(current, codeSize);
        // The decoder adds a table entry for this code too; follow its width.
        if (lastCode + 1 >= (1 << codeSize) && codeSize < 12)
            ++codeSize;
    }
    out.put(kEndCode, codeSize);
    return out.finish();
}

void putWord(QByteArray* out, int value)
{
    out->append(char(value & 0xff));
    out->append(char((value >> 8) & 0xff));
}

} // namespace

bool writeAnimatedGif(const QString& path, const QList<QImage>& frames, int delayMs,
                      QString* error)
{
    if (frames.isEmpty()) {
        *error = QStringLiteral("no frames");
        return false;
    }
    const QSize size = frames.first().size();
    if (size.width() > 65535 || size.height() > 65535) {
        *error = QStringLiteral("frame too large");
        return false;
    }
    QList<QImage> argb;
    bool anyTransparent = false;
    for (const QImage& frame : frames) {
        if (frame.size() != size) {
            *error = QStringLiteral("frames differ in size");
            return false;
        }
        QImage f = frame.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < f.height() && !anyTransparent; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(f.constScanLine(y));
            anyTransparent = std::any_of(line, line + f.width(), isTransparent);
        }
        argb.append(f);
    }
    const QVector<QRgb> palette = buildPalette(argb, anyTransparent);
    const int firstOpaque = anyTransparent ? 1 : 0;

    QByteArray gif("GIF89a");
    putWord(&gif, size.width());
    putWord(&gif, size.height());
    gif.append(char(0xF7)); // global palette of 256 entries, 8 bits per primary
    gif.append(char(0));    // background colour index
    gif.append(char(0));    // square pixels
    for (QRgb c : palette) {
        gif.append(char(qRed(c)));
        gif.append(char(qGreen(c)));
        gif.append(char(qBlue(c)));
    }
    // Loop forever.
    gif.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);

    const int delay = (delayMs + 5) / 10; // hundredths of a second
    QHash<QRgb, int> cache;
    for (const QImage& frame : std::as_const(argb)) {
        gif.append("\x21\xF9\x04", 3);
        // Disposal "restore to background" so transparent areas do not keep
        // the previous frame's pixels.
        gif.append(char(anyTransparent ? 0x09 : 0x04));
        putWord(&gif, delay);
        gif.append(char(0)); // transparent index (when the flag is set)
        gif.append(char(0));

        gif.append(char(0x2C));
        putWord(&gif, 0);
        putWord(&gif, 0);
        putWord(&gif, size.width());
        putWord(&gif, size.height());
        gif.append(char(0)); // no local palette, not interlaced

        QByteArray indices;
        indices.reserve(size.width() * size.height());
        for (int y = 0; y < frame.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            for (int x = 0; x < frame.width(); ++x) {
                const QRgb p = line[x];
                if (anyTransparent && isTransparent(p)) {
                    indices.append(char(0));
                    continue;
                }
                const QRgb opaque = p | 0xff000000u;
                auto it = cache.constFind(opaque);
                if (it == cache.constEnd())
                    it = cache.insert(opaque, nearestIndex(palette, firstOpaque, opaque));
                indices.append(char(*it));
            }
        }
        const QByteArray data = lzwEncode(indices);
        gif.append(char(kMinCodeSize));
        for (int pos = 0; pos < data.size(); pos += 255) {
            const int n = std::min(255, int(data.size()) - pos);
            gif.append(char(n));
            gif.append(data.constData() + pos, n);
        }
        gif.append(char(0));
    }
    gif.append(char(0x3B));

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(gif) != gif.size() || !file.flush()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
