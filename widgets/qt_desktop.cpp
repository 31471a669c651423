#include "widgets/qt_desktop.h"

#include "core/plugin_library.h"
#include "widgets/print_engine.h"
#include "widgets/sound_player.h"

#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QWidget* dialogParent() {
    if (QWidget* active = QApplication::activeModalWidget())
        return active;
    return QApplication::activeWindow();
}

void configure(QFileDialog& dialog, const FileDialogSpec& request, const QString& current) {
    dialog.setObjectName(request.name);
    dialog.setWindowTitle(request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters(request.filters);
    if (request.selectedFilter >= 0 && request.selectedFilter < request.filters.size())
        dialog.selectNameFilter(request.filters.at(request.selectedFilter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!current.isEmpty())
        dialog.selectFile(current);
}

QString& printPluginOverride() {
    static QString path;
    return path;
}

// Loads the print plugin on first use and keeps it loaded; on failure returns
// nothing and says why in `notice`, and the next call tries again.
PrintText printFunction(QString* notice) {
    static PrintText print = nullptr;
    if (print)
        return print;
    QString reasons;
    print = reinterpret_cast<PrintText>(resolvePluginSymbol(
        pluginCandidates(QStringLiteral(QUILLMINT_PRINT_PLUGIN),
                         QStringLiteral(QUILLMINT_PRINT_PLUGIN_INSTALLED), printPluginOverride()),
        PrintTextSymbol, &reasons));
    if (!print)
        *notice =
            QCoreApplication::translate(
                "Desktop", "Printing is not available: the print library cannot be loaded (%1).")
                .arg(reasons);
    return print;
}

} // namespace

QtDesktop::QtDesktop() : sounds(std::make_unique<SoundPlayers>()) {}

QtDesktop::~QtDesktop() {
    delete lastFileDialog;
}

void QtDesktop::notice(NoticeKind kind, const QString& text) {
    const QMessageBox::Icon icon = kind == NoticeKind::Error     ? QMessageBox::Critical
                                   : kind == NoticeKind::Warning ? QMessageBox::Warning
                                                                 : QMessageBox::Information;
    QMessageBox box(icon, QStringLiteral("Quillmint"), text, QMessageBox::Ok, dialogParent());
    box.exec();
}

bool QtDesktop::confirm(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("Desktop", "Warning"), text,
                    QMessageBox::Ok | QMessageBox::Cancel, dialogParent());
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

SaveChoice QtDesktop::askToSave(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Quillmint"), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, dialogParent());
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

QFileDialog* QtDesktop::fileDialog(const FileDialogSpec& request, const QString& current) {
    delete lastFileDialog;
    lastFileDialog = new QFileDialog(dialogParent());
    configure(*lastFileDialog, request, current);
    return lastFileDialog;
}

QStringList QtDesktop::chosenFiles(QFileDialog* dialog) {
    const QPointer<QFileDialog> guard(dialog);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (!guard)
        return {};
    dialog->deleteLater();
    return accepted ? dialog->selectedFiles() : QStringList();
}

QString QtDesktop::saveFileName(const FileDialogSpec& request, const QString& current) {
    QFileDialog* dialog = fileDialog(request, current);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    return chosenFiles(dialog).value(0);
}

QStringList QtDesktop::openFileNames(const FileDialogSpec& request, const QString& current,
                                     bool multiple) {
    QFileDialog* dialog = fileDialog(request, current);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    return chosenFiles(dialog);
}

QColor QtDesktop::chooseColor(const QColor& start) {
    QColorDialog dialog(start, dialogParent());
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return start;
    return dialog.selectedColor();
}

void QtDesktop::openUrl(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

PrintOutcome QtDesktop::print(const QString& text) {
    PrintOutcome outcome;
    if (const PrintText print = printFunction(&outcome.error))
        print(text, dialogParent(), &outcome);
    return outcome;
}

void QtDesktop::setPrintPluginFile(const QString& path) {
    printPluginOverride() = path;
}

void QtDesktop::playWave(const QString& path) {
    if (const QString problem = sounds->playWave(path); !problem.isEmpty())
        notice(NoticeKind::Warning, problem);
}

void QtDesktop::playMidi(const QString& path) {
    if (const QString problem = sounds->playMidi(path); !problem.isEmpty())
        notice(NoticeKind::Warning, problem);
}
