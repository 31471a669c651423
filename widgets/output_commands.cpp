#include "widgets/output_commands.h"

#include "core/separate_files.h"
#include "core/text_file.h"
#include "widgets/hint.h"
#include "widgets/modern_output.h"
#include "widgets/pane_text.h"
#include "widgets/tab_page.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTextDocument>

OutputCommands::OutputCommands(OutputSetup outputSetup, const QString& directory, QObject* parent)
    : QObject(parent), htmlDialog(outputSetup.htmlDialog), textDialog(outputSetup.textDialog),
      setup(std::move(outputSetup)), scratchFolder(directory), flag(setup.savedFlagStart) {
    if (auto* page = qobject_cast<TabPage*>(parent))
        connect(this, &OutputCommands::saved, page, &TabPage::fileSaved);
}

void OutputCommands::copyToClipboard() {
    if (setup.prepare)
        setup.prepare();
    setup.pane->selectAll();
    QApplication::clipboard()->setText(paneText(*setup.pane));
}

void OutputCommands::clearCode() {
    replacePaneText(*setup.pane, {});
}

bool OutputCommands::saveAsHtml() {
    return save(htmlDialog, true);
}

bool OutputCommands::saveAsText() {
    return save(textDialog, false);
}

bool OutputCommands::save(FileDialog& dialog, bool asHtml) {
    if (setup.prepare)
        setup.prepare();
    if (asHtml && !setup.htmlSaveWarning.isEmpty())
        desktop().notice(NoticeKind::Warning, setup.htmlSaveWarning);
    const QString path = dialog.askSave();
    if (path.isEmpty())
        return false;
    const bool separate = asHtml && setup.modernOutput && setup.modernOutput->separateFiles();
    if (separate
            ? !writeSeparatePage(paneText(*setup.pane), path)
            : !writePane(paneText(*setup.pane), path, asHtml ? FileKind::Html : FileKind::Text))
        return false;
    if (asHtml && setup.recordsHtmlSave)
        recordSaved(path);
    emit saved(path);
    return true;
}

QString OutputCommands::paneText(const QPlainTextEdit& pane) {
    QString text = pane.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

bool OutputCommands::writePane(const QString& paneText, const QString& path, FileKind kind) {
    const QByteArray bytes =
        kind == FileKind::Html ? htmlFileBytes(paneText) : paneFileBytes(paneText);
    QString error;
    if (writeFileAtomically(path, bytes, &error))
        return true;
    desktop().notice(NoticeKind::Error, error);
    return false;
}

bool OutputCommands::writeSeparatePage(const QString& paneText, const QString& path) {
    const QFileInfo page(path);
    const web::SeparatedPage separated = web::separateFiles(paneText, page.completeBaseName());
    QString error;
    for (const web::SeparateFile& file : separated.files)
        if (!writeFileAtomically(page.dir().filePath(file.name), htmlFileBytes(file.text), &error))
            break;
    if (error.isEmpty() && writeFileAtomically(path, htmlFileBytes(separated.html), &error))
        return true;
    desktop().notice(NoticeKind::Error, error);
    return false;
}

void OutputCommands::recordSaved(const QString& path) {
    flag = QStringLiteral("Yes");
    fileName = path;
}

void OutputCommands::preview() {
    if (setup.preview == OutputSetup::Preview::TemporaryFile) {
        // A fixed name in the scratch folder: never written through a link.
        const QString path = QDir(scratchFolder).filePath(QStringLiteral("temp.html"));
        QString error;
        if (replaceFileAtomically(path, htmlFileBytes(paneText(*setup.pane)), &error))
            desktop().openFile(path);
        else
            desktop().notice(NoticeKind::Error, error);
        return;
    }
    if (flag != QLatin1String("Yes")) {
        desktop().notice(NoticeKind::Information, setup.notSavedNotice);
        return;
    }
    desktop().openFile(fileName);
}

void OutputCommands::print() {
    if (setup.prepare)
        setup.prepare();
    const PrintOutcome outcome = desktop().print(paneText(*setup.pane));
    if (!outcome.error.isEmpty())
        desktop().notice(NoticeKind::Error, outcome.error);
    else if (!outcome.destination.isEmpty())
        showStatus(setup.pane, QStringLiteral("Printed to %1").arg(outcome.destination));
}
