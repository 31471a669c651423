#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QIODevice;

// The bytes of a pane as saved: UTF-8, every line followed by CR LF (a last
// line without a line break gets one, an empty text gives no bytes).
QByteArray paneFileBytes(const QString& paneText);

// The bytes of a pane saved as an HTML page: as paneFileBytes, led by a UTF-8
// byte-order mark when the text holds any non-ASCII character. The page
// declares no encoding, and browsers honour the mark before any guess; a
// pure-ASCII page gets no mark and stays as it always was.
QByteArray htmlFileBytes(const QString& paneText);

// Writes `bytes` aside and renames them over `path`, so a failure leaves any
// earlier file intact. On failure returns false and sets `error` to a message
// that names the file.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error);

// Writes one of the program's own fixed-name files (temp.html, temp.tmp) the
// same way, except that a symbolic link in its place is replaced by a file of
// our own and never written through: the link may point anywhere.
bool replaceFileAtomically(const QString& path, const QByteArray& bytes, QString* error);

// Writes all of `bytes` to `device`; false on any short or failed write.
bool writeAll(QIODevice& device, const QByteArray& bytes);

// A list or a wrapping pane lays out every character of a line it shows, and
// a long unbroken line takes it seconds; so lines of the shipped files (tips,
// wizard pages, tags.txt) are shortened for display beyond this.
inline constexpr qsizetype MaxShownLineLength = 500;

// The lines as shown: a longer line keeps its first MaxShownLineLength
// characters and ends in " … [line shortened: <n> characters]".
QStringList shortenedForDisplay(QStringList lines);

// The longest line a text control takes: beyond it every keystroke lags.
// The script editor refuses files with longer lines, a single-line field
// longer text.
inline constexpr qsizetype MaxLineLength = 256 * 1024;

// Files larger than this are refused by readTextFile (they cannot be edited
// comfortably in a text pane).
inline constexpr qint64 MaxReadableTextFile = 64 * 1024 * 1024;

// Reads a text file: a regular file only, a UTF-8 BOM stripped, UTF-8 decoded,
// Windows-1252 when the bytes are not valid UTF-8. Line ends are left as they
// are. On failure returns nothing and sets `error` ("Cannot open file <path>"
// or a message naming the file).
std::optional<QString> readTextFile(const QString& path, QString* error);

// Decodes file bytes as readTextFile does.
QString decodeText(const QByteArray& bytes);

// Splits text on CR LF, LF or a lone CR; a final line break ends the last
// line and adds no empty line.
QStringList splitLines(const QString& text);

// The reason of an errno value as a message continues it: "permission denied".
QString errnoReason(int error);

// "Cannot open file <path>" / "Cannot create file <path>".
QString cannotOpenMessage(const QString& path);
// Why a file cannot be opened for reading, in the system's words ("No such
// file or directory"); empty when nothing stands in the way.
QString openFailureReason(const QString& path);
QString cannotCreateMessage(const QString& path);
