#pragma once
// The folder pictures are saved in. The button says "C:\wimgx"; that is the
// folder on Windows, and "wimgx" in the user's home elsewhere.
#include <QString>
#include <string>

namespace gc::desktop {

QString defaultOutputFolder();

// Creates the folder itself, not its parents. False when it already exists
// or cannot be made; start-up does not care which.
bool createOutputFolder(const QString& folder);

// The file a picture of that name is saved to.
QString pictureFilePath(const QString& folder, const std::string& imeslike);

}  // namespace gc::desktop
