#include "cup/fileio.h"

#include "cup/errors.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
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

// The rename is kept on disk only once the folder that records it is synced. A folder that
// cannot be synced at all (EINVAL) has nothing to flush.
void syncFolder(const QString& target) {
    const QByteArray folder = QFile::encodeName(QFileInfo(target).path());
    FileDescriptor dir(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0) throw ioError(errno);
    if (::fsync(dir.get()) != 0 && errno != EINVAL) throw ioError(errno);
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

QByteArray readWholeFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    FileDescriptor file(::open(name.constData(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) throw ioError(errno);
    QByteArray bytes;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            throw ioError(errno);
        }
        if (got == 0) break;
        bytes.append(buffer, got);
    }
    return bytes;
}

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    const QString target = followLinks(path);
    const QByteArray name = QFile::encodeName(target);
    struct stat existing {};
    const bool exists = ::stat(name.constData(), &existing) == 0;
    if (exists) refuseWriteProtected(name, existing);

    TemporaryFile temporary(temporaryTemplate(target));
    if (::fchmod(temporary.fd(), exists ? (existing.st_mode & 07777) : newFileMode()) != 0)
        throw ioError(errno);
    writeAll(temporary.fd(), bytes);
    temporary.syncAndClose();
    temporary.renameTo(name);
    syncFolder(target);
}

} // namespace rzv
