#include "picturefile.h"

#include <QBuffer>
#include <QImageReader>
#include <QSaveFile>

namespace picturecraft {

std::optional<QImage> decodePictureFile(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage picture = reader.read();
    if (picture.isNull()) return std::nullopt;
    return picture;
}

QByteArray encodeBitmap(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // RGB888 has no alpha channel, so the bitmap writer stores 24 bits per pixel.
    picture.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
    return bytes;
}

bool writeBitmapFile(const QImage& picture, const QString& path) {
    if (path.isEmpty() || picture.isNull()) return false;
    const QByteArray bytes = encodeBitmap(picture);
    if (bytes.isEmpty()) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace picturecraft
