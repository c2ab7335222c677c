#include "platform/docx/detail/Zip.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <ctime>

namespace kovelund::docx::detail {

namespace {

constexpr std::uint32_t LocalSignature = 0x04034b50;
constexpr std::uint32_t CentralSignature = 0x02014b50;
constexpr std::uint32_t EndSignature = 0x06054b50;
constexpr std::uint32_t Zip64EndSignature = 0x06064b50;
constexpr std::uint32_t Zip64LocatorSignature = 0x07064b50;
constexpr std::uint64_t LocalHeaderSize = 30;
constexpr std::uint64_t CentralHeaderSize = 46;
constexpr std::uint64_t EndSize = 22;
constexpr std::uint16_t EncryptedFlag = 0x0001;
constexpr std::uint16_t DescriptorFlag = 0x0008;
constexpr std::uint16_t Utf8Flag = 0x0800;
constexpr std::uint16_t Version = 20; // 2.0: deflate, no zip64
constexpr std::uint32_t Escaped = 0xFFFFFFFF;

[[noreturn]] void Truncated() {
    throw ZipError("not a zip archive, or a truncated one");
}

// Little-endian fields read in order from the archive's bytes; nothing is read past their end.
struct Cursor {
    std::string_view bytes;
    std::uint64_t at;

    bool Fits(std::uint64_t n) const { return at <= bytes.size() && n <= bytes.size() - at; }
    std::uint64_t Take(int n) {
        if (!Fits(static_cast<std::uint64_t>(n))) Truncated();
        std::uint64_t value = 0;
        for (int i = n - 1; i >= 0; --i)
            value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::uint64_t>(i)]);
        at += static_cast<std::uint64_t>(n);
        return value;
    }
    std::string_view Text(std::uint64_t n) {
        if (!Fits(n)) Truncated();
        std::string_view text = bytes.substr(at, n);
        at += n;
        return text;
    }
};

// The end record nearest the file's end whose comment stays inside the file.
std::uint64_t FindEnd(std::string_view bytes) {
    if (bytes.size() < EndSize) Truncated();
    std::uint64_t lowest = bytes.size() > EndSize + 0xFFFF ? bytes.size() - EndSize - 0xFFFF : 0;
    for (std::uint64_t at = bytes.size() - EndSize + 1; at-- > lowest;) {
        Cursor c{bytes, at};
        if (c.Take(4) != EndSignature) continue;
        c.at = at + 20;
        if (at + EndSize + c.Take(2) <= bytes.size()) return at;
    }
    Truncated();
}

struct Directory {
    std::uint64_t count, size, offset;
};

Directory ReadEnd(std::string_view bytes, std::uint64_t end) {
    Cursor c{bytes, end + 10};
    Directory d{c.Take(2), 0, 0};
    d.size = c.Take(4);
    d.offset = c.Take(4);
    if (d.count != 0xFFFF && d.size != Escaped && d.offset != Escaped) return d;
    // The zip64 end record, found through its locator just before the end record; without one,
    // 65,535 is a plain count.
    Cursor locator{bytes, end >= 20 ? end - 20 : bytes.size()};
    if (!locator.Fits(20) || locator.Take(4) != Zip64LocatorSignature) {
        if (d.size == Escaped || d.offset == Escaped) Truncated();
        return d;
    }
    locator.Take(4);
    Cursor record{bytes, locator.Take(8)};
    if (record.Take(4) != Zip64EndSignature) Truncated();
    record.at += 8 + 2 + 2 + 4 + 4 + 8;
    return {record.Take(8), record.Take(8), record.Take(8)};
}

// Sizes and the offset that do not fit 32 bits stand in the zip64 extra field, in this order.
void ReadZip64(std::string_view extra, ZipEntry& e) {
    Cursor c{extra, 0};
    while (c.Fits(4)) {
        std::uint64_t id = c.Take(2), length = c.Take(2);
        if (!c.Fits(length)) return;
        Cursor field{c.Text(length), 0};
        if (id != 0x0001) continue;
        for (std::uint64_t* value : {&e.size, &e.packed, &e.offset})
            if (*value == Escaped && field.Fits(8)) *value = field.Take(8);
        return;
    }
}

