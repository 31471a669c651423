#include "widgets/modern_output.h"

#include "core/text_file.h"
#include "widgets/desktop.h"
#include "widgets/hint.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString Modern = QStringLiteral("modern");
const QString Classic = QStringLiteral("classic");

} // namespace

ModernOutput::ModernOutput(QString file, QObject* parent)
    : QObject(parent), choiceFile(std::move(file)), toggle(new QAction(this)) {
    toggle->setObjectName(QStringLiteral("ModernOutput"));
    toggle->setText(QStringLiteral("Modern HTML5 Output"));
    setHint(toggle, QStringLiteral("Modern HTML5 Output|Generate standards-mode HTML5 pages that "
                                   "work in today's browsers"));
    toggle->setCheckable(true);
    QString ignored;
    const std::optional<QString> stored =
        QFileInfo(choiceFile).isFile() ? readTextFile(choiceFile, &ignored) : std::nullopt;
    toggle->setChecked(stored && stored->trimmed() == Modern);
    connect(toggle, &QAction::toggled, this, [this](bool on) {
        store(on);
        emit switched(on);
    });
}

bool ModernOutput::isOn() const {
    return toggle->isChecked();
}

QString ModernOutput::defaultChoiceFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/quillmint/output.cfg");
}

void ModernOutput::store(bool on) {
    // The choice holds for this run even when it cannot be kept.
    QString error;
    if (!QDir().mkpath(QFileInfo(choiceFile).absolutePath()))
        error = cannotCreateMessage(choiceFile);
    else
        writeFileAtomically(choiceFile, paneFileBytes(on ? Modern : Classic), &error);
    if (!error.isEmpty())
        desktop().notice(NoticeKind::Error, error);
}
