#pragma once

#include <QIcon>

namespace ledfont {

// The folder list's icon of a folder, open (the folders down to the one
// shown) or closed (its subfolders). Drawn here rather than asked of the
// style, which decodes a picture for it: a list makes each once and shares it.
QIcon FolderIcon(bool open);

}  // namespace ledfont
