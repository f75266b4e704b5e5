#include "cup/fileio.h"

#include "cup/errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rzv {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    // Closes now, reporting a failure (a delayed write error shows here).
    int close() {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

// The temporary file beside the target, removed again unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(QByteArray nameTemplate)
        : m_name(std::move(nameTemplate)), m_file(::mkstemp(m_name.data())) {
        if (m_file.get() < 0) throw ioError(errno);
    }
    ~TemporaryFile() {
        if (!m_renamed) ::unlink(m_name.constData());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return m_file.get(); }
    void syncAndClose() {
        if (::fsync(m_file.get()) != 0 || m_file.close() != 0) throw ioError(errno);
    }
    void renameTo(const QByteArray& target) {
        if (::rename(m_name.constData(), target.constData()) != 0) throw ioError(errno);
        m_renamed = true;
    }

private:
    QByteArray m_name;
    FileDescriptor m_file;
    bool m_renamed = false;
};

// Links are followed as far as they go (a link whose target is missing names the file to
// create); a loop ends with the system's error for too many links.
QString followLinks(const QString& path) {
    constexpr int kMaxLinks = 40;
    QFileInfo info(path);
    for (int links = 0; info.isSymLink(); ++links) {
        if (links == kMaxLinks) throw ioError(ELOOP);
        info.setFile(info.symLinkTarget());
    }
    return info.filePath();
}

// The target's own name, cut so that the suffix fits even beside a name of the longest length
// a folder allows (255 bytes), followed by ".tmp-XXXXXX" for mkstemp.
QByteArray temporaryTemplate(const QString& target) {
    constexpr qsizetype kKeptNameBytes = 200;
    const QFileInfo info(target);
    QString name = info.fileName();
    while (QFile::encodeName(name).size() > kKeptNameBytes)
        name.chop(name.back().isLowSurrogate() ? 2 : 1);
    const QString folder = info.path();
    return QFile::encodeName(folder + u'/' + name) + ".tmp-XXXXXX";
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Opening an existing file for writing would refuse it without write permission. The bits are
// checked as well, since the superuser passes every access check.
void refuseWriteProtected(const QByteArray& name, const struct stat& existing) {
    if ((existing.st_mode & 0222) == 0) throw ioError(EACCES);
    if (::access(name.constData(), W_OK) != 0) throw ioError(errno);
}

// Only regular files are read and replaced: a device, a pipe or a socket would be read without
// end, or be replaced by a file in its place.
QString kindOf(mode_t mode) {
    if (S_ISDIR(mode)) return QStringLiteral("ein Ordner");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return QStringLiteral("ein Gerät");
    if (S_ISFIFO(mode)) return QStringLiteral("eine Pipe");
    if (S_ISSOCK(mode)) return QStringLiteral("ein Socket");
    return QStringLiteral("etwas anderes");
}

void refuseOtherThanFile(const QString& path, const struct stat& existing) {
    if (!S_ISREG(existing.st_mode))
        throw RzvError(QStringLiteral("„%1“ ist keine Datei, sondern %2; dorthin wird nicht geschrieben.")
                           .arg(QDir::toNativeSeparators(path), kindOf(existing.st_mode)));
}

RzvError tooLarge(qint64 size, qint64 maxBytes) {
    constexpr qint64 kMegabyte = 1024 * 1024;
    return RzvError(QStringLiteral("Die Datei ist zu groß (%1 MB); eingelesen werden Dateien bis %2 MB.")
                        .arg(size / kMegabyte)
                        .arg(maxBytes / kMegabyte));
}

void writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR) continue;
            throw ioError(errno);
        }
        data += written;
        left -= written;
    }
}

} // namespace

QByteArray readWholeFile(const QString& path, qint64 maxBytes) {
    const QByteArray name = QFile::encodeName(path);
    // Without O_NONBLOCK, opening a pipe would wait for a writer before it could be refused.
    FileDescriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) throw ioError(errno);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) throw ioError(errno);
    if (!S_ISREG(info.st_mode))
        throw RzvError(QStringLiteral("„%1“ ist keine Datei, sondern %2; daraus wird nicht gelesen.")
                           .arg(QDir::toNativeSeparators(path), kindOf(info.st_mode)));
    if (info.st_size > maxBytes) throw tooLarge(info.st_size, maxBytes);
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            throw ioError(errno);
        }
        if (got == 0) break;
        bytes.append(buffer, got);
        // A file that grows while it is read is held to the same bound.
        if (bytes.size() > maxBytes) throw tooLarge(bytes.size(), maxBytes);
    }
    return bytes;
}

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    const QString target = followLinks(path);
    const QByteArray name = QFile::encodeName(target);
    struct stat existing {};
    const bool exists = ::stat(name.constData(), &existing) == 0;
    if (exists) {
        refuseOtherThanFile(path, existing);
        refuseWriteProtected(name, existing);
    }

    TemporaryFile temporary(temporaryTemplate(target));
    if (::fchmod(temporary.fd(), exists ? (existing.st_mode & 07777) : newFileMode()) != 0)
        throw ioError(errno);
    writeAll(temporary.fd(), bytes);
    temporary.syncAndClose();
    temporary.renameTo(name);
    syncFolder(QFileInfo(target).path());
}

void requireFileOrNothing(const QString& path) {
    struct stat existing {};
    if (::stat(QFile::encodeName(path).constData(), &existing) == 0) refuseOtherThanFile(path, existing);
}

void writeNewFile(const QString& path, const QByteArray& bytes) {
    const QByteArray name = QFile::encodeName(path);
    // The kernel applies the umask to the mode of a file it creates.
    FileDescriptor file(::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (file.get() < 0) throw ioError(errno);
    writeAll(file.get(), bytes);
    if (file.close() != 0) throw ioError(errno);
}

void overwriteFile(const QString& path, const QByteArray& bytes) {
    const QByteArray name = QFile::encodeName(path);
    // O_NONBLOCK: a pipe at the path must not hold the program up.
    FileDescriptor file(::open(name.constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink != 1) {
        file.close();
        std::error_code ignored; // what cannot go makes writeNewFile fail
        std::filesystem::remove_all(name.toStdString(), ignored);
        writeNewFile(path, bytes);
        return;
    }
    writeAll(file.get(), bytes);
    if (::ftruncate(file.get(), bytes.size()) != 0 || file.close() != 0) throw ioError(errno);
}

void syncFileSystem(const QString& folder) {
    FileDescriptor dir(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0 || ::syncfs(dir.get()) != 0) throw ioError(errno);
}

// A folder that cannot be synced at all (EINVAL) has nothing to flush.
void syncFolder(const QString& folder) {
    FileDescriptor dir(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0) throw ioError(errno);
    if (::fsync(dir.get()) != 0 && errno != EINVAL) throw ioError(errno);
}

} // namespace rzv
