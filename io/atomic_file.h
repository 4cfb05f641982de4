#pragma once
// Writing and reading the game's one-record files safely. A file is written to a
// temporary name beside it, flushed to the disk and then renamed over the old
// one, so a failure or a crash part-way leaves either the old file or the new one,
// never a broken mix. Reading takes at most one record and says when the file
// held less.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velmora {

// Writes `bytes` as the whole content of `file`. Returns the system's text for
// the error when the file could not be written; the old file, if any, is then
// untouched and no temporary file is left behind. A symbolic link is followed, so
// the file it points to is replaced and the link stays.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& file,
                                               std::span<const uint8_t> bytes);

struct FilePrefix {
    enum class Status {
        Complete,    // `bytes` holds the first `size` bytes of the file
        Short,       // the file ended before `size` bytes; `bytes` holds what it had
        CannotOpen,  // missing, or not readable
        ReadError,   // opened, but reading failed
    };
    Status status = Status::CannotOpen;
    std::vector<uint8_t> bytes;
    std::string error;  // the system's text for CannotOpen and ReadError
};

// Reads the first `size` bytes of `file`; a longer file is read only that far.
FilePrefix ReadFilePrefix(const std::filesystem::path& file, size_t size);

}  // namespace velmora
