#include "editor/editor_form.h"

#include "editor/editor_controls.h"
#include "editor/editor_page.h"
#include "widgets/code_pane.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

using namespace editor;

namespace {

const ToolBarRow ToolBar = {
    .bar = controls::ToolBar,
    .newButton = controls::NewButton,
    .saveButton = controls::SaveButton,
    .saveMenu = controls::SaveMenu,
    .saveAs = {{controls::SaveAsJs, QT_TRANSLATE_NOOP("ToolTab", "As JS"), "", FrameCommand::None,
                "text-x-script"},
               {controls::SaveAsHtml, QT_TRANSLATE_NOOP("ToolTab", "As HTML"), "",
                FrameCommand::SaveAsHtml}},
    .printButton = controls::PrintButton,
    .optionsButton = controls::OptionsButton,
    .optionsMenu = controls::OptionsMenu,
    .options = {{controls::StripHtml, QT_TRANSLATE_NOOP("ToolTab", "Strip HTML Tags"),
                 QT_TRANSLATE_NOOP("ToolTab", "Remove <script> And Comment Tags"),
                 FrameCommand::None, "edit-clear"}},
    .optionsOnPlainClick = true,
    .helpButton = controls::HelpButton,
    .helpEntry = controls::HelpEntry,
    .aboutEntry = controls::AboutEntry,
    .helpPage = 5,
    .helpMenu = controls::HelpMenu,
    .openButton = {controls::OpenButton, QT_TRANSLATE_NOOP("ToolTab", "Open"),
                   QT_TRANSLATE_NOOP("ToolTab", "Open")},
    .saveCaption = QT_TRANSLATE_NOOP("ToolTab", "Save"),
    .editButtonNames = {controls::CutButton, controls::CopyButton, controls::PasteButton,
                        controls::UndoButton, controls::DeleteButton},
    .toggles = {{controls::TagInspectorToggle, QT_TRANSLATE_NOOP("ToolTab", "Tags"),
                 QT_TRANSLATE_NOOP("ToolTab",
                                   "Toggle Tag Inspector (Ctrl+Shift+T goes to it)|Show or close "
                                   "the Tag Inspector; Ctrl+Shift+T moves the keyboard into it"),
                 FrameCommand::None, "insert-text", QT_TRANSLATE_NOOP("ToolTab", "Tag Inspector")},
                {controls::ReservedWordsToggle, QT_TRANSLATE_NOOP("ToolTab", "Words"),
                 QT_TRANSLATE_NOOP("ToolTab",
                                   "Toggle Predefined Words (Ctrl+Shift+W goes to them)|Show or "
                                   "close the Reserved Words; Ctrl+Shift+W moves the keyboard into "
                                   "the list"),
                 FrameCommand::None, "accessories-dictionary",
                 QT_TRANSLATE_NOOP("ToolTab", "Reserved Words")}},
    // Thirteen buttons share the width of the fixed window.
    .flush = true};

QPlainTextEdit* makeEditor(QWidget* parent) {
    auto* pane = new QPlainTextEdit(parent);
    pane->setObjectName(controls::Editor);
    // Tab indents here; Ctrl+Tab, or Esc then Tab, moves on (EditorTab).
    styleCodePane(pane, TabKey::Typed);
    showNavyText(pane);
    pane->setAccessibleName(QCoreApplication::translate("Editor", "Script editor"));
    const QString keys = QCoreApplication::translate(
        "Editor",
        "Tab indents. Ctrl+Tab, or Esc then Tab, moves the focus out of the editor "
        "(Ctrl+Shift+Tab, or Esc then Shift+Tab, moves back). Ctrl+Shift+T goes to the Tag "
        "Inspector, Ctrl+Shift+W to the Reserved Words.");
    pane->setAccessibleDescription(keys);
    pane->setWhatsThis(keys);
    pane->setToolTip(keys);
    pane->setPlainText(documentText(ScriptSkeleton));
    return pane;
}

} // namespace

void EditorForm::setupUi(QWidget* tab, const TabContext& context) {
    editorPane = makeEditor(tab);
    frame.buildToolBar(ToolBar, context, tab);
    saveAsJsAction = frame.saveAs.at(0);
    tagInspectorToggle = frame.toggles.at(0);
    wordsToggle = frame.toggles.at(1);
    stripAction = frame.options.at(0);

    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(frame.bar);
    layout->addWidget(editorPane, 1);
}
