#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "EditorGlyph.h"
#include "FontMode.h"
#include "FontState.h"

namespace ledfont {

// What an editor had not saved yet: enough to put its font back together
// from the file it was loaded from, if that file has not changed since.
struct JournalContent {
    std::string fontFile;        // the font's own file, absolute; empty for a font never saved
    std::uint64_t checksum = 0;  // FileChecksum of that file as loaded or last saved; 0 without one
    FontMode mode = FontMode::Hindi;
    std::int16_t current = 0;                                // the glyph on the canvas
    std::vector<std::pair<int, RecordBytes>> records;        // changed records
    std::vector<std::pair<int, std::array<Byte, 2>>> codes;  // changed code pairs
    bool operator==(const JournalContent&) const = default;
};

// The journal as text, and back; ParseJournal refuses anything else, a
// journal cut short included.
std::string JournalText(const JournalContent& content);
std::optional<JournalContent> ParseJournal(std::string_view text);

// Writes the journal's records and code pairs into the font and makes its
// glyph the current one (the caller shows it).
void ApplyJournal(const JournalContent& content, FontState& font);

// 64-bit FNV-1a of a file's bytes.
std::uint64_t ContentChecksum(std::string_view bytes);
// ContentChecksum of the file at path; nothing when it cannot be read.
std::optional<std::uint64_t> FileChecksum(const std::string& path);

// $XDG_STATE_HOME/ledfont, or ~/.local/state/ledfont without it.
std::string JournalFolder();

// The journal of one editor: a file of its own in the journal folder, locked
// while the editor runs, so another editor can tell it from one left behind
// by an editor that crashed or was killed.
class RecoveryJournal {
public:
    explicit RecoveryJournal(std::string folder = JournalFolder());
    ~RecoveryJournal();  // lets the file go, but keeps it: only Remove deletes it
    RecoveryJournal(const RecoveryJournal&) = delete;
    RecoveryJournal& operator=(const RecoveryJournal&) = delete;

    // Creates the journal on the first write and replaces its content after.
    // Throws PathFileAccessError (or another file error) when it cannot.
    void Write(const JournalContent& content);
    void Remove();
    bool Exists() const { return fd_ >= 0; }
    const std::string& Folder() const { return folder_; }
    const std::string& Path() const { return path_; }

private:
    void Create();

    std::string folder_;
    std::string path_;
    int fd_ = -1;
    std::string written_;  // what the file holds
};

// A journal that no running editor holds, for the file fontFile loaded in
// mode whose content still has the checksum the journal was made from.
struct LeftJournal {
    std::string path;
    JournalContent content;
};
std::optional<LeftJournal> FindLeftJournal(const std::string& folder, const std::string& fontFile,
                                           FontMode mode, std::uint64_t checksum);
// The newest journal no running editor holds of a font that has no file: a
// new font, its records and code pairs as changed from the blank font.
std::optional<LeftJournal> FindLeftNewFontJournal(const std::string& folder);
// Deletes a journal FindLeftJournal found, unless an editor took it since.
void DiscardLeftJournal(const std::string& path);

// The font file's path as journals name it: absolute, without . and .., links resolved.
std::string JournalFontPath(const std::string& fontFile);

}  // namespace ledfont
