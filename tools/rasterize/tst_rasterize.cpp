// Runs the generator as the build does and reads its output back with Qt's
// own image readers, which are what the program uses at run time.
#include <QColor>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QString stderrText;
};

Run runTool(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(KESTREL_RASTERIZE_TOOL), args);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

void writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

QByteArray squareSvg(const char* fill, int x)
{
    return QByteArray("<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 40 20'>"
                      "<rect width='40' height='20' fill='#000000'/>"
                      "<rect x='") +
           QByteArray::number(x) + "' y='0' width='10' height='20' fill='" + fill + "'/></svg>";
}

bool near(QRgb a, QRgb b, int tolerance)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance &&
           qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

} // namespace

class TestRasterize : public QObject
{
    Q_OBJECT

private slots:
    void pngHasRequestedSizeAndKeepsAspect()
    {
        QTemporaryDir dir;
        const QString svg = dir.filePath("wide.svg");
        writeFile(svg, squareSvg("#ff0000", 0));
        const QString png = dir.filePath("out.png");
        // A 2:1 drawing in a square picture is centred with transparent bands.
        const Run run = runTool({svg, png, "64", "64"});
        QCOMPARE(run.exitCode, 0);
        const QImage image(png);
        QCOMPARE(image.size(), QSize(64, 64));
        QCOMPARE(qAlpha(image.pixel(32, 2)), 0);
        QVERIFY(near(image.pixel(4, 32), qRgb(255, 0, 0), 8));
        QVERIFY(near(image.pixel(40, 32), qRgb(0, 0, 0), 8));
    }

    void badInputsAreReportedWithDistinctExitCodes()
    {
        QTemporaryDir dir;
        const QString garbage = dir.filePath("garbage.svg");
        writeFile(garbage, "this is not a drawing");
        const QString out = dir.filePath("out.png");

        Run run = runTool({dir.filePath("missing.svg"), out, "10", "10"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.stderrText.contains("missing.svg"), qPrintable(run.stderrText));
        QVERIFY(!QFile::exists(out));

        run = runTool({garbage, out, "10", "10"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.stderrText.contains("garbage.svg"));

        QCOMPARE(runTool({garbage, out}).exitCode, 1);
        QCOMPARE(runTool({garbage, out, "0", "10"}).exitCode, 1);
        QCOMPARE(runTool({garbage, out, "ten", "10"}).exitCode, 1);
        QCOMPARE(runTool({garbage, garbage, out, "10", "10"}).exitCode, 1);

        const QString good = dir.filePath("good.svg");
        writeFile(good, squareSvg("#ff0000", 0));
        run = runTool({good, dir.filePath("no/such/folder/out.png"), "10", "10"});
        QCOMPARE(run.exitCode, 3);
    }

    void gifFramesReadBackInOrder()
    {
        QTemporaryDir dir;
        QStringList args{"--delay", "120"};
        for (int i = 0; i < 4; ++i) {
            const QString svg = dir.filePath(QString("f%1.svg").arg(i));
            writeFile(svg, squareSvg("#e0a030", i * 10));
            args << svg;
        }
        const QString gif = dir.filePath("anim.gif");
        args << gif << "40" << "20";
        QCOMPARE(runTool(args).exitCode, 0);

        QImageReader reader(gif);
        QVERIFY(reader.supportsAnimation());
        QCOMPARE(reader.imageCount(), 4);
        for (int i = 0; i < 4; ++i) {
            QImage frame = reader.read();
            QVERIFY2(!frame.isNull(), qPrintable(reader.errorString()));
            QCOMPARE(frame.size(), QSize(40, 20));
            QCOMPARE(reader.nextImageDelay(), 120);
            for (int s = 0; s < 4; ++s) {
                const QRgb expected = s == i ? qRgb(0xe0, 0xa0, 0x30) : qRgb(0, 0, 0);
                QVERIFY2(near(frame.pixel(s * 10 + 5, 10), expected, 12),
                         qPrintable(QString("frame %1 slot %2").arg(i).arg(s)));
            }
        }
    }

    void gifKeepsTransparencyAndSurvivesFullCodeTables()
    {
        // Noise fills the code table several times over, which exercises the
        // width changes and the table resets of the encoder.
        QTemporaryDir dir;
        const int w = 160, h = 120;
        QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='160' height='120'>";
        QRandomGenerator rng(42);
        for (int y = 0; y < h; y += 4) {
            for (int x = 0; x < w; x += 4) {
                if (rng.bounded(8) == 0)
                    continue; // left transparent
                const QRgb c = qRgb(int(rng.bounded(256)), int(rng.bounded(256)), 0);
                svg += QString("<rect x='%1' y='%2' width='4' height='4' fill='%3'/>")
                           .arg(x)
                           .arg(y)
                           .arg(QColor(c).name())
                           .toLatin1();
            }
        }
        svg += "</svg>";
        const QString in = dir.filePath("noise.svg");
        writeFile(in, svg);
        const QString png = dir.filePath("noise.png");
        const QString gif = dir.filePath("noise.gif");
        QCOMPARE(runTool({in, png, "160", "120"}).exitCode, 0);
        QCOMPARE(runTool({in, gif, "160", "120"}).exitCode, 0);

        const QImage reference(png);
        QImageReader reader(gif);
        const QImage decoded = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!decoded.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(decoded.size(), reference.size());
        int mismatches = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const QRgb a = reference.pixel(x, y), b = decoded.pixel(x, y);
                if ((qAlpha(a) < 128) != (qAlpha(b) < 128))
                    ++mismatches;
                else if (qAlpha(a) >= 128 && !near(a, b, 40))
                    ++mismatches;
            }
        }
        // The 256-colour palette may merge a few similar colours, but a broken
        // code stream would garble everything after the first fault.
        QVERIFY2(mismatches < w * h / 50, qPrintable(QString::number(mismatches)));
    }
};

QTEST_GUILESS_MAIN(TestRasterize)
#include "tst_rasterize.moc"
