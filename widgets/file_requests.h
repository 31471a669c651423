#pragma once

#include "widgets/desktop.h"

#include <QString>
#include <QStringList>

// File dialog requests: an open dialog, and the save dialogs of the tabs'
// Save As menus ("Save as HTML", "Save as TeXT").
FileDialogSpec openFileRequest(const QString& name, const QString& title,
                               const QStringList& filters, int selectedFilter = 0);
FileDialogSpec saveFileRequest(const QString& name, const QString& title, const QString& filter,
                               const QString& suffix);
FileDialogSpec htmlSaveRequest(const QString& name,
                               const QString& filter = QStringLiteral("HTML Files (*.html)"));
FileDialogSpec textSaveRequest(const QString& name);
