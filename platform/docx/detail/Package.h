#pragma once
// The package under a document: its entries read out once by name; on saving, changed entries are
// deflated anew and all others copied with their compressed bytes, in order (the zip format itself
// is Zip.h's).

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kovelund::docx::detail {

class Package {
public:
    /// Reads the archive's directory from the file's bytes; not a zip or a damaged directory throws
    /// 5792 naming `name`. Entries are checked (length, CRC) as they are read, not all up front, so
    /// that a flaw in an entry the document does not need refuses nothing.
    Package(std::string bytes, std::string name);
    ~Package();
    Package(const Package&) = delete;
    Package& operator=(const Package&) = delete;

    /// Whether the archive holds the entry (names compare case-insensitively, as OPC part names do).
    bool Has(std::string_view entry) const;
    /// The entry's uncompressed bytes. Beyond `budget` bytes (which shrinks by what was read), a
    /// damaged entry or an unknown one throws 5792.
    std::string Read(std::string_view entry, std::uint64_t& budget) const;
    /// The entry's name as stored (for a name that Has() finds).
    std::string Stored(std::string_view entry) const;
    /// The entries' names as stored, in archive order.
    std::vector<std::string> Names() const;
    /// A new archive: the entries in order, those in `changed` with their new bytes (deflated at
    /// `level`), then `added` in the order given; throws 5153 on failure.
    std::string Write(const std::map<std::string, std::string>& changed,
                      const std::vector<std::pair<std::string, std::string>>& added, int level) const;

private:
    struct Archive;
    std::unique_ptr<Archive> archive_;
    std::string name_;
};

/// The system calls of a save; tests replace them to fail each step as a full disk, a read-only or a
/// vanished folder would.
struct SaveCalls {
    int (*create)(char* pattern) = ::mkstemp;
    ssize_t (*write)(int fd, const void* data, std::size_t size) = ::write;
    int (*flush)(int fd) = ::fsync;
    int (*rename)(const char* from, const char* to) = ::rename;
};

/// Writes `bytes` to a temporary file beside `target`, flushes it and renames it over `target`;
/// on failure removes the temporary file, leaves `target` as it was and throws 5153.
/// `beforeReplacing` runs between the flush and the rename; what it throws is passed on likewise.
void WriteAtomically(const std::filesystem::path& target, const std::string& bytes,
                     const SaveCalls& calls = {}, const std::function<void()>& beforeReplacing = {});

/// Reads a whole file; throws 5792 naming it when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

} // namespace kovelund::docx::detail
