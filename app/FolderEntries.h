#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>
#include <vector>

namespace ledfont {

// A name in a folder, as a list shows it and as the file system holds it.
struct FolderEntry {
    QString shown;    // decoded as QFile::decodeName does: U+FFFD for bytes that are not UTF-8
    QByteArray name;  // the name's own bytes, which open the file
};

// Entries of folder of the given kind (QDir::Dirs or QDir::Files), hidden ones
// included, sorted by name without regard to case: folders or regular files,
// and links to them; never FIFOs, sockets or devices, nor links to those. A
// name that is not valid UTF-8 is listed too. A folder that cannot be read
// gives an empty list.
std::vector<FolderEntry> FolderEntryList(const QString& folder, QDir::Filters kind);

// The shown names of FolderEntryList, leaving out those whose bytes the text
// cannot give back (not valid UTF-8): for lists whose choice goes on as text.
QStringList FolderEntries(const QString& folder, QDir::Filters kind);

// The absolute, clean form of a folder path: "/" separators, no trailing "/"
// except for the root "/".
QString CleanFolderPath(const QString& path);

}  // namespace ledfont
