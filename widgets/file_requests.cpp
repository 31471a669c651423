#include "widgets/file_requests.h"

#include <QCoreApplication>

FileDialogSpec openFileRequest(const QString& name, const QString& title,
                               const QStringList& filters, int selectedFilter) {
    FileDialogSpec request;
    request.name = name;
    request.title = title;
    request.filters = filters;
    request.selectedFilter = selectedFilter;
    return request;
}

FileDialogSpec saveFileRequest(const QString& name, const QString& title, const QString& filter,
                               const QString& suffix) {
    FileDialogSpec request = openFileRequest(name, title, {filter});
    request.defaultSuffix = suffix;
    return request;
}

FileDialogSpec htmlSaveRequest(const QString& name, const QString& filter) {
    return saveFileRequest(name, QCoreApplication::translate("ToolTab", "Save as HTML"), filter,
                           QStringLiteral("html"));
}

FileDialogSpec textSaveRequest(const QString& name) {
    return saveFileRequest(name, QCoreApplication::translate("ToolTab", "Save as TeXT"),
                           QCoreApplication::translate("ToolTab", "Text Files (*.txt)"),
                           QStringLiteral("txt"));
}
