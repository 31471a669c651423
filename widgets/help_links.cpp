#include "widgets/help_links.h"

#include "widgets/desktop.h"

#include <QDir>

void openProgramFile(const QString& programDirectory, const QString& relativeName) {
    desktop().openFile(QDir(programDirectory).filePath(relativeName));
}

void openToolHelp(const QString& programDirectory, int toolNumber) {
    openProgramFile(programDirectory, QStringLiteral("help/con%1.html").arg(toolNumber));
}

void openWebSite() {
    desktop().openUrl(QUrl(QString::fromLatin1(MakerWebSiteAddress)));
}

void openSupportMail() {
    desktop().openUrl(QUrl(QStringLiteral("mailto:") + QString::fromLatin1(SupportMailAddress)));
}
