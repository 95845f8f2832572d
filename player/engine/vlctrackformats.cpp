#include "player/engine/vlctrackformats.h"

#include <QStringList>
#include <vlc/vlc.h>

namespace {

int listIndex(libvlc_track_type_t type)
{
    switch (type) {
    case libvlc_track_video:
        return 0;
    case libvlc_track_audio:
        return 1;
    case libvlc_track_text:
        return 2;
    default:
        return -1;
    }
}

} // namespace

void VlcTrackFormats::describe(libvlc_media_t* media, QList<VlcTrack> (&lists)[3])
{
    if (!media)
        return;
    libvlc_media_track_t** streams = nullptr;
    const unsigned count = libvlc_media_tracks_get(media, &streams);
    QList<QPair<int, QString>> formats[3];
    for (unsigned i = 0; i < count; ++i) {
        const int index = listIndex(streams[i]->i_type);
        if (index >= 0)
            formats[index].append({streams[i]->i_id, format(streams[i])});
    }
    if (streams)
        libvlc_media_tracks_release(streams, count);
    for (int index = 0; index < 3; ++index)
        match(formats[index], lists[index]);
}

// By id where libVLC's two lists share them; a disc names its tracks by
// stream number but its streams by position, so then by position within the kind.
void VlcTrackFormats::match(const QList<QPair<int, QString>>& formats, QList<VlcTrack>& tracks)
{
    QList<VlcTrack*> real;
    for (VlcTrack& track : tracks) {
        if (track.id >= 0)
            real.append(&track);
    }
    bool byId = false;
    for (VlcTrack* track : real) {
        for (const auto& format : formats) {
            if (format.first == track->id) {
                track->format = format.second;
                byId = true;
            }
        }
    }
    if (byId || real.size() != formats.size())
        return;
    for (int i = 0; i < real.size(); ++i)
        real[i]->format = formats[i].second;
}

QString VlcTrackFormats::format(const libvlc_media_track_t* stream)
{
    QStringList parts;
    const QString codec =
        QString::fromUtf8(libvlc_media_get_codec_description(stream->i_type, stream->i_codec));
    if (!codec.isEmpty())
        parts << codec;
    if (stream->i_type == libvlc_track_audio && stream->audio->i_channels > 0)
        parts << channels(stream->audio->i_channels);
    return parts.join(QStringLiteral(", "));
}

QString VlcTrackFormats::channels(unsigned count)
{
    switch (count) {
    case 1:
        return tr("mono");
    case 2:
        return tr("stereo");
    case 6:
        return QStringLiteral("5.1");
    case 8:
        return QStringLiteral("7.1");
    default:
        return tr("%n channels", nullptr, int(count));
    }
}
