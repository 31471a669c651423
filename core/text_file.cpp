#include "core/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

QByteArray paneFileBytes(const QString& paneText) {
    if (paneText.isEmpty())
        return {};
    QString text = paneText;
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    if (!paneText.endsWith(QLatin1Char('\n')))
        text += QLatin1String("\r\n");
    return text.toUtf8();
}

QByteArray htmlFileBytes(const QString& paneText) {
    QByteArray bytes = paneFileBytes(paneText);
    const bool ascii = std::all_of(bytes.cbegin(), bytes.cend(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii)
        bytes.prepend("\xEF\xBB\xBF");
    return bytes;
}

bool writeAll(QIODevice& device, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = cannotCreateMessage(path);
        return false;
    }
    // QSaveFile::commit() does not notice a short write on this Qt, so every
    // byte and the flush are checked here.
    if (!writeAll(file, bytes) || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        file.commit();
        *error = QStringLiteral("Cannot write file %1: %2").arg(path, reason);
        return false;
    }
    if (!file.commit()) {
        *error = QStringLiteral("Cannot write file %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool replaceFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
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
        *error = QStringLiteral("Cannot write file %1: %2").arg(path, reason);
        return false;
    };
    if (!writeAll(aside, bytes) || !aside.flush())
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

QString decodeText(const QByteArray& bytes) {
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows1252("windows-1252");
    if (windows1252.isValid())
        return windows1252.decode(view);
    return QString::fromLatin1(view);
}

std::optional<QString> readTextFile(const QString& path, QString* error) {
    const QFileInfo info(path);
    // A FIFO or device would block or never end; only regular files are read.
    if (!info.isFile()) {
        *error = cannotOpenMessage(path);
        return std::nullopt;
    }
    if (info.size() > MaxReadableTextFile) {
        *error = QStringLiteral("The file %1 is too large to be opened (%2 MB; at most %3 MB).")
                     .arg(path)
                     .arg(info.size() / (1024 * 1024))
                     .arg(MaxReadableTextFile / (1024 * 1024));
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = cannotOpenMessage(path);
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("Cannot read file %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return decodeText(bytes);
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
                   QStringLiteral(" \u2026 [line shortened: %1 characters]").arg(line.size());
    }
    return lines;
}

QString errnoReason(int error) {
    QString reason = qt_error_string(error);
    if (!reason.isEmpty())
        reason[0] = reason[0].toLower();
    return reason;
}

QString cannotOpenMessage(const QString& path) {
    return QStringLiteral("Cannot open file %1").arg(path);
}

QString openFailureReason(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return qt_error_string(ENOENT);
    if (info.isDir())
        return qt_error_string(EISDIR);
    if (!info.isFile())
        return QStringLiteral("Not a regular file");
    if (!info.isReadable())
        return qt_error_string(EACCES);
    return {};
}

QString cannotCreateMessage(const QString& path) {
    return QStringLiteral("Cannot create file %1").arg(path);
}
