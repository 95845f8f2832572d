// Build-time generator for the shipped pictures: renders SVG drawings into PNG
// files, or a sequence of SVG frames into an animated GIF (Qt can read GIF but
// not write it, and the busy animations of the player are played by QMovie).
//
//   kestrel-rasterize <in.svg> <out.png> <width> <height>
//   kestrel-rasterize [--delay <ms>] <frame.svg>... <out.gif> <width> <height>
//
// Exit codes: 0 success, 1 usage error, 2 unreadable input, 3 output not written.
#include "gifwriter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>
#include <cstdio>

namespace {

enum ExitCode { Ok = 0, Usage = 1, BadInput = 2, BadOutput = 3 };

void printUsage()
{
    std::fprintf(stderr,
                 "usage: kestrel-rasterize <in.svg> <out.png> <width> <height>\n"
                 "       kestrel-rasterize [--delay <ms>] <frame.svg>... <out.gif> <width> "
                 "<height>\n");
}

void fail(const QString& message)
{
    std::fprintf(stderr, "kestrel-rasterize: %s\n", qPrintable(message));
}

bool parseSize(const QString& text, int* value)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v <= 0 || v > 16384)
        return false;
    *value = v;
    return true;
}

// Renders one drawing into a transparent image of the requested size, keeping
// the drawing's aspect ratio and centring it.
bool render(const QString& path, const QSize& size, QImage* out)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
        fail(QStringLiteral("cannot read SVG drawing '%1'").arg(path));
        return false;
    }
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    *out = image.convertToFormat(QImage::Format_ARGB32);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Text in the drawings needs the font database, which needs a platform;
    // the offscreen one works without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = app.arguments().mid(1);
    int delayMs = 80;
    if (args.size() >= 2 && args.first() == QLatin1String("--delay")) {
        bool ok = false;
        delayMs = args.at(1).toInt(&ok);
        if (!ok || delayMs < 10 || delayMs > 60000) {
            fail(QStringLiteral("invalid frame delay '%1'").arg(args.at(1)));
            return Usage;
        }
        args = args.mid(2);
    }
    if (args.size() < 4) {
        printUsage();
        return Usage;
    }

    int width = 0;
    int height = 0;
    if (!parseSize(args.at(args.size() - 2), &width) ||
        !parseSize(args.at(args.size() - 1), &height)) {
        fail(QStringLiteral("invalid size '%1 x %2'")
                 .arg(args.at(args.size() - 2), args.at(args.size() - 1)));
        return Usage;
    }
    const QString output = args.at(args.size() - 3);
    const QStringList inputs = args.mid(0, args.size() - 3);
    const bool animated = output.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive);
    if (!animated && inputs.size() != 1) {
        fail(QStringLiteral("several input drawings need a .gif output"));
        return Usage;
    }

    QList<QImage> frames;
    for (const QString& input : inputs) {
        QImage frame;
        if (!render(input, QSize(width, height), &frame))
            return BadInput;
        frames.append(frame);
    }

    if (animated) {
        QString error;
        if (!writeAnimatedGif(output, frames, delayMs, &error)) {
            fail(QStringLiteral("cannot write '%1': %2").arg(output, error));
            return BadOutput;
        }
        return Ok;
    }
    if (!frames.first().save(output, "PNG")) {
        fail(QStringLiteral("cannot write '%1'").arg(output));
        return BadOutput;
    }
    return Ok;
}
