#include "ByteTable.h"

namespace ledfont::detail {

void ThrowSubscript(const char* table, long index, std::size_t size) {
    throw MakeError<SubscriptError>(std::string(table) + " index " + std::to_string(index) +
                                    " is outside 0.." + std::to_string(size - 1));
}

}  // namespace ledfont::detail
