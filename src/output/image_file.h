#pragma once
// Writing a picture to a file: all or nothing. The image goes to a temporary
// file beside the target, which replaces the target only once it is complete.
#include <QImage>
#include <QString>
#include <optional>
#include <string>

namespace gc {

enum class ImageFormat { Bmp, Png };

// The format a file name asks for by its ending (.bmp or .png, any case).
std::optional<ImageFormat> formatForPath(const QString& path);

// Empty on success, else why the file could not be written.
std::string writeImageFile(const QImage& image, const QString& path, ImageFormat format);

}  // namespace gc
