// Every shipped language is complete: the texts in the sources, extracted
// afresh, are all translated, keep their placeholders, and every language
// package is built.
#include "testenvironment.h"

#include <QApplication>
#include <QDir>
#include <QDomDocument>
#include <QProcess>
#include <QRegularExpression>

namespace {

const QStringList Languages = {"en", "de", "fr", "es", "ja", "zh_CN"};

QString languagesDir()
{
    return QStringLiteral(KESTREL_SOURCE_DIR "/resources/languages");
}

QStringList sourceFolders()
{
    QStringList folders;
    for (const char* f : {"app", "entry", "framework", "platform", "player", "widgets"}) {
        if (QDir(QStringLiteral(KESTREL_SOURCE_DIR "/") + f).exists())
            folders << QStringLiteral(KESTREL_SOURCE_DIR "/") + f;
    }
    return folders;
}

QStringList placeholders(const QString& text)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression("%\\d").globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    return found;
}

// Problems of one message: untranslated, or placeholders lost or invented.
QString checkMessage(const QDomElement& message)
{
    const QDomElement translation = message.firstChildElement("translation");
    const QString type = translation.attribute("type");
    if (type == "vanished" || type == "obsolete")
        return QString();
    const QString source = message.firstChildElement("source").text();
    if (type == "unfinished")
        return "unfinished: " + source;
    QStringList texts;
    if (message.attribute("numerus") == "yes") {
        for (QDomElement f = translation.firstChildElement("numerusform"); !f.isNull();
             f = f.nextSiblingElement("numerusform"))
            texts << f.text();
    } else {
        texts << translation.text();
    }
    for (const QString& text : texts) {
        if (text.isEmpty())
            return "empty: " + source;
        if (message.attribute("numerus") != "yes" && placeholders(text) != placeholders(source))
            return "placeholders differ: " + source + " -> " + text;
    }
    return QString();
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
    TestEnvironment m_env;

private Q_SLOTS:
    void languagesAreComplete_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString& code : Languages)
            QTest::newRow(qPrintable(code)) << code;
    }
    void languagesAreComplete()
    {
        QFETCH(QString, code);
        const QString ts = m_env.path() + "/kestrel_" + code + ".ts";
        QFile::remove(ts);
        QVERIFY(QFile::copy(languagesDir() + "/kestrel_" + code + ".ts", ts));
        QFile::setPermissions(ts, QFile::ReadOwner | QFile::WriteOwner);
        QProcess lupdate;
        lupdate.start(KESTREL_LUPDATE,
                      QStringList{"-silent", "-locations", "none", "-source-language", "en",
                                  "-target-language", code, "-extensions", "cpp,h", "-I",
                                  KESTREL_SOURCE_DIR}
                          << sourceFolders() << QStringList{"-ts", ts});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        QFile file(ts);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QDomDocument doc;
        QVERIFY(bool(doc.setContent(&file)));
        QStringList problems;
        const QDomNodeList messages = doc.elementsByTagName("message");
        for (int i = 0; i < messages.size(); ++i) {
            const QString problem = checkMessage(messages.at(i).toElement());
            if (!problem.isEmpty())
                problems << problem;
        }
        QVERIFY2(problems.isEmpty(), qPrintable(code + ": " + problems.join("\n  ")));
        QVERIFY(messages.size() > 0);
    }

    void packagesAreBuilt()
    {
        for (const QString& code : Languages)
            QVERIFY2(QFile::exists(stageDir() + "/cfg/language/" + code + ".rcc"),
                     qPrintable(code));
    }
};

KP_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
