#pragma once

#include <QString>

namespace ledfont {

// Full path of a file picked in the file list: the folder, one "/", the name.
// A folder that already ends in "/" (the root) gets no second one.
QString FontFilePath(const QString& folder, const QString& fileName);

}  // namespace ledfont
