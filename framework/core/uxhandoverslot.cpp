#include "framework/core/uxhandoverslot.h"

#include <QDataStream>
#include <QDeadlineTimer>
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
    copyInto(m_segment, serialise(path));
    if (m_attached)
        m_segment.detach();
}

bool uxHandoverSlot::handOver(const QString& key, const QString& path)
{
    PlatformUserSharedMemory segment(key);
    if (!segment.attach(QSharedMemory::ReadWrite))
        return false;
    copyInto(segment, serialise(path));
    segment.detach();
    return true;
}

QString uxHandoverSlot::takePath()
{
    if (!m_segment.isAttached() && !m_segment.attach(QSharedMemory::ReadWrite))
        return QString();
    QString path = readWaiting(m_segment);
    if (path.trimmed().isEmpty())
        return QString();
    if (path.endsWith(QLatin1Char('"')))
        path.chop(1);
    clearSlot();
    return path;
}

QString uxHandoverSlot::readWaiting(PlatformUserSharedMemory& segment, bool* locked)
{
    const bool ok = segment.lock();
    if (locked)
        *locked = ok;
    if (!ok)
        return QString();
    const QByteArray bytes(static_cast<const char*>(segment.constData()), segment.size());
    segment.unlock();
    return deserialise(bytes);
}

bool uxHandoverSlot::waitUntilTaken(const QString& key, int timeoutMs)
{
    PlatformUserSharedMemory segment(key);
    if (!segment.attach(QSharedMemory::ReadWrite))
        return false;
    QDeadlineTimer deadline(timeoutMs);
    bool locked = false;
    while (!readWaiting(segment, &locked).trimmed().isEmpty() && locked) {
        if (deadline.hasExpired())
            break;
        QThread::msleep(50);
    }
    const bool taken = locked && readWaiting(segment).trimmed().isEmpty();
    segment.detach();
    return taken;
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
    const QString path = takePath();
    if (!path.isEmpty())
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

void uxHandoverSlot::copyInto(PlatformUserSharedMemory& segment, const QByteArray& bytes)
{
    if (!segment.isAttached() || !segment.lock())
        return;
    const qsizetype count = qMin<qsizetype>(segment.size(), bytes.size());
    std::memcpy(segment.data(), bytes.constData(), size_t(count));
    segment.unlock();
}

void uxHandoverSlot::clearSlot()
{
    // The reader keeps its read-write attachment: letting go of it could remove a
    // segment that only the reader still holds, and later hand-overs would be lost.
    copyInto(m_segment, QByteArray::fromRawData(EmptySlot, sizeof EmptySlot));
}
