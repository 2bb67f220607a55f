#include <dlfcn.h>

#include "DataFile.h"
#include "Error.h"
#include "TypefaceImport.h"

namespace ledfont::cli {
namespace {

// Loaded once and kept until the program ends.
ImportEntry LoadEntry() {
    const std::string path = FindModule(kTypefaceModuleName);
    void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module)
        throw PathFileAccessError(
            "Path/File access error (cannot load the typeface module: " + std::string(::dlerror()) + ")");
    void* entry = ::dlsym(module, kImportSymbol);
    if (!entry)
        throw PathFileAccessError("Path/File access error (" + path + " has no entry " + kImportSymbol + ")");
    return reinterpret_cast<ImportEntry>(entry);
}

}  // namespace

ImportOutcome ImportFromTypeface(const ImportRequest& request) {
    static const ImportEntry entry = LoadEntry();
    ImportOutcome outcome;
    int number = 0;
    std::string problem;
    if (!entry(request, outcome, number, problem)) throw Error(static_cast<ErrorNumber>(number), problem);
    return outcome;
}

}  // namespace ledfont::cli
