#include "core/text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr char Utf8Mark[] = "\xEF\xBB\xBF";
constexpr char Utf16LEMark[] = "\xFF\xFE";
constexpr char Utf16BEMark[] = "\xFE\xFF";

} // namespace

QString encodingName(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case TextEncoding::Utf8WithMark:
        return QCoreApplication::translate("Files", "UTF-8 with byte-order mark");
    case TextEncoding::Utf16LE:
        return QStringLiteral("UTF-16 LE");
    case TextEncoding::Utf16BE:
        return QStringLiteral("UTF-16 BE");
    case TextEncoding::Windows1252:
        return QStringLiteral("Windows-1252");
    }
    return {};
}

namespace {

// Every line ended by CR LF. QString::replace makes the text longer in steps
// of a thousand matches on this Qt, moving the rest each time, which takes
// seconds at tens of megabytes; here each line is copied once.
QString crLfLines(QStringView paneText) {
    QString text;
    text.reserve(paneText.size() + paneText.count(QLatin1Char('\n')) + 2);
    qsizetype start = 0;
    for (qsizetype end = 0; (end = paneText.indexOf(QLatin1Char('\n'), start)) >= 0;
         start = end + 1) {
        text += paneText.sliced(start, end - start);
        text += QLatin1String("\r\n");
    }
    if (start < paneText.size()) {
        text += paneText.sliced(start);
        text += QLatin1String("\r\n");
    }
    return text;
}

enum class MarkRule { Never, Always, IfNotAscii };

bool isAscii(const char* from, const char* to) {
    unsigned char all = 0;
    for (; from < to; ++from)
        all |= static_cast<unsigned char>(*from);
    return all < 0x80;
}

constexpr qsizetype PieceSize = 64 * 1024;
// Room for the bytes of one piece: three a unit at most, CR LF for a line feed.
constexpr qsizetype PieceBytes = 3 * PieceSize;

// The end of the piece of `text` that starts at `start`: a surrogate pair is
// never split, so the pieces encode as the whole text would at once.
qsizetype pieceEnd(QStringView text, qsizetype start) {
    qsizetype end = std::min(start + PieceSize, text.size());
    if (end < text.size() && text[end - 1].isHighSurrogate())
        --end;
    return end;
}

// Writes the UTF-8 of `piece` at `out`, each line feed as CR LF; returns the end.
char* utf8CrLfPiece(QStringView piece, char* out) {
    const QByteArray bytes = piece.toUtf8();
    for (const char *from = bytes.cbegin(), *lineFeed = nullptr; from < bytes.cend();
         from = lineFeed + 1) {
        lineFeed = static_cast<const char*>(std::memchr(from, '\n', bytes.cend() - from));
        const char* const to = lineFeed ? lineFeed : bytes.cend();
        out = std::copy(from, to, out);
        if (!lineFeed)
            break;
        *out++ = '\r';
        *out++ = '\n';
    }
    return out;
}

// crLfLines(paneText).toUtf8(), led by a byte-order mark as `mark` says, in
// one buffer: a save of tens of megabytes spends its time here. Each line
// feed becomes CR LF as the bytes of a piece are copied.
QByteArray utf8CrLfLines(QStringView paneText, MarkRule mark) {
    constexpr qsizetype MarkSize = sizeof(Utf8Mark) - 1;
    QByteArray bytes(MarkSize + paneText.size() * 4 + 2, Qt::Uninitialized);
    char* const first = bytes.data() + MarkSize;
    char* out = first;
    for (qsizetype start = 0, end = 0; start < paneText.size(); start = end) {
        end = pieceEnd(paneText, start);
        out = utf8CrLfPiece(paneText.sliced(start, end - start), out);
    }
    if (!paneText.endsWith(QLatin1Char('\n'))) {
        *out++ = '\r';
        *out++ = '\n';
    }
    bytes.truncate(out - bytes.data());
    if (mark == MarkRule::Always || (mark == MarkRule::IfNotAscii && !isAscii(first, out)))
        std::memcpy(bytes.data(), Utf8Mark, MarkSize);
    else
        bytes.remove(0, MarkSize);
    return bytes;
}

// Whether the UTF-8 of `text` has a byte above 127: a unit above 127 that is
// not an odd surrogate (those become '?').
bool utf8IsNotAscii(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (unit < 0x80)
            continue;
        if (!QChar::isSurrogate(unit))
            return true;
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            return true;
    }
    return false;
}

} // namespace

