#include "testenvironment.h"

#include <QDir>
#include <QFile>

static void setFolder(const char* name, const QString& path)
{
    QDir().mkpath(path);
    qputenv(name, QFile::encodeName(path));
}

TestEnvironment::TestEnvironment()
{
    if (!m_dir.isValid())
        qFatal("cannot create the test home");
    setFolder("HOME", home());
    setFolder("XDG_CONFIG_HOME", m_dir.path() + "/home/.config");
    setFolder("XDG_DATA_HOME", m_dir.path() + "/home/.local/share");
    setFolder("XDG_CACHE_HOME", m_dir.path() + "/home/.cache");
    setFolder("TMPDIR", m_dir.path() + "/tmp");
    setFolder("XDG_RUNTIME_DIR", runtimeDir());
    QFile::setPermissions(runtimeDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb");
}

QString TestEnvironment::home() const
{
    return m_dir.path() + "/home";
}

QString TestEnvironment::runtimeDir() const
{
    return m_dir.path() + "/runtime";
}

QString stageDir()
{
    return QStringLiteral(KESTREL_STAGE_DIR);
}

static void copyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    const QDir source(from);
    for (const QFileInfo& info : source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        const QString target = to + "/" + info.fileName();
        if (info.isDir())
            copyTree(info.filePath(), target);
        else
            QFile::copy(info.filePath(), target);
    }
}

QString makeProgramDir(const TestEnvironment& env, const QString& name)
{
    const QString dir = env.path() + "/programs/" + name;
    QDir(dir).removeRecursively();
    copyTree(stageDir(), dir);
    return dir;
}

void writeTestFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}
