#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QIODevice;

// The encodings a text file is read in. A file is saved back in the one it
// was read in, except Windows-1252, which is only a reading fallback: such
// text is saved as UTF-8.
enum class TextEncoding { Utf8, Utf8WithMark, Utf16LE, Utf16BE, Windows1252 };

// "UTF-8", "UTF-8 with byte-order mark", "UTF-16 LE", "UTF-16 BE", "Windows-1252".
QString encodingName(TextEncoding encoding);

// The bytes of a pane as saved: every line followed by CR LF (a last line
// without a line break gets one, an empty text gives no bytes), encoded in
// `encoding` and led by its byte-order mark, if it has one.
QByteArray paneFileBytes(const QString& paneText, TextEncoding encoding = TextEncoding::Utf8);

// The bytes of a pane saved as an HTML page: as paneFileBytes; in UTF-8 led
// by a byte-order mark when the text holds any non-ASCII character. The page
// declares no encoding, and browsers honour the mark before any guess; a
// pure-ASCII page gets no mark and stays as it always was.
QByteArray htmlFileBytes(const QString& paneText, TextEncoding encoding = TextEncoding::Utf8);

// Writes `bytes` aside and renames them over `path`, so a failure leaves any
// earlier file intact. On failure returns false and sets `error` to a message
// that names the file.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error);

// Writes the bytes paneFileBytes (or, for `PaneFile::Html`, htmlFileBytes)
// makes of `paneText` as writeFileAtomically does, made piece by piece as they
// are written, so that no buffer holds the whole file.
enum class PaneFile { Text, Html };
bool writePaneFileAtomically(const QString& path, const QString& paneText, PaneFile kind,
                             TextEncoding encoding, QString* error);

// Writes one of the program's own fixed-name files (temp.html, temp.tmp) the
// same way, except that a symbolic link in its place is replaced by a file of
// our own and never written through: the link may point anywhere.
bool replaceFileAtomically(const QString& path, const QByteArray& bytes, QString* error);
// The same for paneFileBytes(paneText), made piece by piece as it is written.
bool replacePaneFileAtomically(const QString& path, const QString& paneText, QString* error);

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

// Reads a text file: a regular file only, decoded as decodeText does. Line
// ends are left as they are. On failure returns nothing and sets `error`
// ("Cannot open file <absolute path>: <reason>" or a message naming the
// file); `encoding`, when given, receives the encoding the text was read in.
std::optional<QString> readTextFile(const QString& path, QString* error,
                                    TextEncoding* encoding = nullptr);

// Decodes file bytes: UTF-16 of either byte order after its byte-order mark,
// UTF-8 with or without its mark, else Windows-1252 (text that is not valid
// UTF-8). The mark is not part of the text.
QString decodeText(const QByteArray& bytes, TextEncoding* encoding = nullptr);

// Splits text on CR LF, LF or a lone CR; a final line break ends the last
// line and adds no empty line.
QStringList splitLines(const QString& text);

// The reason of an errno value as a message continues it: "permission denied".
QString errnoReason(int error);

// File names that are not valid UTF-8 (the toolkit turns their odd bytes
// into U+FFFD and can then no longer find the file) are held with each odd
// byte as one lone surrogate, U+DC80 + byte, and given back to the system
// byte for byte. readTextFile, writeFileAtomically and openProblem accept
// such names.
QString fileNameFromNative(const QByteArray& name);
QByteArray nativeFileName(const QString& name);
// The name as shown in messages: each odd byte as U+FFFD.
QString shownFileName(QString name);
// The size of a regular file, or -1 when `name` is none (missing, a folder,
// a FIFO ...).
qint64 regularFileSize(const QString& name);

// "Cannot open file <absolute path>: <reason>".
QString cannotOpenMessage(const QString& path, const QString& reason);
// Why `path` cannot be read as a regular file ("No such file or directory",
// "Is a directory", "Not a regular file", ...); empty when it can be opened.
QString openProblem(const QString& path);

// "Cannot create file <path>".
QString cannotCreateMessage(const QString& path);
