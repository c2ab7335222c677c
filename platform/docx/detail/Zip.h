#pragma once
// The zip format as a .docx uses it, on zlib: an archive's directory read from its bytes, entries
// stored or deflated, read with their length and CRC checked, and a new archive written in memory
// with entries deflated anew or copied with their compressed bytes. No encryption, no other methods;
// zip64 records are read, never written (a package over 4 GiB or 65,535 entries is refused).

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kovelund::docx::detail {

/// What a damaged archive or an impossible write throws; the message names the problem only.
struct ZipError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

/// One entry as the central directory describes it.
struct ZipEntry {
    std::string name; ///< as stored (UTF-8 when flagged so, else as the writer put it)
    std::uint16_t flags = 0;
    std::uint16_t method = 0; ///< 0 stored, 8 deflated
    std::uint16_t time = 0;   ///< MS-DOS time and date
    std::uint16_t date = 0;
    std::uint32_t crc = 0;
    std::uint64_t packed = 0; ///< compressed size
    std::uint64_t size = 0;   ///< uncompressed size
    std::uint64_t offset = 0; ///< of its local header
};

/// An archive's directory over its bytes, which must outlive the reader.
class ZipReader {
public:
    /// Reads the end record and the central directory; a file without them, or with a directory
    /// that points outside the file, throws ZipError ("not a zip archive, or a truncated one").
    explicit ZipReader(std::string_view bytes);

    const std::vector<ZipEntry>& Entries() const { return entries_; }
    /// The entry's compressed bytes; ZipError when its local header is missing or they lie outside.
    std::string_view Packed(const ZipEntry& entry) const;
    /// The entry's bytes, stored or inflated, checked against the directory's length and CRC;
    /// ZipError when damaged, encrypted or compressed with another method.
    std::string Read(const ZipEntry& entry) const;

private:
    std::string_view bytes_;
    std::vector<ZipEntry> entries_;
};

/// A new archive built in memory, entries in the order added.
class ZipWriter {
public:
    /// Adds `bytes` under `name`, deflated at `level` (1–9), dated now.
    void Add(const std::string& name, std::string_view bytes, int level);
    /// Adds an entry of another archive as it is: its name, date, CRC and compressed bytes.
    void Copy(const ZipEntry& entry, std::string_view packed);
    /// The archive's bytes: the entries, then the central directory and the end record.
    std::string Finish();

private:
    void Append(ZipEntry entry, std::string_view packed);

    std::string out_;
    std::vector<ZipEntry> entries_;
};

} // namespace kovelund::docx::detail
