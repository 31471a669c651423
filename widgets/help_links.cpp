#include "widgets/help_links.h"

#include "widgets/desktop.h"

#include <QDir>

void openProgramFile(const QString& shippedData, const QString& relativeName) {
    desktop().openFile(QDir(shippedData).filePath(relativeName));
}

void openToolHelp(const QString& shippedData, int toolNumber) {
    openProgramFile(shippedData, QStringLiteral("help/con%1.html").arg(toolNumber));
}
