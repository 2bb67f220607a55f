#include "SheetModule.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

#include "Error.h"

namespace ledfont::cli {
namespace {

std::filesystem::path ModulePath() {
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        throw PathFileAccessError("Path/File access error (cannot find the running program: " + ec.message() +
                                  ")");
    return program.parent_path() / kSheetModuleName;
}

// Loaded once and kept until the program ends: Qt does not support being unloaded.
FontSheetPngEntry LoadEntry() {
    const std::string path = ModulePath().string();
    void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module)
        throw PathFileAccessError(
            "Path/File access error (cannot load the picture module: " + std::string(::dlerror()) + ")");
    void* entry = ::dlsym(module, kFontSheetPngSymbol);
    if (!entry)
        throw PathFileAccessError("Path/File access error (" + path + " has no entry " + kFontSheetPngSymbol +
                                  ")");
    return reinterpret_cast<FontSheetPngEntry>(entry);
}

}  // namespace

std::string FontSheetPng(const FontState& font) {
    static const FontSheetPngEntry entry = LoadEntry();
    std::string png;
    std::string problem;
    if (!entry(font, font.IsJukta, png, problem))
        throw PathFileAccessError("Path/File access error (the picture could not be drawn: " + problem + ")");
    return png;
}

}  // namespace ledfont::cli
