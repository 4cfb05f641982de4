#include "io/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace velmora {

namespace {

std::string ErrorText(int error) {
    return std::generic_category().message(error);
}

// Closes the descriptor on every path out of the writer.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    // Closes now and reports whether the close succeeded (it can report a
    // failed delayed write).
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes = bytes.subspan(static_cast<size_t>(n));
    }
    return true;
}

// The file a write should replace: the target of a symbolic link, so that the
// link itself survives.
std::filesystem::path Destination(const std::filesystem::path& file) {
    std::error_code ec;
    if (std::filesystem::is_symlink(file, ec)) {
        auto target = std::filesystem::weakly_canonical(file, ec);
        if (!ec) return target;
    }
    return file;
}

// A fresh temporary file in the destination's folder (a rename works only within
// one file system). Its name starts with the destination's, so a stray one left by
// a crash is easy to recognise.
FileDescriptor CreateTemporary(const std::filesystem::path& destination,
                               std::filesystem::path& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = destination;
        name += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return FileDescriptor(fd);
    }
    errno = EEXIST;
    return FileDescriptor(-1);
}

// After the rename the folder entry itself must reach the disk. Some file systems
// refuse to sync a folder; the data is safe in the file either way.
void SyncFolder(const std::filesystem::path& destination) {
    auto folder = destination.parent_path();
    if (folder.empty()) folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::optional<std::string> WriteFileAtomically(const std::filesystem::path& file,
                                               std::span<const uint8_t> bytes) {
    const auto destination = Destination(file);
    std::filesystem::path temporary;
    FileDescriptor fd = CreateTemporary(destination, temporary);
    if (!fd.Valid()) return ErrorText(errno);

    int error = 0;
    if (!WriteAll(fd.Get(), bytes) || ::fsync(fd.Get()) != 0) error = errno;
    if (!fd.Close() && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), destination.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return ErrorText(error);
    }
    SyncFolder(destination);
    return std::nullopt;
}

FilePrefix ReadFilePrefix(const std::filesystem::path& file, size_t size) {
    FilePrefix result;
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.Valid()) {
        result.error = ErrorText(errno);
        return result;
    }
    result.bytes.resize(size);
    size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd.Get(), result.bytes.data() + got, size - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            result.status = FilePrefix::Status::ReadError;
            result.error = ErrorText(errno);
            result.bytes.clear();
            return result;
        }
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    result.bytes.resize(got);
    result.status = got == size ? FilePrefix::Status::Complete : FilePrefix::Status::Short;
    return result;
}

}  // namespace velmora
