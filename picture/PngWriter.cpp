#include "PngWriter.h"

#include <png.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <new>

#include "Error.h"

namespace ledfont::picture {
namespace {

// libpng leaves a failing call by longjmp, through its own C frames, to the
// setjmp in WriteImage. So everything it shares with the callbacks is plain
// data, no exception may enter libpng, and no frame that the jump leaves
// holds an object with a destructor.
struct Session {
    std::string* bytes;
    char problem[160];
};

[[noreturn]] void OnError(png_structp png, png_const_charp message) {
    Session& session = *static_cast<Session*>(png_get_error_ptr(png));
    std::snprintf(session.problem, sizeof session.problem, "%s", message ? message : "unknown failure");
    png_longjmp(png, 1);
}

// Warnings do not stop the picture; an error that follows says what failed.
void OnWarning(png_structp, png_const_charp) {}

void OnWrite(png_structp png, png_bytep data, std::size_t length) {
    Session& session = *static_cast<Session*>(png_get_io_ptr(png));
    bool stored = true;
    try {
        session.bytes->append(reinterpret_cast<const char*>(data), length);
    } catch (const std::bad_alloc&) {
        stored = false;
    }
    // Outside the handler, so the jump leaves no exception behind.
    if (!stored) png_error(png, "out of memory for the PNG bytes");
}

void OnFlush(png_structp) {}

// Only pointers and ints live here: a longjmp back into this frame skips no destructor.
bool WriteImage(png_structp png, png_infop info, Session& session, const Picture& picture) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, &session, OnWrite, OnFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.Width()),
                 static_cast<png_uint_32>(picture.Height()), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // LED pictures are runs of one colour and rows that repeat the row above:
    // these two filters turn both into zeros. Trying all five, as libpng does
    // by default, takes half as long again for no smaller file.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB | PNG_FILTER_UP);
    png_write_info(png, info);
    const png_byte* row = picture.Bytes().data();
    const std::size_t stride = static_cast<std::size_t>(picture.Width()) * 3;
    for (int y = 0; y < picture.Height(); ++y, row += stride) png_write_row(png, row);
    png_write_end(png, info);
    return true;
}

// Frees what libpng allocated however the encoder leaves.
class WriteStructs {
public:
    explicit WriteStructs(Session& session)
        : png_(png_create_write_struct(PNG_LIBPNG_VER_STRING, &session, OnError, OnWarning)),
          info_(png_ ? png_create_info_struct(png_) : nullptr) {}
    ~WriteStructs() { png_destroy_write_struct(&png_, &info_); }
    WriteStructs(const WriteStructs&) = delete;
    WriteStructs& operator=(const WriteStructs&) = delete;

    png_structp Png() const { return png_; }
    png_infop Info() const { return info_; }

private:
    png_structp png_;
    png_infop info_;
};

[[noreturn]] void Refuse(const char* why) {
    throw InvalidCallError(
        std::string("Invalid procedure call or argument (the picture cannot be written as PNG: ") + why +
        ")");
}

}  // namespace

std::string EncodePng(const Picture& picture) {
    std::string bytes;
    Session session{&bytes, {}};
    const WriteStructs structs(session);
    if (!structs.Png() || !structs.Info()) Refuse("libpng has no memory to start");
    if (!WriteImage(structs.Png(), structs.Info(), session, picture)) Refuse(session.problem);
    return bytes;
}

bool IsPngName(const std::string& name) {
    constexpr std::string_view kSuffix = ".png";
    return name.size() >= kSuffix.size() &&
           std::equal(kSuffix.begin(), kSuffix.end(),
                      name.end() - static_cast<std::ptrdiff_t>(kSuffix.size()),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

}  // namespace ledfont::picture