QByteArray paneFileBytes(const QString& paneText, TextEncoding encoding) {
    if (paneText.isEmpty())
        return {};
    switch (encoding) {
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: {
        const bool little = encoding == TextEncoding::Utf16LE;
        QStringEncoder encoder(little ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE);
        return QByteArray(little ? Utf16LEMark : Utf16BEMark) +
               QByteArray(encoder.encode(crLfLines(paneText)));
    }
    case TextEncoding::Utf8WithMark:
        return utf8CrLfLines(paneText, MarkRule::Always);
    case TextEncoding::Utf8:
    case TextEncoding::Windows1252:
        break;
    }
    return utf8CrLfLines(paneText, MarkRule::Never);
}

QByteArray htmlFileBytes(const QString& paneText, TextEncoding encoding) {
    if (encoding != TextEncoding::Utf8 && encoding != TextEncoding::Windows1252)
        return paneFileBytes(paneText, encoding);
    if (paneText.isEmpty())
        return {};
    return utf8CrLfLines(paneText, MarkRule::IfNotAscii);
}

namespace {

bool writeAll(QIODevice& device, const char* bytes, qint64 size) {
    qint64 done = 0;
    while (done < size) {
        const qint64 written = device.write(bytes + done, size - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace

bool writeAll(QIODevice& device, const QByteArray& bytes) {
    return writeAll(device, bytes.constData(), bytes.size());
}

namespace {

constexpr char16_t FirstEscape = 0xDC80;

bool holdsEscapedBytes(const QString& name) {
    return std::any_of(name.cbegin(), name.cend(), [](QChar c) {
        return c.unicode() >= FirstEscape && c.unicode() <= FirstEscape + 0x7F;
    });
}

// The toolkit's files cannot reach a name with odd bytes, so such a file is
// written beside its target with the system's calls and renamed over it.
bool writeNativeAside(const QString& path, const QByteArray& bytes, QString* error) {
    QByteArray target = nativeFileName(path);
    if (char resolved[PATH_MAX]; ::realpath(target.constData(), resolved))
        target = resolved; // a link the user made is written through
    const qsizetype slash = target.lastIndexOf('/');
    QByteArray aside = (slash < 0 ? QByteArray(".") : target.left(slash)) + "/.quillmint-XXXXXX";
    const int fd = ::mkstemp(aside.data());
    if (fd < 0) {
        *error = cannotCreateMessage(shownFileName(path));
        return false;
    }
    struct stat status = {};
    const mode_t mode = ::stat(target.constData(), &status) == 0 ? status.st_mode & 07777 : 0644;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            break;
        done += written;
    }
    const bool ok = done == bytes.size() && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    const int writeErrno = errno;
    ::close(fd);
    if (!ok || ::rename(aside.constData(), target.constData()) != 0) {
        const QString reason = errnoReason(ok ? errno : writeErrno);
        ::unlink(aside.constData());
        *error = QCoreApplication::translate("Files", "Cannot write file %1: %2")
                     .arg(shownFileName(path), reason);
        return false;
    }
    return true;
}

} // namespace

QString fileNameFromNative(const QByteArray& name) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(name);
    if (!utf8.hasError())
        return QFile::decodeName(name);
    // Byte by byte: every valid sequence decoded, every odd byte escaped.
    QString escaped;
    qsizetype i = 0;
    while (i < name.size()) {
        const auto lead = static_cast<unsigned char>(name[i]);
        const qsizetype length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        QStringDecoder one(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString character =
            one.decode(QByteArrayView(name).sliced(i, std::min(length, name.size() - i)));
        if (lead >= 0xC2 && lead <= 0xF4 && !one.hasError() && i + length <= name.size()) {
            escaped += character;
            i += length;
        } else if (lead < 0x80) {
            escaped += QLatin1Char(char(lead));
            ++i;
        } else {
            escaped += QChar(char16_t(FirstEscape + (lead - 0x80)));
            ++i;
        }
    }
    return escaped;
}

QByteArray nativeFileName(const QString& name) {
    if (!holdsEscapedBytes(name))
        return QFile::encodeName(name);
    QByteArray bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        const bool escape = i < name.size() && name[i].unicode() >= FirstEscape &&
                            name[i].unicode() <= FirstEscape + 0x7F;
        if (i < name.size() && !escape)
            continue;
        bytes += name.sliced(start, i - start).toUtf8();
        if (escape)
            bytes += char(0x80 + (name[i].unicode() - FirstEscape));
        start = i + 1;
    }
    return bytes;
}

QString shownFileName(QString name) {
    for (QChar& c : name)
        if (c.unicode() >= FirstEscape && c.unicode() <= FirstEscape + 0x7F)
            c = QChar::ReplacementCharacter;
    return name;
}

qint64 regularFileSize(const QString& name) {
    struct stat status = {};
    if (::stat(nativeFileName(name).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return -1;
    return status.st_size;
}

namespace {

// Writes through QSaveFile what `write` puts in the file: aside, then renamed
// over `path`.
bool saveFile(const QString& path, QString* error, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = cannotCreateMessage(path);
        return false;
    }
    // QSaveFile::commit() does not notice a short write on this Qt, so every
    // byte and the flush are checked here.
    if (!write(file) || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        file.commit();
        *error = QCoreApplication::translate("Files", "Cannot write file %1: %2").arg(path, reason);
        return false;
    }
    if (!file.commit()) {
        *error = QCoreApplication::translate("Files", "Cannot write file %1: %2")
                     .arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    if (holdsEscapedBytes(path))
        return writeNativeAside(path, bytes, error);
    return saveFile(path, error, [&bytes](QIODevice& file) { return writeAll(file, bytes); });
}

namespace {

// Writes the UTF-8 of `paneText` with CR LF lines, led by a byte-order mark
// when `mark`, one piece at a time: no buffer holds the whole file, and each
// piece is still in the cache when the system copies it.
bool writeUtf8Pane(QIODevice& file, QStringView paneText, bool mark) {
    if (mark && !writeAll(file, Utf8Mark, sizeof(Utf8Mark) - 1))
        return false;
    QByteArray piece(PieceBytes + 2, Qt::Uninitialized);
    for (qsizetype start = 0, end = 0; start < paneText.size(); start = end) {
        end = pieceEnd(paneText, start);
        char* out = utf8CrLfPiece(paneText.sliced(start, end - start), piece.data());
        if (end == paneText.size() && !paneText.endsWith(QLatin1Char('\n'))) {
            *out++ = '\r';
            *out++ = '\n';
        }
        if (!writeAll(file, piece.constData(), out - piece.constData()))
            return false;
    }
    return true;
}

// Writes what `write` puts in a file aside, then renames it over `path`
// itself, a link in its place included.
bool replaceFile(const QString& path, QString* error,
                 const std::function<bool(QIODevice&)>& write) {
    // QSaveFile follows a link to its target, so the file is written aside
    // here and renamed over the path itself, a link in its place included.
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink()) {
        *error = cannotCreateMessage(path);
        return false;
    }
    QTemporaryFile aside(
        info.dir().filePath(QLatin1Char('.') + info.fileName() + QLatin1String(".XXXXXX")));
    if (!aside.open()) {
        *error = cannotCreateMessage(path);
        return false;
    }
    const auto failed = [&](const QString& reason) {
        *error = QCoreApplication::translate("Files", "Cannot write file %1: %2").arg(path, reason);
        return false;
    };
    if (!write(aside) || !aside.flush())
        return failed(aside.errorString());
    if (info.isFile() && !info.isSymLink())
        aside.setPermissions(info.permissions());
    else
        aside.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                             QFile::ReadOther);
    if (::fsync(aside.handle()) != 0)
        return failed(errnoReason(errno));
    aside.close();
    if (std::rename(QFile::encodeName(aside.fileName()).constData(),
                    QFile::encodeName(path).constData()) != 0)
        return failed(errnoReason(errno));
    aside.setAutoRemove(false);
    return true;
}

} // namespace

bool writePaneFileAtomically(const QString& path, const QString& paneText, PaneFile kind,
                             TextEncoding encoding, QString* error) {
    const bool utf8 = encoding != TextEncoding::Utf16LE && encoding != TextEncoding::Utf16BE;
    if (!utf8 || paneText.isEmpty() || holdsEscapedBytes(path))
        return writeFileAtomically(path,
                                   kind == PaneFile::Html ? htmlFileBytes(paneText, encoding)
                                                          : paneFileBytes(paneText, encoding),
                                   error);
    const bool mark = encoding == TextEncoding::Utf8WithMark ||
                      (kind == PaneFile::Html && utf8IsNotAscii(paneText));
    return saveFile(path, error,
                    [&](QIODevice& file) { return writeUtf8Pane(file, paneText, mark); });
}

bool replaceFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    return replaceFile(path, error, [&bytes](QIODevice& file) { return writeAll(file, bytes); });
}

bool replacePaneFileAtomically(const QString& path, const QString& paneText, QString* error) {
    return replaceFile(path, error,
                       [&](QIODevice& file) { return writeUtf8Pane(file, paneText, false); });
}

QString decodeText(const QByteArray& bytes, TextEncoding* encoding) {
    TextEncoding found = TextEncoding::Utf8;
    const auto result = [&](QString text) {
        if (encoding)
            *encoding = found;
        return text;
    };
    QByteArrayView view(bytes);
    for (const auto& [mark, utf16] : {std::pair{Utf16LEMark, TextEncoding::Utf16LE},
                                      std::pair{Utf16BEMark, TextEncoding::Utf16BE}}) {
        if (view.startsWith(mark)) {
            found = utf16;
            QStringDecoder decoder(utf16 == TextEncoding::Utf16LE ? QStringDecoder::Utf16LE
                                                                  : QStringDecoder::Utf16BE,
                                   QStringDecoder::Flag::Stateless);
            return result(decoder.decode(view.sliced(2)));
        }
    }
    if (view.startsWith(Utf8Mark)) {
        found = TextEncoding::Utf8WithMark;
        view = view.sliced(3);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return result(text);
    found = TextEncoding::Windows1252;
    QStringDecoder windows1252("windows-1252");
    if (windows1252.isValid())
        return result(windows1252.decode(view));
    return result(QString::fromLatin1(view));
}

QString openProblem(const QString& path) {
    struct stat status = {};
    if (::stat(nativeFileName(path).constData(), &status) != 0)
        return qt_error_string(errno);
    if (S_ISDIR(status.st_mode))
        return qt_error_string(EISDIR);
    if (!S_ISREG(status.st_mode))
        return QCoreApplication::translate("Files", "Not a regular file");
    return {};
}

std::optional<QString> readTextFile(const QString& path, QString* error, TextEncoding* encoding) {
    // A FIFO or device would block or never end; only regular files are read.
    if (const QString problem = openProblem(path); !problem.isEmpty()) {
        *error = cannotOpenMessage(path, problem);
        return std::nullopt;
    }
    // Opened by the system's name, so that names the toolkit cannot hold open too.
    const int fd = ::open(nativeFileName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat status = {};
    if (fd < 0 || ::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        *error = cannotOpenMessage(
            path, fd < 0 ? qt_error_string(errno)
                         : QCoreApplication::translate("Files", "Not a regular file"));
        if (fd >= 0)
            ::close(fd);
        return std::nullopt;
    }
    QFile file;
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    if (status.st_size > MaxReadableTextFile) {
        *error = QCoreApplication::translate(
                     "Files", "The file %1 is too large to be opened (%2 MB; at most %3 MB).")
                     .arg(shownFileName(path))
                     .arg(qint64(status.st_size) / (1024 * 1024))
                     .arg(MaxReadableTextFile / (1024 * 1024));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = QCoreApplication::translate("Files", "Cannot read file %1: %2")
                     .arg(shownFileName(path), file.errorString());
        return std::nullopt;
    }
    return decodeText(bytes, encoding);
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

QStringList shortenedForDisplay(QStringList lines) {
    for (QString& line : lines) {
        if (line.size() > MaxShownLineLength)
            line = line.left(MaxShownLineLength) +
                   QCoreApplication::translate("Files", " \u2026 [line shortened: %1 characters]")
                       .arg(line.size());
    }
    return lines;
}

QString errnoReason(int error) {
    QString reason = qt_error_string(error);
    if (!reason.isEmpty())
        reason[0] = reason[0].toLower();
    return reason;
}

QString cannotOpenMessage(const QString& path, const QString& reason) {
    return QCoreApplication::translate("Files", "Cannot open file %1: %2")
        .arg(QFileInfo(path).absoluteFilePath(), reason);
}

QString cannotCreateMessage(const QString& path) {
    return QCoreApplication::translate("Files", "Cannot create file %1").arg(path);
}
