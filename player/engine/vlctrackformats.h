#pragma once

#include "player/engine/vlcrecords.h"

#include <QCoreApplication>
#include <QList>
#include <QPair>

struct libvlc_media_t;
struct libvlc_media_track_t;

// Names the coding of each track libVLC lists, from the streams its media holds.
class VlcTrackFormats
{
    Q_DECLARE_TR_FUNCTIONS(VlcTrackFormats)

public:
    // lists[0..2]: the video, audio and subtitle tracks, matched by id.
    static void describe(libvlc_media_t* media, QList<VlcTrack> (&lists)[3]);

private:
    static QString channels(unsigned count);
    static void match(const QList<QPair<int, QString>>& formats, QList<VlcTrack>& tracks);
    static QString format(const libvlc_media_track_t* stream);
};
