#pragma once

#include <QDir>
#include <QStringList>

namespace ledfont {

// Names in folder of the given kind (QDir::Dirs or QDir::Files), hidden ones
// included, sorted by name without regard to case: folders or regular files,
// and links to them; never FIFOs, sockets or devices, nor links to those. A
// folder that cannot be read gives an empty list.
QStringList FolderEntries(const QString& folder, QDir::Filters kind);

// The absolute, clean form of a folder path: "/" separators, no trailing "/"
// except for the root "/".
QString CleanFolderPath(const QString& path);

}  // namespace ledfont
