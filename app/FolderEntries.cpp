#include "FolderEntries.h"

#include <QFileInfo>

namespace ledfont {

// QDir lists a link to a FIFO or a device among both folders and files;
// only what the link really leads to counts.
QStringList FolderEntries(const QString& folder, QDir::Filters kind) {
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable()) return {};
    const QFileInfoList entries =
        dir.entryInfoList(kind | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    QStringList names;
    for (const QFileInfo& entry : entries) {
        const bool wanted = kind.testFlag(QDir::Dirs) ? entry.isDir() : entry.isFile();
        if (wanted) names.append(entry.fileName());
    }
    return names;
}

QString CleanFolderPath(const QString& path) { return QDir::cleanPath(QDir(path).absolutePath()); }

}  // namespace ledfont
