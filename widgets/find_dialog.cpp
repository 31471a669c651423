#include "widgets/find_dialog.h"

#include "widgets/form_grid.h"
#include "widgets/single_line_fields.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

namespace {

bool isWholeWord(const QString& text, qsizetype at, qsizetype length) {
    const qsizetype end = at + length;
    return (at == 0 || !text.at(at - 1).isLetterOrNumber()) &&
           (end == text.size() || !text.at(end).isLetterOrNumber());
}

bool findInPane(QPlainTextEdit* pane, const QString& what, const FindOptions& options) {
    QTextDocument::FindFlags flags;
    if (options.backward)
        flags |= QTextDocument::FindBackward;
    if (options.wholeWord)
        flags |= QTextDocument::FindWholeWords;
    if (options.matchCase)
        flags |= QTextDocument::FindCaseSensitively;
    const QTextCursor found = pane->document()->find(what, pane->textCursor(), flags);
    if (found.isNull())
        return false;
    pane->setTextCursor(found);
    return true;
}

bool findInLine(QLineEdit* line, const QString& what, const FindOptions& options) {
    const qsizetype start =
        line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
    const qsizetype end = line->hasSelectedText() ? line->selectionEnd() : start;
    const qsizetype at = findInText(line->text(), what, options.backward ? start : end, options);
    if (at < 0)
        return false;
    line->setSelection(int(at), int(what.size()));
    return true;
}

} // namespace

qsizetype findInText(const QString& text, const QString& what, qsizetype from,
                     const FindOptions& options) {
    if (what.isEmpty())
        return -1;
    const Qt::CaseSensitivity cs = options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (options.backward) {
        for (qsizetype at = from - 1; at >= 0; --at) {
            at = text.lastIndexOf(what, at, cs);
            if (at < 0)
                return -1;
            if (!options.wholeWord || isWholeWord(text, at, what.size()))
                return at;
        }
        return -1;
    }
    for (qsizetype at = std::max<qsizetype>(from, 0); at <= text.size(); ++at) {
        at = text.indexOf(what, at, cs);
        if (at < 0)
            return -1;
        if (!options.wholeWord || isWholeWord(text, at, what.size()))
            return at;
    }
    return -1;
}

FindDialog::FindDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("FindDialog");
    setWindowTitle(QCoreApplication::translate("FindDialog", "Find"));
    setModal(false);

    findWhat = new QLineEdit(this);
    findWhat->setObjectName("FindWhat");
    keepSingleLine(findWhat);
    auto* label = new QLabel(QCoreApplication::translate("FindDialog", "Fi&nd what:"), this);
    label->setBuddy(findWhat);
    wholeWord =
        new QCheckBox(QCoreApplication::translate("FindDialog", "Match &whole word only"), this);
    wholeWord->setObjectName("WholeWord");
    matchCase = new QCheckBox(QCoreApplication::translate("FindDialog", "Match &case"), this);
    matchCase->setObjectName("MatchCase");
    auto* direction = new QGroupBox(QCoreApplication::translate("FindDialog", "Direction"), this);
    directionUp = new QRadioButton(QCoreApplication::translate("FindDialog", "&Up"), direction);
    directionUp->setObjectName("DirectionUp");
    directionDown = new QRadioButton(QCoreApplication::translate("FindDialog", "&Down"), direction);
    directionDown->setObjectName("DirectionDown");
    directionDown->setChecked(true);
    auto* directionRow = new QHBoxLayout(direction);
    directionRow->addWidget(directionUp);
    directionRow->addWidget(directionDown);

    findNextButton = new QPushButton(QCoreApplication::translate("FindDialog", "&Find Next"), this);
    findNextButton->setObjectName("FindNext");
    findNextButton->setDefault(true);
    findNextButton->setEnabled(false);
    cancelButton = new QPushButton(QCoreApplication::translate("FindDialog", "Cancel"), this);
    cancelButton->setObjectName("CancelButton");

    FormGrid grid(new QGridLayout(this), this);
    grid.cells({label, GridCell(findWhat, 2), findNextButton});
    auto* checks = new QVBoxLayout;
    checks->addWidget(wholeWord);
    checks->addWidget(matchCase);
    checks->addStretch(1);
    grid.cells({GridCell(checks, 2), direction, GridCell(cancelButton, 1, Qt::AlignTop)});

    connect(findWhat, &QLineEdit::textChanged, this,
            [this](const QString& text) { findNextButton->setEnabled(!text.isEmpty()); });
    connect(findNextButton, &QPushButton::clicked, this, &FindDialog::findNext);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void FindDialog::startOn(QWidget* textControl) {
    target = textControl;
    // A short selection is what the user most likely wants to find.
    QString selected;
    if (auto* pane = qobject_cast<QPlainTextEdit*>(textControl))
        selected = pane->textCursor().selectedText();
    else if (QLineEdit* line = lineEditOf(textControl))
        selected = line->selectedText();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
        findWhat->setText(selected);
    findWhat->selectAll();
    show();
    raise();
    activateWindow();
    findWhat->setFocus();
}

FindOptions FindDialog::options() const {
    FindOptions chosen;
    chosen.wholeWord = wholeWord->isChecked();
    chosen.matchCase = matchCase->isChecked();
    chosen.backward = directionUp->isChecked();
    return chosen;
}

bool FindDialog::findNext() {
    const QString what = findWhat->text();
    if (what.isEmpty() || !target)
        return false;
    bool found = false;
    if (auto* pane = qobject_cast<QPlainTextEdit*>(target.data()))
        found = findInPane(pane, what, options());
    else if (QLineEdit* line = lineEditOf(target))
        found = findInLine(line, what, options());
    if (!found)
        emit notFound(
            QCoreApplication::translate("FindDialog", "Text not found: \"%1\"").arg(what));
    return found;
}
