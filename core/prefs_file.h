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

// Reads record 0; nothing when the file is missing, short or unreadable,
// with the runtime-style message in `error`.
std::optional<TPrefsRecord> readPrefs(const QString& path, QString* error);

// Stores a new ShowTips value in place: reads the record afresh, writes byte
// 83, then cuts the file to one record. The file is never emptied, even when
// a step fails. Returns false with the message in `error`.
bool storeShowTipsValue(const QString& path, quint8 value, QString* error);
