#pragma once

// Reading pictures and writing bitmaps: thin file wrappers over QImage.

#include <optional>

#include <QImage>
#include <QString>

namespace picturecraft {

// Decodes a BMP, JPEG or GIF file (or any format the platform reads) at its natural size.
// nullopt when the file cannot be opened or decoded.
std::optional<QImage> decodePictureFile(const QString& path);

// The picture as 24-bit Windows bitmap bytes.
QByteArray encodeBitmap(const QImage& picture);

// Writes the picture as a 24-bit Windows bitmap under exactly `path` (no extension added).
// The file is written completely beside the destination first and then moved into place, so
// a failed write leaves an existing file as it was. Returns false when the write failed.
bool writeBitmapFile(const QImage& picture, const QString& path);

}  // namespace picturecraft
