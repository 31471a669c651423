#pragma once

#include <QString>

// Where the program's own files live. The shipped data (help/, tips/,
// wizard/, tags.txt, readme.txt and the default prefs.cfg) is only read; the
// user state (prefs.cfg, temp.html, temp.tmp) is written.
//
// Portable: the shipped data lies beside the executable in a folder the user
// may write, and every file is in that folder. Installed: the shipped data is
// read from <prefix>/share/quillmint (or from beside a read-only executable),
// prefs.cfg lives in the user's config folder and the preview and scratch
// files in the user's cache folder.
//
// An executable in a folder named "bin" is installed unless PortableMarker
// lies beside it (the build puts it there, an install never does); in any
// other folder the data is beside it.

inline constexpr char PortableMarker[] = "portable.txt";

struct ProgramFolders {
    QString shippedData;
    QString userConfig; // prefs.cfg
    QString userCache;  // temp.html, temp.tmp

    // Everything in one folder.
    static ProgramFolders portable(const QString& folder);
    // The layout for an executable in `executableFolder`.
    static ProgramFolders forExecutable(const QString& executableFolder);

    bool isPortable() const { return userConfig == shippedData && userCache == shippedData; }

    // Where the user starts looking for files: the program's own folder
    // when it is portable, as it always was, else the user's documents (or
    // home) folder.
    QString startFolder() const;

    QString shippedFile(const QString& relativeName) const;
    QString prefsPath() const;
    QString cacheFile(const QString& name) const;
};

// Installed layout: makes the user's folders and, on the first start, copies
// the shipped prefs.cfg into the config folder. When that is impossible the
// settings are read from the shipped default instead (`folders` is changed)
// and the returned notice names the folder and the reason; empty when all is
// well, and always in the portable layout.
QString prepareUserState(ProgramFolders& folders);
