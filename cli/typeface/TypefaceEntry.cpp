// The typeface module: FreeType and HarfBuzz, loaded only by an import.
#include <exception>
#include <type_traits>

#include "Error.h"
#include "FontImporter.h"

extern "C" __attribute__((visibility("default"))) bool LedFontImportTypeface(
    const ledfont::cli::ImportRequest& request, ledfont::cli::ImportOutcome& outcome, int& errorNumber,
    std::string& problem) {
    try {
        outcome = ledfont::cli::FontImporter(request).Run();
        return true;
    } catch (const ledfont::Error& e) {
        errorNumber = static_cast<int>(e.Number());
        problem = e.Description();
    } catch (const std::exception& e) {
        errorNumber = static_cast<int>(ledfont::ErrorNumber::InvalidProcedureCall);
        problem = std::string("Invalid procedure call (") + e.what() + ")";
    }
    return false;
}

static_assert(std::is_same_v<decltype(&LedFontImportTypeface), ledfont::cli::ImportEntry>,
              "the program calls the entry through ImportEntry");
