#include "helperprocess.h"

#include <QCoreApplication>

static QString helperProgram()
{
    return QCoreApplication::applicationDirPath() + "/kp-singleinstance-helper";
}

HelperProcess::~HelperProcess()
{
    if (m_process.state() != QProcess::NotRunning)
        release();
}

int HelperProcess::run(const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(helperProgram(), arguments);
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

bool HelperProcess::start(const QStringList& arguments)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(helperProgram(), arguments);
    while (!m_process.canReadLine()) {
        if (!m_process.waitForReadyRead(20000))
            return false;
    }
    const QByteArray line = m_process.readLine().trimmed();
    if (!line.startsWith("ready"))
        return false;
    m_readyText = line.mid(5).trimmed();
    return true;
}

void HelperProcess::release()
{
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(10000))
        kill();
}

void HelperProcess::kill()
{
    m_process.kill();
    m_process.waitForFinished(10000);
}
