#include "ItemReader.h"

#include <cstring>
#include <utility>

#include "DescriptorIo.h"
#include "Error.h"
#include "ReadableFile.h"

namespace ledfont {
namespace {

// Characters before the first comma, CR or LF (all of them when there is none).
std::size_t RunBeforeEnd(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') ++i;
    return i;
}

}  // namespace

ItemReader::ItemReader(FileDescriptor fd, std::string path, std::string name)
    : fd_(std::move(fd)), path_(std::move(path)), name_(std::move(name)) {}

ItemReader ItemReader::OpenFile(const std::string& path) {
    ItemReader reader(OpenForReading(path), path, "\"" + path + "\"");
    reader.buffer_ = std::make_unique<char[]>(kBufferSize);
    return reader;
}

ItemReader ItemReader::OverText(std::string_view text, std::string name) {
    ItemReader reader(FileDescriptor(), "", std::move(name));
    reader.pending_ = text;
    return reader;
}

bool ItemReader::Refill() {
    if (!fd_.IsOpen()) return false;  // text in memory is all in pending_ from the start
    const std::size_t n = ReadSome(fd_.Get(), buffer_.get(), kBufferSize, path_);
    pending_ = std::string_view(buffer_.get(), n);
    return n > 0;
}

ItemReader::Item ItemReader::Next() {
    const long line = line_;
    bool begun = std::exchange(afterComma_, false);
    std::size_t gathered = 0;  // characters of this item from earlier fills, kept in item_
    for (;;) {
        if (pending_.empty() && !Refill()) {
            if (!begun) ThrowPastEnd();
            ++itemsRead_;
            return Item{std::string_view(item_.data(), gathered), line};
        }
        if (std::exchange(skipLf_, false) && pending_.front() == '\n') {  // second half of CR LF
            pending_.remove_prefix(1);
            continue;
        }
        const std::size_t run = RunBeforeEnd(pending_);
        if (run > kMaxItemLength - gathered) ThrowTooLong();
        if (run == pending_.size()) {  // the item goes on in the next fill
            std::memcpy(item_.data() + gathered, pending_.data(), run);
            gathered += run;
            begun = begun || run > 0;
            pending_ = {};
            continue;
        }
        // Mostly the whole item lies in pending_, which stays put until the next call.
        std::string_view text = pending_.substr(0, run);
        if (gathered > 0) {
            std::memcpy(item_.data() + gathered, text.data(), run);
            text = std::string_view(item_.data(), gathered + run);
        }
        EndItemAt(pending_[run]);
        pending_.remove_prefix(run + 1);
        ++itemsRead_;
        return Item{text, line};
    }
}

void ItemReader::EndItemAt(char end) {
    if (end == ',') {
        afterComma_ = true;
    } else {
        ++line_;
        skipLf_ = end == '\r';
    }
}

void ItemReader::ThrowTooLong() const {
    throw MakeError<TypeMismatchError>("line " + std::to_string(line_) + " of " + name_ +
                                       " holds an item longer than " + std::to_string(kMaxItemLength) +
                                       " characters, not a number from 0 to 255");
}

void ItemReader::ThrowPastEnd() const {
    throw MakeError<InputPastEndError>(name_ + " ends after " + std::to_string(itemsRead_) + " items");
}

}  // namespace ledfont
