#pragma once

#include <QString>

// Facts about a shared-memory segment that Qt does not report.
class PlatformSharedMemory
{
public:
    // Access bits (as in 0600) of the segment with the given native key, or -1
    // when there is no such segment.
    static int permissions(const QString& nativeKey);
    // How many processes are attached to it, or -1 when there is no such segment.
    static int attachCount(const QString& nativeKey);
    // True when the segment exists, the user created and owns it, and nobody
    // else may read or write it.
    static bool isPrivate(const QString& nativeKey);
};
