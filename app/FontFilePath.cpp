#include "FontFilePath.h"

namespace ledfont {

QString FontFilePath(const QString& folder, const QString& fileName) {
    if (folder.endsWith(QLatin1Char('/'))) return folder + fileName;
    return folder + QLatin1Char('/') + fileName;
}

}  // namespace ledfont
