#pragma once

#include <QLockFile>
#include <QString>

// The per-user token that only the running copy of the program holds. It lives in
// the user's private runtime folder, so other users neither see nor block it. A
// copy that crashed leaves its lock behind; the next copy takes it over.
class PlatformInstanceLock
{
public:
    explicit PlatformInstanceLock(const QString& name);

    // True when this process now holds the lock.
    bool tryAcquire();
    bool isHeld() const { return m_file.isLocked(); }
    QString fileName() const { return m_fileName; }

    // The lock file for name in the user's private runtime folder.
    static QString lockFilePath(const QString& name);

private:
    QString m_fileName;
    QLockFile m_file;
};
