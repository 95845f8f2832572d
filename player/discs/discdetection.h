#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Recognising discs: each search walks from path up to the top of the file
// system and returns the folder holding the disc's structure, as an absolute
// path with "/" separators ending in "/", or empty when there is none.
QString findBlurayRoot(const QString& path);
QString findDvdRoot(const QString& path);
QString findAudioCdRoot(const QString& path);

// The label of the disc mounted on driveRoot when its file system is UDF.
QString discVolumeLabel(const QString& driveRoot);
// Roots of the optical drives, in device order.
QStringList listOpticalDrives();

// Whether path is a Blu-ray disc or an audio CD the player can open. A DVD is
// refused with a message (shown over parent), anything else silently.
bool isLoadableDisc(const QString& path, QWidget* parent = nullptr);
