#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "FileDescriptor.h"

namespace ledfont {

// Reads the items of a font text file one at a time.
//
// An item ends at a comma or at a line end; CR LF, a lone LF and a lone CR
// each count as one line end. So "1,\r\n2" gives "1", "" and "2", and a blank
// line is an empty item (which the byte conversion then refuses). The end of
// the file ends an item that has begun: "1" without a final line end gives "1",
// and "1," gives "1" and "". Items keep their spaces; trimming is left to the
// byte conversion. Lines are counted from 1, as an editor shows them.
//
// A file is read through a fixed buffer and only as far as the items asked
// for, so memory does not grow with the size of the file. An item longer than
// kMaxItemLength characters cannot be a byte and is refused at once instead of
// being gathered. The file is closed when the reader goes away.
class ItemReader {
public:
    static constexpr std::size_t kBufferSize = 64 * 1024;
    static constexpr std::size_t kMaxItemLength = 32;

    struct Item {
        std::string_view text;  // valid until the next call of Next
        long line = 0;          // line the item stands on, from 1
    };

    // Opens the file at path for reading. Throws BadFileNameError for an empty
    // path, FileNotFoundError, PathNotFoundError, PermissionDeniedError, or
    // PathFileAccessError (anything but a regular file, any other failure).
    static ItemReader OpenFile(const std::string& path);

    // Reads text held in memory, which must outlive the reader; name stands
    // for the source in error descriptions.
    static ItemReader OverText(std::string_view text, std::string name = "text");

    // Moving keeps pending_ valid: the buffer's heap block stays put.
    ItemReader(ItemReader&&) noexcept = default;
    ItemReader& operator=(ItemReader&&) noexcept = default;

    // The next item. Throws InputPastEndError when the input holds no more,
    // TypeMismatchError for an item longer than kMaxItemLength, and the errors
    // of a failed read (PathFileAccessError...).
    Item Next();

    long ItemsRead() const { return itemsRead_; }
    // The source as error descriptions name it: the quoted path, or the name given.
    const std::string& Name() const { return name_; }

private:
    ItemReader(FileDescriptor fd, std::string path, std::string name);

    bool Refill();             // false at the end of the input
    void EndItemAt(char end);  // a comma, CR or LF
    [[noreturn]] void ThrowTooLong() const;
    [[noreturn]] void ThrowPastEnd() const;

    FileDescriptor fd_;  // none when reading from memory
    std::string path_;   // the file, for read errors
    std::string name_;
    std::unique_ptr<char[]> buffer_;           // kBufferSize bytes, files only
    std::string_view pending_;                 // read but not yet scanned
    std::array<char, kMaxItemLength> item_{};  // an item split between two fills
    long line_ = 1;
    long itemsRead_ = 0;
    bool skipLf_ = false;      // the last line end was a CR: a LF right after it belongs to it
    bool afterComma_ = false;  // the last item ended at a comma, so another one has begun
};

}  // namespace ledfont
