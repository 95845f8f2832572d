#pragma once

#include "platform/platformusersharedmemory.h"
#include <QObject>
#include <QStringList>

class QTimer;

// The 10240-byte segment through which paths reach the running player window.
// Writers append serialised strings one after the other (the first at the start,
// an empty string after the last); the running window polls it, takes the paths
// in the order they came and clears the slot, so each path is opened once.
class uxHandoverSlot : public QObject
{
    Q_OBJECT
public:
    static constexpr int SegmentSize = 10240;

    enum Delivery
    {
        Delivered,
        NoRunningCopy, // no slot to write into
        TooLong,       // the path alone does not fit into the slot
        NotTaken       // the slot stayed full: the running copy does not take paths
    };

    explicit uxHandoverSlot(const QString& key, QObject* parent = nullptr);
    ~uxHandoverSlot() override;

    // Writer side. Creates the segment, or attaches to an existing one.
    bool open();
    bool wasAttached() const { return m_attached; }
    // Queues the path when it fits; detaches when only attached.
    void writePath(const QString& path);
    // One-shot writer for another process: attach, queue the path (waiting up to
    // waitMs for room), detach.
    static Delivery handOver(const QString& key, const QString& path, int waitMs = 10000);
    // The operating system's name of the segment.
    QString nativeKey() const { return m_segment.nativeKey(); }

    // Reader side: takes the first waiting path and leaves the others queued, or
    // returns an empty string when nothing readable waits. A stray closing quote
    // is dropped when the path exists only without it.
    QString takePath();
    // Takes every waiting path, oldest first.
    QStringList takePaths();
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
    QStringList take(int count);
    static QString withoutStrayQuote(const QString& path);
    // The readable paths at the start of bytes; end is where the queue stops.
    static QStringList queuedPaths(const QByteArray& bytes, qsizetype* end);
    static bool append(PlatformUserSharedMemory& segment, const QByteArray& bytes);
    static void writeAt(PlatformUserSharedMemory& segment, qsizetype offset,
                        const QByteArray& bytes);

    QString m_key;
    PlatformUserSharedMemory m_segment;
    bool m_attached = false;
    QTimer* m_timer = nullptr;
};
