#pragma once

#include "player/engine/vlcrecords.h"

// How titles and chapters are named and which chapter a time falls into.
class VlcTitleRules
{
public:
    // "1. 01:02:03" for a known length; otherwise the description after its first space.
    static QString titleName(int index, qint64 lengthMs, const QString& description);
    // "Title 2 · 0:45:10 · 12 chapters", translated: a disc title's whole description.
    static QString discTitleName(int index, qint64 lengthMs, int chapters);
    // "2. 00:10:00" for a known start; otherwise the description without padding.
    static QString chapterName(int index, qint64 startMs, const QString& description);
    // A file's chapters carry the names their author gave; unnamed ones are named as above.
    static QString fileChapterName(int index, qint64 startMs, const QString& description);
    // The chapter that plays at timeMs: 0 at time 0; chapters of unknown start never end the
    // search.
    static int chapterAt(const VlcTitle& title, qint64 timeMs);

private:
    static QString clockText(qint64 ms);
};
