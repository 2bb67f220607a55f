#pragma once

class QWidget;

namespace ledfont {

// Sizes a shown window's backing store and makes its memory present in one
// request to the system, before the first paint writes every page of it.
// Touched page by page, a fresh page costs a fault each; on the virtual
// machines the editor is built and run on that is several microseconds a
// page, and a window with its panels open is 750 pages. A hint only: where
// the system cannot do it, the pages come as they are painted.
void PopulateBackingStore(QWidget& window);

}  // namespace ledfont