void Put(std::string& out, std::uint64_t value, int n) {
    for (int i = 0; i < n; ++i, value >>= 8)
        out.push_back(static_cast<char>(value & 0xFF));
}

// What a local header and a directory entry both say of an entry, from the version needed to the
// name's length.
void PutDescription(std::string& out, const ZipEntry& e) {
    Put(out, Version, 2);
    Put(out, e.flags, 2);
    Put(out, e.method, 2);
    Put(out, e.time, 2);
    Put(out, e.date, 2);
    Put(out, e.crc, 4);
    Put(out, e.packed, 4);
    Put(out, e.size, 4);
    Put(out, e.name.size(), 2);
}

// Only a name beyond ASCII needs the UTF-8 flag; readers take plain names as they are.
bool Ascii(std::string_view name) {
    return std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

ZipReader::ZipReader(std::string_view bytes) : bytes_(bytes) {
    std::uint64_t end = FindEnd(bytes);
    Directory d = ReadEnd(bytes, end);
    if (d.offset > bytes.size() || d.size > bytes.size() - d.offset) Truncated();
    entries_.reserve(std::min(d.count, d.size / CentralHeaderSize));
    Cursor c{bytes.substr(0, d.offset + d.size), d.offset};
    for (std::uint64_t i = 0; i < d.count; ++i) {
        if (c.Take(4) != CentralSignature)
            throw ZipError("damaged zip archive (entry " + std::to_string(i + 1) + " of the directory)");
        ZipEntry e;
        c.Take(4);
        e.flags = static_cast<std::uint16_t>(c.Take(2));
        e.method = static_cast<std::uint16_t>(c.Take(2));
        e.time = static_cast<std::uint16_t>(c.Take(2));
        e.date = static_cast<std::uint16_t>(c.Take(2));
        e.crc = static_cast<std::uint32_t>(c.Take(4));
        e.packed = c.Take(4);
        e.size = c.Take(4);
        std::uint64_t nameLength = c.Take(2), extraLength = c.Take(2), commentLength = c.Take(2);
        c.at += 8;
        e.offset = c.Take(4);
        e.name = std::string(c.Text(nameLength));
        ReadZip64(c.Text(extraLength), e);
        c.Text(commentLength);
        entries_.push_back(std::move(e));
    }
}

std::string_view ZipReader::Packed(const ZipEntry& e) const {
    Cursor c{bytes_, e.offset};
    if (!c.Fits(LocalHeaderSize) || c.Take(4) != LocalSignature) throw ZipError("no local header");
    c.at = e.offset + 26;
    std::uint64_t skip = c.Take(2) + c.Take(2);
    c.at += skip;
    if (!c.Fits(e.packed)) throw ZipError("its data lies outside the file");
    return bytes_.substr(c.at, e.packed);
}

std::string ZipReader::Read(const ZipEntry& e) const {
    if (e.flags & EncryptedFlag) throw ZipError("encrypted");
    if (e.method != 0 && e.method != Z_DEFLATED)
        throw ZipError("compression method " + std::to_string(e.method) + " is not supported");
    std::string_view packed = Packed(e);
    std::string bytes;
    if (e.method == 0) {
        bytes = packed;
    } else {
        if (packed.size() > UINT_MAX || e.size >= UINT_MAX) throw ZipError("too large");
        // One byte beyond the stated length shows an entry longer than its directory says.
        bytes.assign(e.size + 1, '\0');
        z_stream z{};
        if (inflateInit2(&z, -MAX_WBITS) != Z_OK) throw ZipError("cannot inflate");
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
        z.avail_in = static_cast<uInt>(packed.size());
        z.next_out = reinterpret_cast<Bytef*>(bytes.data());
        z.avail_out = static_cast<uInt>(bytes.size());
        int rc = inflate(&z, Z_FINISH);
        bytes.resize(z.total_out);
        inflateEnd(&z);
        if (rc != Z_STREAM_END && rc != Z_BUF_ERROR && rc != Z_OK) throw ZipError("bad deflate data");
    }
    if (bytes.size() != e.size) throw ZipError("wrong length");
    if (crc32_z(0, reinterpret_cast<const Bytef*>(bytes.data()), bytes.size()) != e.crc)
        throw ZipError("CRC error");
    return bytes;
}

void ZipWriter::Add(const std::string& name, std::string_view bytes, int level) {
    if (bytes.size() >= UINT_MAX) throw ZipError("'" + name + "' is too large for the archive");
    z_stream z{};
    if (deflateInit2(&z, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw ZipError("cannot deflate '" + name + "'");
    std::string packed(deflateBound(&z, static_cast<uLong>(bytes.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    z.avail_in = static_cast<uInt>(bytes.size());
    z.next_out = reinterpret_cast<Bytef*>(packed.data());
    z.avail_out = static_cast<uInt>(packed.size());
    int rc = deflate(&z, Z_FINISH);
    packed.resize(z.total_out);
    deflateEnd(&z);
    if (rc != Z_STREAM_END) throw ZipError("cannot deflate '" + name + "'");

    std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    ZipEntry e;
    e.name = name;
    e.flags = Ascii(name) ? 0 : Utf8Flag;
    e.method = Z_DEFLATED;
    e.time = static_cast<std::uint16_t>(t.tm_hour << 11 | t.tm_min << 5 | t.tm_sec / 2);
    e.date = static_cast<std::uint16_t>(std::max(t.tm_year - 80, 0) << 9 | (t.tm_mon + 1) << 5 | t.tm_mday);
    e.crc =
        static_cast<std::uint32_t>(crc32_z(0, reinterpret_cast<const Bytef*>(bytes.data()), bytes.size()));
    e.packed = packed.size();
    e.size = bytes.size();
    Append(std::move(e), packed);
}

void ZipWriter::Copy(const ZipEntry& entry, std::string_view packed) {
    ZipEntry e = entry;
    // The sizes go into the local header, so no data descriptor follows the data.
    e.flags &= static_cast<std::uint16_t>(~DescriptorFlag);
    Append(std::move(e), packed);
}

void ZipWriter::Append(ZipEntry e, std::string_view packed) {
    if (out_.size() + packed.size() >= Escaped || e.size >= Escaped || entries_.size() >= 0xFFFE ||
        e.name.size() > 0xFFFF)
        throw ZipError("the package is too large for a zip archive without zip64");
    e.offset = out_.size();
    Put(out_, LocalSignature, 4);
    PutDescription(out_, e);
    Put(out_, 0, 2); // no extra field
    out_ += e.name;
    out_ += packed;
    entries_.push_back(std::move(e));
}

std::string ZipWriter::Finish() {
    std::uint64_t start = out_.size();
    for (const ZipEntry& e : entries_) {
        Put(out_, CentralSignature, 4);
        Put(out_, Version, 2); // made by: MS-DOS attributes, none set
        PutDescription(out_, e);
        Put(out_, 0, 12); // no extra field, comment, disk number or attributes
        Put(out_, e.offset, 4);
        out_ += e.name;
    }
    if (out_.size() >= Escaped) throw ZipError("the package is too large for a zip archive without zip64");
    std::uint64_t directory = out_.size() - start;
    Put(out_, EndSignature, 4);
    Put(out_, 0, 4);
    Put(out_, entries_.size(), 2);
    Put(out_, entries_.size(), 2);
    Put(out_, directory, 4);
    Put(out_, start, 4);
    Put(out_, 0, 2);
    entries_.clear();
    return std::move(out_);
}

} // namespace kovelund::docx::detail
