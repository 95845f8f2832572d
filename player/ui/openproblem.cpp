#include "player/ui/openproblem.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

// The kernel gives up on a chain of links after 40 hops as well.
const int kMaxLinkHops = 40;
// Enough to tell the folder and the name apart in a message box.
const int kShownPathHead = 48;
const int kShownPathTail = 72;

} // namespace

QString OpenProblem::reason(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink() && !info.exists())
        return linkReason(path);
    if (!info.exists())
        return tr("The file does not exist.");
    if (info.isDir())
        return QString();
    if (!info.isFile())
        return tr("This is neither a file nor a folder, so it cannot be played.");
    if (!info.isReadable())
        return tr("You are not allowed to read this file.");
    if (info.size() == 0)
        return tr("The file is empty.");
    return QString();
}

// Tells a link to nothing from links that lead back to themselves.
QString OpenProblem::linkReason(const QString& path)
{
    QSet<QString> seen;
    QFileInfo link(QFileInfo(path).absoluteFilePath());
    for (int hop = 0; hop < kMaxLinkHops && link.isSymLink(); ++hop) {
        if (seen.contains(link.absoluteFilePath()))
            break;
        seen.insert(link.absoluteFilePath());
        link = QFileInfo(link.symLinkTarget());
    }
    // The walk stops on a link only when the chain came back or went on too long.
    if (link.isSymLink())
        return tr("The link leads in a circle and never reaches a file.");
    return tr("The link points to a file that does not exist.");
}

QString OpenProblem::message(const QString& path, const QString& reason)
{
    QString shown = QDir::toNativeSeparators(path);
    if (shown.size() > kShownPathHead + kShownPathTail + 1)
        shown = shown.left(kShownPathHead) + QChar(0x2026) + shown.right(kShownPathTail);
    return tr("Cannot open \"%1\".").arg(shown) + QLatin1Char('\n') + reason;
}
