#pragma once

#include <QObject>
#include <QString>

// Ejects a disc as the logged-in user can: through udisks on the system bus
// (unmount, then eject the drive), which the desktop's policy allows without
// privileges. Only when udisks is not there does it unmount and open the
// tray itself, which needs privileges. The work runs off the GUI thread, as
// an unmount waits for the disc's buffers to be written back.
class PlatformDiscEjector : public QObject
{
    Q_OBJECT
public:
    explicit PlatformDiscEjector(QObject* parent = nullptr);
    ~PlatformDiscEjector() override;

    // Ejects the disc of device mounted on mountPoint; finished() follows.
    // False when an eject is still running.
    bool eject(const QString& device, const QString& mountPoint);

signals:
    void finished(bool ejected, const QString& why);

private:
    // The blocking steps, run on the worker. Empty on success, else why the
    // disc stays.
    static QString ejectNow(const QString& device, const QString& mountPoint);

    bool m_busy = false;
    class QThread* m_thread = nullptr;
};
