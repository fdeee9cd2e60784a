#include "sheets/titlefile.h"

#include "platform/drivepath.h"
#include "platform/encoding.h"
#include "platform/failure.h"
#include "platform/fileio.h"
#include "platform/linelist.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sheets {
namespace {

[[noreturn]] void cannotRead(const QString &path, const QString &reason)
{
    throw plat::Failure(QStringLiteral("Impossible d'ouvrir le fichier « %1 ». %2").arg(path, reason));
}

// One descriptor, closed on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

int openReadOnly(const QString &host)
{
    // Non-blocking so that a pipe named in the catalogue cannot hold the
    // start-up; it is refused below as not a plain file.
    const QByteArray name = QFile::encodeName(host);
    int fd;
    do
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// Reads the next block; 0 at the end of the file.
qsizetype readBlock(int fd, QByteArray &block, const QString &path)
{
    constexpr qsizetype kBlock = 64 * 1024;
    block.resize(kBlock);
    ssize_t got;
    do
        got = ::read(fd, block.data(), size_t(kBlock));
    while (got < 0 && errno == EINTR);
    if (got < 0)
        cannotRead(path, plat::frenchReason(errno));
    block.resize(got);
    return got;
}

bool isAscii(QByteArrayView bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

QString readTitleLine(const QString &path, TitleRead mode)
{
    if (path.isEmpty())
        cannotRead(path, QStringLiteral("Nom de fichier vide."));
    // Catalogued paths are nearly always spelt as on disk: the exact name is
    // tried first, and the case-insensitive search only when it is missing.
    int fd = -1;
    if (plat::isDrivePath(path)) {
        fd = openReadOnly(plat::exactHostPath(path));
        if (fd < 0 && errno == ENOENT)
            fd = openReadOnly(plat::hostPath(path));
    } else {
        fd = openReadOnly(path);
    }
    if (fd < 0) {
        const int error = errno;
        if (mode == TitleRead::MakeWritable)
            plat::setAttributesNormal(path);
        cannotRead(path, error == ENOENT ? QStringLiteral("Le fichier n'existe pas.")
                                         : plat::frenchReason(error));
    }
    const Descriptor file(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        cannotRead(path, plat::frenchReason(errno));
    if (S_ISDIR(info.st_mode))
        cannotRead(path, QStringLiteral("C'est un dossier."));
    if (!S_ISREG(info.st_mode))
        cannotRead(path, QStringLiteral("Ce n'est pas un fichier ordinaire."));
    if (mode == TitleRead::MakeWritable && !(info.st_mode & S_IWUSR))
        ::fchmod(fd, (info.st_mode & 07777) | S_IWUSR);
    // A regular file that cannot block after all: reads wait for the disk.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);

    // The bytes up to the end of the title line (and the first of the rest).
    QByteArray head;
    QByteArray block;
    const bool wholeUnits = info.st_size % 2 == 0;
    qsizetype titleEnd = -1;
    qsizetype scanned = 0;
    bool utf16 = false;
    bool ended = false;
    while (titleEnd < 0 && !ended) {
        if (readBlock(fd, block, path) == 0) {
            ended = true;
            break;
        }
        head += block;
        if (scanned == 0 && head.size() >= 2)
            utf16 = wholeUnits && plat::isUtf16WithBom(head.first(2));
        if (utf16) {
            // Line ends and NUL in UTF-16 are whole 16-bit units.
            for (qsizetype i = std::max<qsizetype>(scanned, 2) & ~qsizetype(1); i + 1 < head.size(); i += 2) {
                const bool little = head.startsWith("\xFF\xFE");
                const char16_t u = little ? char16_t(uchar(head[i]) | (uchar(head[i + 1]) << 8))
                                          : char16_t((uchar(head[i]) << 8) | uchar(head[i + 1]));
                if (u == u'\r' || u == u'\n' || u == 0) {
                    titleEnd = i;
                    break;
                }
            }
        } else {
            for (qsizetype i = scanned; i < head.size(); ++i) {
                const char c = head[i];
                if (c == '\r' || c == '\n' || c == '\0') {
                    titleEnd = i;
                    break;
                }
            }
        }
        scanned = head.size();
    }
    if (titleEnd < 0)
        titleEnd = head.size();
    if (utf16)
        return plat::decodeText(head.first(titleEnd & ~qsizetype(1)));

    const QByteArrayView title = QByteArrayView(head).first(titleEnd);
    // Plain ASCII reads the same in both encodings: no need to read further.
    if (isAscii(title))
        return QString::fromLatin1(title);
    // Otherwise the encoding is that of the whole text up to its first NUL:
    // it is checked block by block, never held whole.
    plat::Utf8Checker checker;
    QByteArrayView rest = head;
    bool atNul = false;
    for (;;) {
        const qsizetype nul = rest.indexOf('\0');
        if (nul >= 0) {
            rest = rest.first(nul);
            atNul = true;
        }
        if (!checker.feed(rest) || atNul || ended)
            break;
        if (readBlock(fd, block, path) == 0)
            break;
        rest = block;
    }
    return checker.isUtf8WithNonAscii() ? QString::fromUtf8(title) : plat::fromWindows1252(title);
}

} // namespace sheets
