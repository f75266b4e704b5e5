// Reading and writing whole files with the system's error numbers, so that a failure can be
// reported as "I/O-Fehler %d".
#include "cup/cupfile.h"
#include "cup/errors.h"

#include <QFile>

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

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
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
    const QByteArray name = QFile::encodeName(path);
    QByteArray temporary = name + ".tmp-XXXXXX";
    FileDescriptor file(::mkstemp(temporary.data()));
    if (file.get() < 0) throw ioError(errno);

    const auto fail = [&](int error) {
        ::unlink(temporary.constData());
        return ioError(error);
    };
    struct stat existing {};
    const mode_t mode = ::stat(name.constData(), &existing) == 0 ? (existing.st_mode & 07777) : newFileMode();
    if (::fchmod(file.get(), mode) != 0) throw fail(errno);

    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(file.get(), data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR) continue;
            throw fail(errno);
        }
        data += written;
        left -= written;
    }
    if (::fsync(file.get()) != 0) throw fail(errno);
    if (file.close() != 0) throw fail(errno);
    if (::rename(temporary.constData(), name.constData()) != 0) throw fail(errno);
}

} // namespace rzv
