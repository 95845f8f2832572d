#pragma once

#include <QImage>
#include <QList>
#include <QString>

// Writes the frames (all of one size, any format) as a looping GIF89a
// animation with one shared palette of at most 256 colours. Pixels with less
// than half opacity become the transparent colour. Returns false and fills
// *error when the file cannot be written or the frames are unusable.
bool writeAnimatedGif(const QString& path, const QList<QImage>& frames, int delayMs,
                      QString* error);
