#pragma once

#include <QSharedMemory>

// A shared-memory segment private to the user: the key is qualified by the
// user's id, so the same key names different segments (and locks) for different
// users, and another user's segment can never block this one.
class PlatformUserSharedMemory : public QSharedMemory
{
    Q_OBJECT
public:
    explicit PlatformUserSharedMemory(const QString& key, QObject* parent = nullptr);

    static QString userKey(const QString& key);
    static QString userNativeKey(const QString& key);
};
