#pragma once

#include <QSharedMemory>
#include <QString>

#include <memory>

// A shared-memory segment private to the user's session. Its key file and its
// lock file live in the user's private runtime folder, the same folder as the
// instance lock, so exactly the processes that share that lock meet here; a
// segment is used only when the user created it and nobody else may touch it.
class PlatformUserSharedMemory
{
public:
    explicit PlatformUserSharedMemory(const QString& key);
    ~PlatformUserSharedMemory();
    PlatformUserSharedMemory(const PlatformUserSharedMemory&) = delete;
    PlatformUserSharedMemory& operator=(const PlatformUserSharedMemory&) = delete;

    bool create(qsizetype size, QSharedMemory::AccessMode mode = QSharedMemory::ReadWrite);
    bool attach(QSharedMemory::AccessMode mode = QSharedMemory::ReadWrite);
    bool detach();
    bool isAttached() const { return m_memory->isAttached(); }
    QSharedMemory::SharedMemoryError error() const;
    qsizetype size() const { return m_memory->size(); }
    void* data() { return m_memory->data(); }
    const void* constData() const { return m_memory->constData(); }

    // Excludes every other process and object using this key until unlock().
    bool lock();
    bool unlock();

    // The operating system's name of the segment (its key file).
    QString nativeKey() const { return m_memory->nativeKey(); }
    static QString userNativeKey(const QString& key);

private:
    bool tryCreate(qsizetype size, QSharedMemory::AccessMode mode);
    void renew();
    bool replaceKeyFile();
    bool refuseForeignSegment();
    bool openLockFile();

    std::unique_ptr<QSharedMemory> m_memory;
    QString m_keyFile;
    QString m_lockPath;
    int m_lockFd = -1;
    bool m_locked = false;
    QSharedMemory::SharedMemoryError m_error = QSharedMemory::NoError;
};
