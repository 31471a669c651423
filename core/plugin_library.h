#pragma once

#include <QString>
#include <QStringList>

// The program keeps its heavy libraries (sound, printing, image encoding) in
// plugins of its own, loaded on first use so that start-up loads none of
// them. A plugin lies beside the executable in the portable layout, else in
// the installed library folder.

// Where the plugin `fileName` may lie: `override` alone when it is set, else
// beside the executable, then at `installedFromBin` (relative to the
// executable's folder).
QStringList pluginCandidates(const QString& fileName, const QString& installedFromBin,
                             const QString& override);

// Loads the first of `candidates` that exists and resolves `symbol` in it;
// the library stays loaded. On failure returns nothing and sets `reasons` to
// why each candidate failed.
QFunctionPointer resolvePluginSymbol(const QStringList& candidates, const char* symbol,
                                     QString* reasons);
