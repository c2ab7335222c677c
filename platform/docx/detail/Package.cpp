#include "platform/docx/detail/Package.h"

#include "platform/docx/DocxError.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <cerrno>
#include <cstring>
#include <fstream>

namespace kovelund::docx::detail {

namespace {

[[noreturn]] void Corrupt(const std::string& name, const std::string& problem) {
    throw DocxError(error::CorruptFile, "cannot open document '" + name + "': " + problem);
}

[[noreturn]] void SaveFailed(const std::string& name, const std::string& problem) {
    throw DocxError(error::SaveFailed, "cannot save document '" + name + "': " + problem);
}

std::string ZipMessage(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

struct SourceCloser {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using SourceOwner = std::unique_ptr<zip_source_t, SourceCloser>;

struct FileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

std::string ReadSource(zip_source_t* source, const std::string& name) {
    zip_stat_t stat;
    if (zip_source_open(source) < 0) SaveFailed(name, zip_error_strerror(zip_source_error(source)));
    zip_stat_init(&stat);
    if (zip_source_stat(source, &stat) < 0 || !(stat.valid & ZIP_STAT_SIZE)) {
        zip_source_close(source);
        SaveFailed(name, "the new archive has no size");
    }
    std::string bytes(stat.size, '\0');
    zip_int64_t got = zip_source_read(source, bytes.data(), stat.size);
    zip_source_close(source);
    if (got < 0 || static_cast<zip_uint64_t>(got) != stat.size)
        SaveFailed(name, "the new archive cannot be read back");
    return bytes;
}

} // namespace

struct Package::Archive {
    std::string bytes;
    zip_t* zip = nullptr;
    ~Archive() {
        if (zip) zip_discard(zip);
    }
};

Package::Package(std::string bytes, std::string name)
    : archive_(std::make_unique<Archive>()), name_(std::move(name)) {
    archive_->bytes = std::move(bytes);
    if (archive_->bytes.size() < 22) Corrupt(name_, "not a zip archive");
    zip_error_t error;
    zip_error_init(&error);
    SourceOwner source{zip_source_buffer_create(archive_->bytes.data(), archive_->bytes.size(), 0, &error)};
    if (!source) Corrupt(name_, zip_error_strerror(&error));
    archive_->zip = zip_open_from_source(source.get(), ZIP_RDONLY, &error);
    if (!archive_->zip) {
        int code = zip_error_code_zip(&error);
        zip_error_fini(&error);
        Corrupt(name_, code == ZIP_ER_NOZIP ? std::string("not a zip archive, or a truncated one")
                                            : "damaged zip archive (" + ZipMessage(code) + ")");
    }
    source.release();
}

Package::~Package() = default;

bool Package::Has(std::string_view entry) const {
    return zip_name_locate(archive_->zip, std::string(entry).c_str(), ZIP_FL_NOCASE) >= 0;
}

std::string Package::Stored(std::string_view entry) const {
    zip_int64_t index = zip_name_locate(archive_->zip, std::string(entry).c_str(), ZIP_FL_NOCASE);
    const char* stored =
        index < 0 ? nullptr : zip_get_name(archive_->zip, static_cast<zip_uint64_t>(index), ZIP_FL_ENC_RAW);
    return stored ? stored : std::string(entry);
}

std::vector<std::string> Package::Names() const {
    std::vector<std::string> names;
    zip_int64_t count = zip_get_num_entries(archive_->zip, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* entry = zip_get_name(archive_->zip, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW);
        names.emplace_back(entry ? entry : "");
    }
    return names;
}

std::string Package::Read(std::string_view entry, std::uint64_t& budget) const {
    std::string entryName(entry);
    zip_int64_t index = zip_name_locate(archive_->zip, entryName.c_str(), ZIP_FL_NOCASE);
    if (index < 0) Corrupt(name_, "missing part '" + entryName + "'");
    zip_stat_t stat;
    if (zip_stat_index(archive_->zip, static_cast<zip_uint64_t>(index), 0, &stat) < 0 ||
        !(stat.valid & ZIP_STAT_SIZE))
        Corrupt(name_, "part '" + entryName + "' has no size");
    if (stat.size > budget)
        Corrupt(name_, "part '" + entryName + "' is too large (" + std::to_string(stat.size) + " bytes)");
    std::unique_ptr<zip_file_t, FileCloser> file{
        zip_fopen_index(archive_->zip, static_cast<zip_uint64_t>(index), 0)};
    if (!file)
        Corrupt(name_, "part '" + entryName + "' cannot be read (" + zip_strerror(archive_->zip) + ")");
    std::string bytes(stat.size + 1, '\0');
    zip_uint64_t done = 0;
    while (done < bytes.size()) {
        zip_int64_t got = zip_fread(file.get(), bytes.data() + done, bytes.size() - done);
        if (got < 0)
            Corrupt(name_, "part '" + entryName + "' is damaged (" + zip_file_strerror(file.get()) + ")");
        if (got == 0) break;
        done += static_cast<zip_uint64_t>(got);
    }
    if (done != stat.size) Corrupt(name_, "part '" + entryName + "' is damaged (wrong length)");
    bytes.resize(done);
    budget -= done;
    return bytes;
}

std::string Package::Write(const std::map<std::string, std::string>& changed,
                           const std::vector<std::pair<std::string, std::string>>& added, int level) const {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!target) SaveFailed(name_, zip_error_strerror(&error));
    SourceOwner keep{target};
    zip_source_keep(target);
    zip_t* out = zip_open_from_source(target, ZIP_TRUNCATE, &error);
    if (!out) SaveFailed(name_, zip_error_strerror(&error));
    auto fail = [&](const std::string& what) {
        std::string message = what + " (" + zip_strerror(out) + ")";
        zip_discard(out);
        SaveFailed(name_, message);
    };
    auto addBytes = [&](const std::string& entry, const std::string& bytes) {
        zip_source_t* data = zip_source_buffer(out, bytes.data(), bytes.size(), 0);
        zip_int64_t index = data ? zip_file_add(out, entry.c_str(), data, ZIP_FL_ENC_GUESS) : -1;
        if (index < 0) {
            if (data) zip_source_free(data);
            fail("cannot add '" + entry + "'");
        }
        if (zip_set_file_compression(out, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE,
                                     static_cast<zip_uint32_t>(level)) < 0)
            fail("cannot compress '" + entry + "'");
    };
    zip_int64_t count = zip_get_num_entries(archive_->zip, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        auto index = static_cast<zip_uint64_t>(i);
        std::string entry = zip_get_name(archive_->zip, index, ZIP_FL_ENC_RAW);
        if (auto found = changed.find(entry); found != changed.end()) {
            addBytes(entry, found->second);
            continue;
        }
        zip_source_t* raw = zip_source_zip(out, archive_->zip, index, ZIP_FL_COMPRESSED, 0, -1);
        if (!raw || zip_file_add(out, entry.c_str(), raw, ZIP_FL_ENC_GUESS) < 0) {
            if (raw) zip_source_free(raw);
            fail("cannot copy '" + entry + "'");
        }
    }
    for (const auto& [entry, bytes] : added)
        addBytes(entry, bytes);
    if (zip_close(out) < 0) fail("cannot write the archive");
    return ReadSource(target, name_);
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
