#include "platform/docx/detail/Package.h"

#include "platform/docx/DocxError.h"
#include "platform/docx/detail/Zip.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <unordered_map>

namespace kovelund::docx::detail {

namespace {

[[noreturn]] void Corrupt(const std::string& name, const std::string& problem) {
    throw DocxError(error::CorruptFile, "cannot open document '" + name + "': " + problem);
}

[[noreturn]] void SaveFailed(const std::string& name, const std::string& problem) {
    throw DocxError(error::SaveFailed, "cannot save document '" + name + "': " + problem);
}

// OPC part names compare case-insensitively, in ASCII.
std::string Folded(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

} // namespace

struct Package::Archive {
    std::string bytes;
    std::optional<ZipReader> zip;
    std::unordered_map<std::string, std::size_t> index; // folded name → first entry of that name

    const ZipEntry* Find(std::string_view name) const {
        auto found = index.find(Folded(name));
        return found == index.end() ? nullptr : &zip->Entries()[found->second];
    }
};

Package::Package(std::string bytes, std::string name)
    : archive_(std::make_unique<Archive>()), name_(std::move(name)) {
    archive_->bytes = std::move(bytes);
    if (archive_->bytes.size() < 22) Corrupt(name_, "not a zip archive");
    try {
        archive_->zip.emplace(archive_->bytes);
    } catch (const ZipError& e) {
        Corrupt(name_, e.what());
    }
    // Two entries of one part name leave it open which is the part; saving would write both.
    const std::vector<ZipEntry>& entries = archive_->zip->Entries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (!archive_->index.emplace(Folded(entries[i].name), i).second)
            Corrupt(name_, "part '" + entries[i].name + "' is in the archive twice");
}

Package::~Package() = default;

bool Package::Has(std::string_view entry) const {
    return archive_->Find(entry) != nullptr;
}

std::string Package::Stored(std::string_view entry) const {
    const ZipEntry* stored = archive_->Find(entry);
    return stored ? stored->name : std::string(entry);
}

std::vector<std::string> Package::Names() const {
    std::vector<std::string> names;
    for (const ZipEntry& e : archive_->zip->Entries())
        names.push_back(e.name);
    return names;
}

std::string Package::Read(std::string_view entry, std::uint64_t& budget) const {
    std::string entryName(entry);
    const ZipEntry* found = archive_->Find(entry);
    if (!found) Corrupt(name_, "missing part '" + entryName + "'");
    if (found->size > budget)
        Corrupt(name_, "part '" + entryName + "' is too large (" + std::to_string(found->size) + " bytes)");
    try {
        std::string bytes = archive_->zip->Read(*found);
        budget -= bytes.size();
        return bytes;
    } catch (const ZipError& e) {
        Corrupt(name_, "part '" + entryName + "' is damaged (" + e.what() + ")");
    }
}

std::string Package::Write(const std::map<std::string, std::string>& changed,
                           const std::vector<std::pair<std::string, std::string>>& added, int level) const {
    ZipWriter out;
    try {
        for (const ZipEntry& e : archive_->zip->Entries()) {
            if (auto found = changed.find(e.name); found != changed.end())
                out.Add(e.name, found->second, level);
            else
                out.Copy(e, archive_->zip->Packed(e));
        }
        for (const auto& [entry, bytes] : added)
            out.Add(entry, bytes, level);
        return out.Finish();
    } catch (const ZipError& e) {
        SaveFailed(name_, e.what());
    }
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) Corrupt(path.string(), std::string("cannot read the file (") + std::strerror(errno) + ")");
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) Corrupt(path.string(), "cannot read the file");
    return bytes;
}

void WriteAtomically(const std::filesystem::path& target, const std::string& bytes, const SaveCalls& calls,
                     const std::function<void()>& beforeReplacing) {
    std::filesystem::path dir =
        target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
    std::string pattern =
        (dir / std::string(1, '.').append(target.filename().string()).append(".XXXXXX")).string();
    int fd = calls.create(pattern.data());
    if (fd < 0)
        SaveFailed(target.string(),
                   std::string("cannot create a temporary file (") + std::strerror(errno) + ")");
    auto abandon = [&](const std::string& problem, bool open) {
        int saved = errno;
        if (open) ::close(fd);
        ::unlink(pattern.c_str());
        SaveFailed(target.string(), problem + " (" + std::strerror(saved) + ")");
    };
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t written = calls.write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written == 0) errno = ENOSPC;
        if (written <= 0) abandon("cannot write the temporary file", true);
        done += static_cast<std::size_t>(written);
    }
    struct stat old;
    ::fchmod(fd, ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);
    if (calls.flush(fd) != 0) abandon("cannot flush the temporary file", true);
    if (::close(fd) != 0) abandon("cannot close the temporary file", false);
    if (beforeReplacing) {
        try {
            beforeReplacing();
        } catch (...) {
            ::unlink(pattern.c_str());
            throw;
        }
    }
    if (calls.rename(pattern.c_str(), target.c_str()) != 0) abandon("cannot replace the file", false);
    // The rename itself lasts only once the folder is flushed too.
    if (int folder = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY); folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

} // namespace kovelund::docx::detail
