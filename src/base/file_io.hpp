// Whole-file reading with a size limit, crash-safe whole-file writing, and the program folder's
// small file chores. Errors come back as Russian texts for the player.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zaldrun {

// Reads a whole file of at most max_bytes. Missing, unreadable or oversized: nothing, with *error.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& path,
                                                  size_t max_bytes, std::string* error);
// The same, appended to *out; on failure *out is as it was.
bool AppendWholeFile(const std::filesystem::path& path, size_t max_bytes,
                     std::vector<uint8_t>* out, std::string* error);

// Writes a temporary file beside the target, checks every write and the close, flushes it to
// disk, renames it over the target and flushes the folder. The old file survives any failure.
// With a backup path, the old file (when there is one) is kept there as well, made before the
// rename: the target itself never goes missing.
bool WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                         std::string* error, const std::filesystem::path& backup = {});
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* error);

// The same without waiting for the disk: a scratch file (a level file of the running game) is
// never seen half-written, but one written just before a power cut may be lost.
bool ReplaceFile(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                 std::string* error);

// Opens the file for appending, writes the bytes and closes it again.
bool AppendToFile(const std::filesystem::path& path, std::string_view bytes, std::string* error);

// Deletes the files of a folder whose names end with the extension (".lev"); returns how many.
int DeleteFilesWithExtension(const std::filesystem::path& folder, std::string_view extension);

// Checks that a file can be created in the folder (creates and removes a probe file).
bool FolderIsWritable(const std::filesystem::path& folder, std::string* error);

}  // namespace zaldrun
