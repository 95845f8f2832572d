#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

// The single-instance test helper, run as another process.
class HelperProcess
{
public:
    ~HelperProcess();

    // Runs a command to its end; its exit code, or -1 when it did not end.
    static int run(const QStringList& arguments);

    // Starts a command that holds something and waits for its "ready" line.
    bool start(const QStringList& arguments);
    // The words after "ready".
    QByteArray readyText() const { return m_readyText; }
    // Ends it normally (it lets go of what it holds).
    void release();
    // Ends it as a crash would, leaving behind what it held.
    void kill();

private:
    QProcess m_process;
    QByteArray m_readyText;
};
