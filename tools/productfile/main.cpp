// Producer of the enciphered product files: encrypt XML into ".info", or decrypt
// an ".info" back into XML for inspection.
#include "framework/core/uxconfigcipher.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

namespace {

int usage(FILE* out, int code)
{
    std::fputs("Usage: kestrel-productfile encrypt <in.xml> <out.info>\n"
               "       kestrel-productfile decrypt <in.info> <out.xml | ->\n"
               "Enciphers the product configuration files with the program's key, or\n"
               "deciphers them back to XML (\"-\" writes to standard output).\n",
               out);
    return code;
}

int fail(const QString& message)
{
    std::fprintf(stderr, "kestrel-productfile: %s\n", qPrintable(message));
    return 1;
}

bool readAll(const QString& path, QByteArray& bytes, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    bytes = file.readAll();
    return true;
}

bool writeAll(const QString& path, const QByteArray& bytes, QString& error)
{
    if (path == QLatin1String("-")) {
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        return true;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

// The document element names the terminator the reader expects.
QString terminatorFor(const QString& text)
{
    return text.contains(QLatin1String("</Extend>")) ? QStringLiteral("</Extend>")
                                                     : QStringLiteral("</Config>");
}

int encrypt(const QString& in, const QString& out)
{
    QByteArray bytes;
    QString error;
    if (!readAll(in, bytes, error))
        return fail(error);
    QString text = QString::fromUtf8(bytes).trimmed();
    const QString terminator = terminatorFor(text);
    if (!text.endsWith(terminator))
        return fail(QStringLiteral("%1 does not end with %2").arg(in, terminator));
    const QByteArray cipher = uxConfigCipher::encipherText(text);
    if (cipher.size() >= uxConfigCipher::BufferSize)
        return fail(QStringLiteral("%1 is too large (the result must stay below %2 bytes)")
                        .arg(in)
                        .arg(uxConfigCipher::BufferSize));
    return writeAll(out, cipher, error) ? 0 : fail(error);
}

int decrypt(const QString& in, const QString& out)
{
    QByteArray bytes;
    QString error;
    if (!readAll(in, bytes, error))
        return fail(error);
    if (bytes.size() >= uxConfigCipher::BufferSize)
        return fail(QStringLiteral("%1 is too large to be a product file").arg(in));
    QString text = uxConfigCipher::decipherText(bytes, QStringLiteral("</Config>"));
    if (!text.contains(QLatin1String("<Config")))
        text = uxConfigCipher::decipherText(bytes, QStringLiteral("</Extend>"));
    return writeAll(out, text.toUtf8() + '\n', error) ? 0 : fail(error);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 1 && (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h")))
        return usage(stdout, 0);
    if (args.size() != 3)
        return usage(stderr, 2);
    if (args[0] == QLatin1String("encrypt"))
        return encrypt(args[1], args[2]);
    if (args[0] == QLatin1String("decrypt"))
        return decrypt(args[1], args[2]);
    return usage(stderr, 2);
}
