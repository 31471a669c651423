#include "widgets/modern_output.h"

#include "core/text_file.h"
#include "widgets/desktop.h"
#include "widgets/hint.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString Modern = QStringLiteral("modern");
const QString Classic = QStringLiteral("classic");
const QString Separate = QStringLiteral("separate files");

} // namespace

ModernOutput::ModernOutput(QString file, QObject* parent)
    : QObject(parent), choiceFile(std::move(file)), toggle(new QAction(this)),
      separateToggle(new QAction(this)) {
    toggle->setObjectName(QStringLiteral("ModernOutput"));
    toggle->setText(QCoreApplication::translate("ModernOutput", "Modern HTML5 Output"));
    setHint(toggle,
            QCoreApplication::translate(
                "ModernOutput", "Modern HTML5 Output|Generate standards-mode HTML5 pages that "
                                "work in today's browsers"));
    toggle->setCheckable(true);
    separateToggle->setObjectName(QStringLiteral("SeparateFiles"));
    separateToggle->setText(
        QCoreApplication::translate("ModernOutput", "Separate CSS and JavaScript files"));
    setHint(separateToggle,
            QCoreApplication::translate(
                "ModernOutput",
                "Separate CSS and JavaScript files|Save As HTML and Publish also write "
                "the page's style and script as files of their own, for sites that "
                "allow no inline script or style"));
    separateToggle->setCheckable(true);
    QString ignored;
    const std::optional<QString> stored =
        QFileInfo(choiceFile).isFile() ? readTextFile(choiceFile, &ignored) : std::nullopt;
    const QStringList lines = stored ? stored->split(QLatin1Char('\n')) : QStringList();
    toggle->setChecked(!lines.isEmpty() && lines.first().trimmed() == Modern);
    separateToggle->setChecked(lines.size() > 1 && lines.at(1).trimmed() == Separate);
    separateToggle->setEnabled(toggle->isChecked());
    connect(toggle, &QAction::toggled, this, [this](bool on) {
        separateToggle->setEnabled(on);
        store();
        emit switched(on);
    });
    connect(separateToggle, &QAction::toggled, this, &ModernOutput::store);
}

bool ModernOutput::isOn() const {
    return toggle->isChecked();
}

bool ModernOutput::separateFiles() const {
    return isOn() && separateToggle->isChecked();
}

QString ModernOutput::defaultChoiceFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/quillmint/output.cfg");
}

void ModernOutput::store() {
    // The choice holds for this run even when it cannot be kept.
    QString text = toggle->isChecked() ? Modern : Classic;
    if (separateToggle->isChecked())
        text += QLatin1Char('\n') + Separate;
    QString error;
    if (!QDir().mkpath(QFileInfo(choiceFile).absolutePath()))
        error = cannotCreateMessage(choiceFile);
    else
        writeFileAtomically(choiceFile, paneFileBytes(text), &error);
    if (!error.isEmpty())
        desktop().notice(NoticeKind::Error, error);
}
