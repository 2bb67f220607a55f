#include "FolderEntries.h"

namespace ledfont {

QStringList FolderEntries(const QString& folder, QDir::Filters kind) {
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable()) return {};
    return dir.entryList(kind | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

QString CleanFolderPath(const QString& path) { return QDir::cleanPath(QDir(path).absolutePath()); }

}  // namespace ledfont
