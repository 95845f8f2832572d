#pragma once

#include <QList>
#include <QString>

// Plain records the player hands out as copies.

enum VlcTrackKind
{
    VlcVideoTrack = 1,
    VlcAudioTrack = 2,
    VlcSubtitleTrack = 3
};

struct VlcTrack
{
    int id = -1;
    QString name;
    // The stream's coding in words ("A52 Audio (aka AC3), 5.1"), when libVLC knows it.
    QString format;

    QString nameWithFormat() const
    {
        return format.isEmpty() ? name : name + QStringLiteral(" \u00b7 ") + format;
    }
};

struct VlcChapter
{
    int id = -1;
    QString name;
    qint64 start = -1; // ms from the start of the title, -1 when unknown
};

struct VlcTitle
{
    int id = -1;
    bool menu = false;
    QString name;
    qint64 length = 0; // ms, 0 when unknown
    QList<VlcChapter> chapters;
};

struct VlcAudioDevice
{
    QString id;
    QString description;
};
