#include "widgets/modern_output.h"

#include "widgets/hint.h"
#include "widgets/remembered_choice.h"

#include <QAction>

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
    toggle->setChecked(rememberedChoiceIs(choiceFile, Modern));
    connect(toggle, &QAction::toggled, this, [this](bool on) {
        rememberChoice(choiceFile, on ? Modern : Classic);
        emit switched(on);
    });
}

bool ModernOutput::isOn() const {
    return toggle->isChecked();
}

QString ModernOutput::defaultChoiceFile() {
    return choiceFileNamed(QStringLiteral("output.cfg"));
}
