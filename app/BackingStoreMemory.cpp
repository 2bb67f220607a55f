#include "BackingStoreMemory.h"

#include <QBackingStore>
#include <QImage>
#include <QWidget>
#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace ledfont {

void PopulateBackingStore(QWidget& window) {
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    QBackingStore* store = window.backingStore();
    if (store == nullptr) return;
    // The size the first paint asks for, so the paint keeps this memory.
    if (store->size() != window.size()) store->resize(window.size());
    QPaintDevice* device = store->paintDevice();
    if (device == nullptr || device->devType() != QInternal::Image) return;
    const auto* image = static_cast<const QImage*>(device);
    const auto pageSize = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(image->constBits());
    const std::uintptr_t first = start & ~(pageSize - 1);
    const std::uintptr_t end = start + static_cast<std::uintptr_t>(image->sizeInBytes());
    if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);  // a hint
#else
    (void)window;
#endif
}

}  // namespace ledfont
