#pragma once

#include <QString>
#include <QStringList>

// The kinds of file the player offers to open, as suffixes and as the
// patterns of a file dialog's filter.
class MediaFileTypes
{
public:
    // Suffixes without the dot.
    static const QStringList& mediaSuffixes();
    static bool isMedia(const QString& path);
    // "(*.ts *.mts ...)": Qt's file dialogs separate the patterns of one
    // filter by spaces; with ";" the whole list would be one pattern.
    static QString mediaPatterns();
    static QString subtitlePatterns();

private:
    static QString patterns(const QStringList& suffixes);
};
