#pragma once

#include "platform/platformusersharedmemory.h"
#include <QObject>

class QTimer;

// The 10240-byte segment through which a path reaches the running player window.
// A writer puts one serialised string at its start; the running window polls it,
// takes the path and clears the slot so each path is opened once.
class uxHandoverSlot : public QObject
{
    Q_OBJECT
public:
    static constexpr int SegmentSize = 10240;

    explicit uxHandoverSlot(const QString& key, QObject* parent = nullptr);
    ~uxHandoverSlot() override;

    // Writer side. Creates the segment, or attaches to an existing one.
    bool open();
    bool wasAttached() const { return m_attached; }
    // Copies as much of the serialised path as fits; detaches when only attached.
    void writePath(const QString& path);
    // One-shot writer for another process: attach, write, detach.
    static bool handOver(const QString& key, const QString& path);
    // Waits until the running copy has taken what waits in the slot; false
    // when it has not within timeoutMs (or there is no segment).
    static bool waitUntilTaken(const QString& key, int timeoutMs);
    // The operating system's name of the segment.
    QString nativeKey() const { return m_segment.nativeKey(); }

    // Reader side: returns the waiting path (one trailing quote removed) and clears
    // the slot, or an empty string when nothing readable waits.
    QString takePath();
    void startPolling(int intervalMs = 1000);
    void stopPolling();

    static QByteArray serialise(const QString& text);
    // Empty when the bytes do not hold a complete, well-formed string.
    static QString deserialise(const QByteArray& bytes, bool* ok = nullptr);

Q_SIGNALS:
    void pathReceived(const QString& path);

private Q_SLOTS:
    void onPoll();

private:
    static void copyInto(PlatformUserSharedMemory& segment, const QByteArray& bytes);
    // The string waiting in an attached segment, read under its lock.
    static QString readWaiting(PlatformUserSharedMemory& segment, bool* locked = nullptr);
    void clearSlot();

    QString m_key;
    PlatformUserSharedMemory m_segment;
    bool m_attached = false;
    QTimer* m_timer = nullptr;
};
