#pragma once

#include <QString>
#include <array>
#include <optional>

// The one record of prefs.cfg: 83 bytes that nothing interprets, then the
// ShowTips byte (1 = show the Startup Tip window at start-up).
struct TPrefsRecord {
    static constexpr qsizetype Size = 84;
    std::array<char, 83> reserved{};
    quint8 ShowTips = 1;
};

// Reads record 0, opening the file read-only; nothing when the file is
// missing, short, unreadable or not a regular file, with a message in
// `error` that names the file and the reason: "File not found: <path>",
// "Read beyond end of file: <path>", "Cannot read file <path>: <reason>".
std::optional<TPrefsRecord> readPrefs(const QString& path, QString* error);

// Stores a new ShowTips value in place: reads the record afresh, writes byte
// 83, then cuts the file to one record. The file is never emptied, even when
// a step fails. Through a symbolic link the target is rewritten atomically
// (the new record written beside it, then renamed over it); the link stays. Returns false with a
// message in `error` as for reading, or "Cannot write file <path>: <reason>".
bool storeShowTipsValue(const QString& path, quint8 value, QString* error);
