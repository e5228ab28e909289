#pragma once
// Writing a picture to a file: all or nothing. The image goes to a temporary
// file beside the target, which replaces the target only once it is complete.
#include <QImage>
#include <QString>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace gc {

enum class ImageFormat { Bmp, Png };

// The format a file name asks for by its ending (.bmp or .png, any case).
std::optional<ImageFormat> formatForPath(const QString& path);

// Empty on success, else why the file could not be written. Text notes go
// into PNG files as text chunks; bitmaps have no place for them.
std::string writeImageFile(const QImage& image, const QString& path, ImageFormat format,
                           const std::vector<std::pair<std::string, std::string>>& notes = {});

// The text notes of an image file; nullopt when it cannot be read as an image.
std::optional<std::vector<std::pair<std::string, std::string>>> readImageNotes(const QString& path);

}  // namespace gc
