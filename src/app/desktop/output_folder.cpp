#include "app/desktop/output_folder.h"

#include <QDir>

namespace gc::desktop {

QString defaultOutputFolder() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:/wimgx");
#else
    return QDir::homePath() + QStringLiteral("/wimgx");
#endif
}

bool createOutputFolder(const QString& folder) { return QDir().mkdir(folder); }

QString pictureFilePath(const QString& folder, const std::string& imeslike) {
    return folder + QLatin1Char('/') + QString::fromStdString(imeslike) + QStringLiteral(".bmp");
}

}  // namespace gc::desktop
