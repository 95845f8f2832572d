#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QtTest>

// A private home for one test process: HOME, the XDG folders and TMPDIR point
// into a temporary folder, so the real settings store is used and nothing leaks.
class TestEnvironment
{
public:
    TestEnvironment();
    QString path() const { return m_dir.path(); }
    QString home() const;
    QString runtimeDir() const;

private:
    QTemporaryDir m_dir;
};

// Writes bytes to path, creating its folder.
void writeTestFile(const QString& path, const QByteArray& bytes);

// Path of the staged program directory (as installed).
QString stageDir();
// A folder with the staged program's layout, freshly created inside the test home.
QString makeProgramDir(const TestEnvironment& env, const QString& name);

#define KP_TEST_MAIN(TestObject)                                                                   \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        TestEnvironment environment;                                                               \
        QApplication app(argc, argv);                                                              \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
