#include "framework/core/uxhandoverslot.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>
#include <QIODevice>
#include <QTimer>
#include <cstring>

// What the reader leaves behind: a serialised empty C string (length 1, one zero
// byte). Its odd length reads back as an empty string.
static const char EmptySlot[] = {0, 0, 0, 1, 0};

uxHandoverSlot::uxHandoverSlot(const QString& key, QObject* parent)
    : QObject(parent), m_key(key), m_segment(key)
{
}

uxHandoverSlot::~uxHandoverSlot() = default;

bool uxHandoverSlot::open()
{
    m_attached = false;
    if (m_segment.create(SegmentSize, QSharedMemory::ReadWrite))
        return true;
    if (m_segment.error() == QSharedMemory::AlreadyExists && m_segment.attach()) {
        // A copy that crashed leaves its segment behind with nobody attached; letting
        // go of it then removes it, and this copy starts on a fresh one, as it would
        // find no segment at all after a clean exit.
        m_segment.detach();
        if (m_segment.create(SegmentSize, QSharedMemory::ReadWrite))
            return true;
    }
    m_attached = m_segment.attach(QSharedMemory::ReadWrite);
    return m_attached;
}

void uxHandoverSlot::writePath(const QString& path)
{
    if (m_segment.isAttached() && m_segment.lock()) {
        append(m_segment, serialise(path));
        m_segment.unlock();
    }
    if (m_attached)
        m_segment.detach();
}

uxHandoverSlot::Delivery uxHandoverSlot::handOver(const QString& key, const QString& path,
                                                  int waitMs)
{
    const QByteArray bytes = serialise(path);
    if (bytes.size() > SegmentSize)
        return TooLong;
    PlatformUserSharedMemory segment(key);
    if (!segment.attach(QSharedMemory::ReadWrite))
        return NoRunningCopy;
    // Paths handed over together queue up behind each other; one that finds the
    // slot full waits for the running copy to take what is there.
    QDeadlineTimer deadline(waitMs);
    Delivery result = NotTaken;
    for (;;) {
        if (segment.lock()) {
            const bool written = append(segment, bytes);
            segment.unlock();
            if (written) {
                result = Delivered;
                break;
            }
        }
        if (deadline.hasExpired())
            break;
        QThread::msleep(20);
    }
    segment.detach();
    return result;
}

QString uxHandoverSlot::takePath()
{
    const QStringList paths = take(1);
    return paths.value(0);
}

QStringList uxHandoverSlot::takePaths()
{
    return take(-1);
}

QStringList uxHandoverSlot::take(int count)
{
    if (!m_segment.isAttached() && !m_segment.attach(QSharedMemory::ReadWrite))
        return {};
    if (!m_segment.lock())
        return {};
    const QByteArray bytes(static_cast<const char*>(m_segment.constData()), m_segment.size());
    qsizetype end = 0;
    QStringList queued = queuedPaths(bytes, &end);
    QStringList taken;
    if (!queued.isEmpty()) {
        const qsizetype n = count < 0 ? queued.size() : qMin<qsizetype>(count, queued.size());
        taken = queued.mid(0, n);
        queued = queued.mid(n);
        // Everything still waiting moves to the front, where a writer of the
        // one-path layout and the next read expect it.
        QByteArray rest(EmptySlot, sizeof EmptySlot);
        if (!queued.isEmpty()) {
            rest.clear();
            for (const QString& path : std::as_const(queued))
                rest += serialise(path);
        }
        writeAt(m_segment, 0, rest + QByteArray(4, '\0'));
    }
    m_segment.unlock();
    for (QString& path : taken)
        path = withoutStrayQuote(path);
    return taken;
}

// Some launchers leave the closing quote of a quoted argument on the path. A
// file whose name really ends in a quote must still be found, so the quote goes
// only when that makes a missing path one that exists.
QString uxHandoverSlot::withoutStrayQuote(const QString& path)
{
    if (!path.endsWith(QLatin1Char('"')) || QFileInfo::exists(path))
        return path;
    const QString shorter = path.chopped(1);
    return QFileInfo::exists(shorter) ? shorter : path;
}

QStringList uxHandoverSlot::queuedPaths(const QByteArray& bytes, qsizetype* end)
{
    QStringList paths;
    qsizetype offset = 0;
    while (offset + 4 <= bytes.size()) {
        QDataStream stream(bytes.mid(offset));
        stream.setVersion(QDataStream::Qt_4_8);
        quint32 length = 0;
        stream >> length;
        if (length == 0 || length == 0xffffffffu || length % 2 != 0 ||
            qsizetype(length) > bytes.size() - offset - 4)
            break;
        const QString path = deserialise(bytes.mid(offset, 4 + qsizetype(length)));
        if (path.trimmed().isEmpty())
            break;
        paths << path;
        offset += 4 + qsizetype(length);
    }
    *end = offset;
    return paths;
}

bool uxHandoverSlot::append(PlatformUserSharedMemory& segment, const QByteArray& bytes)
{
    const QByteArray current(static_cast<const char*>(segment.constData()), segment.size());
    qsizetype end = 0;
    queuedPaths(current, &end);
    if (end + bytes.size() > segment.size())
        return false;
    // Four zero bytes (an empty string) end the queue when there is room for them.
    const qsizetype terminator = qMin<qsizetype>(4, segment.size() - end - bytes.size());
    writeAt(segment, end, bytes + QByteArray(terminator, '\0'));
    return true;
}

void uxHandoverSlot::startPolling(int intervalMs)
{
    if (!m_timer) {
        m_timer = new QTimer(this);
        connect(m_timer, &QTimer::timeout, this, &uxHandoverSlot::onPoll);
    }
    m_timer->start(intervalMs);
}

void uxHandoverSlot::stopPolling()
{
    if (m_timer)
        m_timer->stop();
}

void uxHandoverSlot::onPoll()
{
    for (const QString& path : takePaths())
        Q_EMIT pathReceived(path);
}

QByteArray uxHandoverSlot::serialise(const QString& text)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    // The 4.8 layout: 32-bit big-endian byte count, then UTF-16 big-endian.
    stream.setVersion(QDataStream::Qt_4_8);
    stream << text;
    return bytes;
}

QString uxHandoverSlot::deserialise(const QByteArray& bytes, bool* ok)
{
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_4_8);
    QString text;
    stream >> text;
    const bool complete = stream.status() == QDataStream::Ok;
    if (ok)
        *ok = complete;
    return complete ? text : QString();
}

void uxHandoverSlot::writeAt(PlatformUserSharedMemory& segment, qsizetype offset,
                             const QByteArray& bytes)
{
    const qsizetype count = qMin<qsizetype>(segment.size() - offset, bytes.size());
    if (count > 0)
        std::memcpy(static_cast<char*>(segment.data()) + offset, bytes.constData(), size_t(count));
}
