#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The program's plugins (sound, preview) lie beside the executable in the
// portable layout, else in the installed library folder. Resolves `symbol`
// in the first of these that loads (only in `overridePath` when it is set,
// for tests) and keeps that library loaded for the rest of the run. On
// failure returns null and sets `reasons` to what went wrong at each place.
// Where a plugin is looked for, in that order.
QStringList pluginPlaces(const QString& overridePath, const QString& fileName,
                         const QString& installedPath);

QFunctionPointer resolvePluginSymbol(const QString& overridePath, const QString& fileName,
                                     const QString& installedPath, const char* symbol,
                                     QString* reasons);
