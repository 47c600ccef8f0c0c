#include "formats/file_io.h"

#include "core/error.h"
#include "core/file_error.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

#include <cerrno>
#include <memory>
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvar {
namespace {

#ifdef _WIN32
// Windows' narrow file functions take names in the ANSI code page, where
// ours are UTF-8, and open in text mode unless told otherwise, which would
// drop the CR of every CR LF and stop reading at a Ctrl-Z byte.
using FileInfo = struct _stat64;
std::wstring wide(const std::string& path) { return QString::fromStdString(path).toStdWString(); }
int openForReading(const std::string& path) { return ::_wopen(wide(path).c_str(), O_RDONLY | O_BINARY | O_NOINHERIT); }
int infoOf(const std::string& path, FileInfo& info) { return ::_wstat64(wide(path).c_str(), &info); }
int infoOf(int fd, FileInfo& info) { return ::_fstat64(fd, &info); }
int canWrite(const std::string& path) { return ::_waccess(wide(path).c_str(), W_OK); }
#else
using FileInfo = struct stat;
int openForReading(const std::string& path) { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC); }
int infoOf(const std::string& path, FileInfo& info) { return ::stat(path.c_str(), &info); }
int infoOf(int fd, FileInfo& info) { return ::fstat(fd, &info); }
int canWrite(const std::string& path) { return ::access(path.c_str(), W_OK); }
#endif

// Some failures (Qt's own checks) leave errno unset.
[[noreturn]] void throwLastFileError()
{
    throwFileError(errno != 0 ? errno : EIO);
}

bool isDirectory(const std::string& path)
{
    FileInfo info {};
    return infoOf(path, info) == 0 && S_ISDIR(info.st_mode);
}

// A new file needs a folder to go in.
void checkFolderOf(const std::string& path)
{
    const std::string folder = QFileInfo(QString::fromStdString(path)).absolutePath().toStdString();
    FileInfo info {};
    if (infoOf(folder, info) != 0)
        throwLastFileError();
    if (!S_ISDIR(info.st_mode))
        throwFileError(ENOTDIR);
}

// QSaveFile refuses a directory, an unwritable file or a missing folder
// itself, without an errno (always so on Windows), so ask the file system
// first to report the real complaint.
void checkReplaceable(const std::string& path)
{
    FileInfo info {};
    if (infoOf(path, info) != 0)
        return checkFolderOf(path);
    if (S_ISDIR(info.st_mode))
        throwFileError(EISDIR);
    if (canWrite(path) != 0)
        throwLastFileError();
}

void writeAll(int fd, std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throwLastFileError();
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
}

} // namespace

InputFile::InputFile(const std::string& path) : fd_(openForReading(path))
{
    if (fd_ < 0) {
        const int error = errno;
        // Windows will not open a directory at all, and calls that access denied.
        throwFileError(isDirectory(path) ? EISDIR : error);
    }
    FileInfo info {};
    int error = 0;
    if (infoOf(fd_, info) != 0)
        error = errno;
    else if (S_ISDIR(info.st_mode))
        error = EISDIR;
    if (error != 0) {
        ::close(fd_);
        throwFileError(error);
    }
    size_ = info.st_size;
}

InputFile::~InputFile()
{
    ::close(fd_);
}

std::vector<std::uint8_t> InputFile::read(std::size_t count)
{
    std::vector<std::uint8_t> bytes(count);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::read(fd_, bytes.data() + done, count - done);
        if (got == 0)
            throwReadBeyondEnd();
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throwLastFileError();
        }
        done += static_cast<std::size_t>(got);
    }
    return bytes;
}

FileTooLarge::FileTooLarge(std::int64_t size, const SizeLimit& limit)
    : Error("The file is " + std::to_string(size) + " bytes; " + limit.kind + " can be at most " +
            std::to_string(limit.bytes / MiB) + " MiB")
{
}

void InputFile::refuseLargerThan(const SizeLimit& limit) const
{
    if (size_ > limit.bytes)
        throw FileTooLarge(size_, limit);
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path, const SizeLimit& limit)
{
    InputFile file(path);
    file.refuseLargerThan(limit);
    return file.readAll();
}

void WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    checkReplaceable(path);
    QSaveFile file(QString::fromStdString(path));
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throwLastFileError();
    // Written through the descriptor: QSaveFile's own write reports a short
    // write as success and loses errno.
    writeAll(file.handle(), bytes);
    errno = 0;
    if (!file.commit())
        throwLastFileError();
}

namespace {

[[noreturn]] void throwCannotWrite(const std::string& path, const std::string& reason)
{
    throw Error("Cannot write " + QFileInfo(QString::fromStdString(path)).fileName().toStdString() + ": " + reason);
}

// The file written to its temporary, not yet in place.
std::unique_ptr<QSaveFile> stage(const FileContents& file)
{
    try {
        checkReplaceable(file.path);
        auto staged = std::make_unique<QSaveFile>(QString::fromStdString(file.path));
        errno = 0;
        if (!staged->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            throwLastFileError();
        writeAll(staged->handle(), file.bytes);
        return staged;
    } catch (const Error& e) {
        throwCannotWrite(file.path, e.what());
    }
}

// What a target holds before it is replaced: nothing for a missing file.
struct OldContents {
    bool existed = false;
    std::optional<std::vector<std::uint8_t>> bytes;
};

OldContents oldContentsOf(const std::string& path)
{
    FileInfo info {};
    if (infoOf(path, info) != 0)
        return {};
    try {
        return {true, ReadWholeFile(path, {"a replaced file", OldContentsLimit})};
    } catch (const Error&) {
        return {true, std::nullopt};
    }
}

void putBack(const std::string& path, const OldContents& old)
{
    try {
        if (old.bytes)
            WriteWholeFile(path, *old.bytes);
        else if (!old.existed)
            QFile::remove(QString::fromStdString(path));
    } catch (const Error&) {
        // The failure that caused the rollback is the one to report.
    }
}

} // namespace

void WriteFileSet(const std::vector<FileContents>& files)
{
    std::vector<std::unique_ptr<QSaveFile>> staged;
    for (const FileContents& file : files)
        staged.push_back(stage(file));
    std::vector<OldContents> old;
    for (const FileContents& file : files)
        old.push_back(oldContentsOf(file.path));
    for (std::size_t i = 0; i < files.size(); ++i) {
        errno = 0;
        if (staged[i]->commit())
            continue;
        const std::string reason = fileErrorMessage(errno != 0 ? errno : EIO);
        for (std::size_t done = 0; done < i; ++done)
            putBack(files[done].path, old[done]);
        throwCannotWrite(files[i].path, reason);
    }
}

void CreateWholeFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    try {
        WriteWholeFile(path, bytes);
    } catch (const Error&) {
        throw Error(formatMessage("Cannot create file %s", path));
    }
}

} // namespace tolvar
