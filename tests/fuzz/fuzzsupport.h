#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

// Shared by the fuzz targets: the Qt application object some readers need,
// and a private home so nothing a target writes leaves the run.
namespace Fuzz {

inline QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), int(size));
}

inline QTemporaryDir& home()
{
    static QTemporaryDir dir;
    return dir;
}

inline void setUp(int* argc, char*** argv)
{
    qputenv("HOME", home().path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home().path() + "/config").toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (home().path() + "/cache").toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QCoreApplication* app = new QCoreApplication(*argc, *argv);
    Q_UNUSED(app);
}

} // namespace Fuzz
