#include "output/image_file.h"

#include <QImageReader>
#include <QSaveFile>

namespace gc {

std::optional<ImageFormat> formatForPath(const QString& path) {
    if (path.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive)) return ImageFormat::Bmp;
    if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) return ImageFormat::Png;
    return std::nullopt;
}

std::string writeImageFile(const QImage& image, const QString& path, ImageFormat format,
                           const std::vector<std::pair<std::string, std::string>>& notes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString().toStdString();
    QImage annotated = image;  // shares the pixels; only the notes are added
    for (const auto& [key, value] : notes) annotated.setText(QString::fromStdString(key), QString::fromStdString(value));
    // A 32-bit RGB image is written as a 24-bit Windows bitmap.
    if (!annotated.save(&file, format == ImageFormat::Bmp ? "BMP" : "PNG")) {
        const QString why = file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("the image could not be encoded");
        file.cancelWriting();
        return why.toStdString();
    }
    if (!file.commit()) return file.errorString().toStdString();
    return {};
}

std::optional<std::vector<std::pair<std::string, std::string>>> readImageNotes(const QString& path) {
    QImageReader reader(path);
    if (!reader.canRead()) return std::nullopt;
    std::vector<std::pair<std::string, std::string>> notes;
    for (const QString& key : reader.textKeys()) notes.emplace_back(key.toStdString(), reader.text(key).toStdString());
    return notes;
}

}  // namespace gc
