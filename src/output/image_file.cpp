#include "output/image_file.h"

#include <QSaveFile>

namespace gc {

std::optional<ImageFormat> formatForPath(const QString& path) {
    if (path.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive)) return ImageFormat::Bmp;
    if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) return ImageFormat::Png;
    return std::nullopt;
}

std::string writeImageFile(const QImage& image, const QString& path, ImageFormat format) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString().toStdString();
    // A 32-bit RGB image is written as a 24-bit Windows bitmap.
    if (!image.save(&file, format == ImageFormat::Bmp ? "BMP" : "PNG")) {
        const QString why = file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("the image could not be encoded");
        file.cancelWriting();
        return why.toStdString();
    }
    if (!file.commit()) return file.errorString().toStdString();
    return {};
}

}  // namespace gc
