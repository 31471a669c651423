#include "widgets/tool_tab_frame.h"

#include "widgets/code_pane.h"
#include "widgets/control_factory.h"
#include "widgets/edit_actions.h"
#include "widgets/help_links.h"
#include "widgets/hint.h"
#include "widgets/icons.h"
#include "widgets/output_commands.h"
#include "widgets/tab_context.h"

#include <QAction>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <optional>

namespace {

QToolBar* makeToolBar(const QString& objectName, QWidget* parent) {
    auto* bar = new QToolBar(parent);
    bar->setObjectName(objectName);
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return bar;
}

QToolButton* addButton(QToolBar* bar, const QString& objectName, const QString& text,
                       const QString& hint, const QString& iconName) {
    auto* button = new QToolButton(bar);
    button->setObjectName(objectName);
    button->setText(text);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    if (!iconName.isEmpty())
        button->setIcon(themedIcon(iconName));
    if (button->icon().isNull())
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    setHint(button, hint);
    bar->addWidget(button);
    return button;
}

QToolButton* addMenuButton(QToolBar* bar, const QString& objectName, const QString& text,
                           const QString& hint, QMenu* menu, const QString& iconName) {
    QToolButton* button = addButton(bar, objectName, text, hint, iconName);
    button->setMenu(menu);
    button->setPopupMode(QToolButton::MenuButtonPopup);
    return button;
}

QList<QToolButton*> addEditButtons(QToolBar* bar, EditActions& actions) {
    QList<QToolButton*> buttons;
    bar->addSeparator();
    for (QAction* action :
         {actions.cut, actions.copy, actions.paste, actions.undo, actions.deleteSelection}) {
        auto* button = new QToolButton(bar);
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        if (action->icon().isNull())
            button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setText(action->text().remove(QLatin1Char('&')));
        bar->addWidget(button);
        buttons.append(button);
    }
    bar->addSeparator();
    return buttons;
}

QToolButton* addHelpButton(QToolBar* bar, const TabContext& context, const QString& buttonName,
                           const QString& helpName, const QString& aboutName, int toolNumber) {
    auto* menu = new QMenu(bar);
    QAction* help = menu->addAction(QCoreApplication::translate("ToolTab", "Help"));
    help->setObjectName(helpName);
    help->setIcon(themedIcon(QStringLiteral("help-browser")));
    menu->addSeparator();
    QAction* about = menu->addAction(QCoreApplication::translate("ToolTab", "About"));
    about->setObjectName(aboutName);
    about->setIcon(themedIcon(QStringLiteral("help-about")));
    const QString directory = context.folders.shippedData;
    QObject::connect(help, &QAction::triggered, bar,
                     [directory, toolNumber] { openToolHelp(directory, toolNumber); });
    const auto showAbout = context.showAbout;
    QObject::connect(about, &QAction::triggered, bar, [showAbout] {
        if (showAbout)
            showAbout();
    });
    QToolButton* button =
        addButton(bar, buttonName, QCoreApplication::translate("ToolTab", "Help"),
                  QCoreApplication::translate("ToolTab", "Help"), QStringLiteral("help-browser"));
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    return button;
}

QString text(const char* latin1) {
    return QLatin1String(latin1);
}

// A caption or hint of a row, in the interface's language; the rows mark
// theirs with QT_TRANSLATE_NOOP("ToolTab", ...).
QString shown(const char* caption) {
    return *caption ? QCoreApplication::translate("ToolTab", caption) : QString();
}

QString iconName(const FrameControl& control) {
    if (*control.icon)
        return text(control.icon);
    switch (control.command) {
    case FrameCommand::SaveAsHtml:
        return QStringLiteral("text-html");
    case FrameCommand::SaveAsText:
        return QStringLiteral("text-x-generic");
    case FrameCommand::Preview:
        return QStringLiteral("web-browser");
    case FrameCommand::Print:
        return QStringLiteral("document-print");
    case FrameCommand::Publish:
        return QStringLiteral("document-send");
    case FrameCommand::Copy:
    case FrameCommand::Clear:
    case FrameCommand::None:
        break;
    }
    return {};
}

const char* const TabCommandProperty = "quillmintTabCommand";
const char* const MenuEntryProperty = "quillmintMenuEntry";

// A check item that shows and flips a toggle button, for menus.
void mirrorToggle(QToolButton* button, const FrameControl& toggle) {
    auto* item =
        new QAction(shown(*toggle.menuCaption ? toggle.menuCaption : toggle.caption), button);
    item->setCheckable(true);
    item->setChecked(button->isChecked());
    item->setIcon(button->icon());
    setHint(item, shown(toggle.hint));
    QObject::connect(button, &QToolButton::toggled, item, &QAction::setChecked);
    // A click, so the button's own handler runs as for the mouse.
    QObject::connect(item, &QAction::triggered, button, &QToolButton::click);
    button->setProperty(MenuEntryProperty, QVariant::fromValue<QObject*>(item));
}

std::optional<TabCommand> tabCommandOf(FrameCommand command) {
    switch (command) {
    case FrameCommand::SaveAsHtml:
        return TabCommand::SaveAsHtml;
    case FrameCommand::Preview:
        return TabCommand::Preview;
    case FrameCommand::Print:
        return TabCommand::Print;
    case FrameCommand::Publish:
        return TabCommand::Publish;
    case FrameCommand::None:
    case FrameCommand::SaveAsText:
    case FrameCommand::Copy:
    case FrameCommand::Clear:
        break;
    }
    return std::nullopt;
}

// The face of a drop-down button runs the menu's entry.
void runOnPlainClick(QToolButton* face, QAction* entry) {
    QObject::connect(face, &QToolButton::clicked, entry, &QAction::trigger);
}

} // namespace

QList<QAction*> ToolTabFrame::addEntries(QMenu* menu, const QList<FrameControl>& entries) {
    QList<QAction*> actions;
    for (const FrameControl& entry : entries) {
        QAction* action = menu->addAction(shown(entry.caption));
        action->setObjectName(text(entry.name));
        if (const QString icon = iconName(entry); !icon.isEmpty())
            action->setIcon(themedIcon(icon));
        if (*entry.hint)
            setHint(action, shown(entry.hint));
        if (const auto command = tabCommandOf(entry.command))
            markTabCommand(action, *command);
        commands.append({action, entry.command});
        actions.append(action);
    }
    return actions;
}

void ToolTabFrame::buildToolBar(const ToolBarRow& row, const TabContext& context, QWidget* tab) {
    bar = makeToolBar(text(row.bar), tab);
    if (row.flush) {
        bar->layout()->setContentsMargins(0, 0, 0, 0);
        bar->layout()->setSpacing(0);
    }
    newButton =
        addButton(bar, text(row.newButton), QCoreApplication::translate("ToolTab", "New"),
                  QCoreApplication::translate("ToolTab", "New"), QStringLiteral("document-new"));
    markTabCommand(newButton, TabCommand::New);
    if (*row.openButton.name) {
        openButton = addButton(bar, text(row.openButton.name), shown(row.openButton.caption),
                               shown(row.openButton.hint), QStringLiteral("document-open"));
        markTabCommand(openButton, TabCommand::Open);
    }

    saveMenu = new QMenu(bar);
    saveMenu->setObjectName(text(row.saveMenu));
    saveAs =
        addEntries(saveMenu->addMenu(QCoreApplication::translate("ToolTab", "Save")), row.saveAs);
    afterSave = addEntries(saveMenu, row.afterSave);
    saveButton = addMenuButton(bar, text(row.saveButton), shown(row.saveCaption),
                               QCoreApplication::translate("ToolTab", "Save As"), saveMenu,
                               QStringLiteral("document-save-as"));
    if (row.saveOnPlainClick)
        runOnPlainClick(saveButton, saveAs.first());

    if (context.editActions)
        editButtons = addEditButtons(bar, *context.editActions);
    for (qsizetype i = 0; i < row.editButtonNames.size() && i < editButtons.size(); ++i)
        editButtons.at(i)->setObjectName(text(row.editButtonNames.at(i)));

    printButton = addButton(
        bar, text(row.printButton), QCoreApplication::translate("ToolTab", "Print"),
        QCoreApplication::translate("ToolTab", "Print"), QStringLiteral("document-print"));
    markTabCommand(printButton, TabCommand::Print);
    commands.append({printButton, FrameCommand::Print});

    // Toggles start pressed: what they show is shown with the tab.
    for (const FrameControl& toggle : row.toggles) {
        QToolButton* button = addButton(bar, text(toggle.name), shown(toggle.caption),
                                        shown(toggle.hint), iconName(toggle));
        button->setCheckable(true);
        button->setChecked(true);
        mirrorToggle(button, toggle);
        toggles.append(button);
    }

    optionsMenu = new QMenu(bar);
    optionsMenu->setObjectName(text(row.optionsMenu));
    options = addEntries(optionsMenu, row.options);
    if (context.modernOutput) {
        optionsMenu->addSeparator();
        optionsMenu->addAction(context.modernOutput->action());
        optionsMenu->addAction(context.modernOutput->separateFilesAction());
    }
    const QString optionsIcon =
        row.optionsOnPlainClick ? iconName(row.options.first()) : text(row.optionsIcon);
    optionsButton = addMenuButton(
        bar, text(row.optionsButton), QCoreApplication::translate("ToolTab", "Options"),
        QCoreApplication::translate("ToolTab", "Options"), optionsMenu, optionsIcon);
    if (row.optionsOnPlainClick)
        runOnPlainClick(optionsButton, options.first());
    if (context.livePreview) {
        optionsMenu->addSeparator();
        optionsMenu->addAction(context.livePreview);
        auto* preview = new QToolButton(bar);
        preview->setObjectName(QStringLiteral("Preview") + text(row.optionsButton));
        preview->setDefaultAction(context.livePreview);
        preview->setAutoRaise(true);
        preview->setFocusPolicy(Qt::NoFocus);
        bar->addWidget(preview);
    }

    helpButton = addHelpButton(bar, context, text(row.helpButton), text(row.helpEntry),
                               text(row.aboutEntry), row.helpPage);
    helpButton->menu()->setObjectName(text(row.helpMenu));
}

QList<QPushButton*> ToolTabFrame::makeCodeButtons(const CodeAreaRow& row, QWidget* parent) {
    QList<QPushButton*> buttons;
    for (const FrameControl& control : row.buttons) {
        QPushButton* button =
            makeButton(text(control.name), shown(control.caption), shown(control.hint), parent);
        if (row.buttonHeight > 0)
            button->setFixedHeight(row.buttonHeight);
        commands.append({button, control.command});
        buttons.append(button);
    }
    return buttons;
}

QWidget* ToolTabFrame::buildCodeArea(const CodeAreaRow& row, QWidget* parent) {
    auto* area = new QWidget(parent);
    auto* layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    addCodeArea(row, layout, area);
    return area;
}

void ToolTabFrame::addCodeArea(const CodeAreaRow& row, QBoxLayout* layout, QWidget* parent,
                               QWidget* ownPane, int paneStretch) {
    if (!ownPane) {
        ownPane = pane = makeCodePane(text(row.pane), parent);
        pane->setAccessibleName(QCoreApplication::translate("ToolTab", "Generated code"));
    }
    codeButtons = makeCodeButtons(row, parent);
    layout->addWidget(ownPane, paneStretch);
    QBoxLayout* buttons = nullptr;
    if (row.placement == CodeAreaRow::Buttons::Beside)
        buttons = new QVBoxLayout;
    else
        buttons = new QHBoxLayout;
    buttons->setSpacing(row.buttonSpacing);
    for (QPushButton* button : codeButtons)
        buttons->addWidget(button);
    if (row.placement == CodeAreaRow::Buttons::Beside)
        buttons->addStretch();
    layout->addLayout(buttons);
}

void ToolTabFrame::connectTo(OutputCommands* output) const {
    for (const auto& [control, command] : commands) {
        std::function<void()> run;
        switch (command) {
        case FrameCommand::None:
        case FrameCommand::Publish:
            continue;
        case FrameCommand::SaveAsHtml:
            run = [output] { output->saveAsHtml(); };
            break;
        case FrameCommand::SaveAsText:
            run = [output] { output->saveAsText(); };
            break;
        case FrameCommand::Preview:
            run = [output] { output->preview(); };
            break;
        case FrameCommand::Print:
            run = [output] { output->print(); };
            break;
        case FrameCommand::Copy:
            run = [output] { output->copyToClipboard(); };
            break;
        case FrameCommand::Clear:
            run = [output] { output->clearCode(); };
            break;
        }
        if (auto* action = qobject_cast<QAction*>(control))
            QObject::connect(action, &QAction::triggered, output, run);
        else
            QObject::connect(static_cast<QAbstractButton*>(control), &QAbstractButton::clicked,
                             output, run);
    }
}

void markTabCommand(QObject* control, TabCommand command) {
    control->setProperty(TabCommandProperty, static_cast<int>(command));
}

QObject* tabCommandControl(const QWidget* tab, TabCommand command) {
    for (QObject* control : tab->findChildren<QObject*>()) {
        const QVariant mark = control->property(TabCommandProperty);
        if (mark.isValid() && mark.toInt() == static_cast<int>(command))
            return control;
    }
    return nullptr;
}

QList<QAction*> toolBarMenuEntries(const QWidget* tab) {
    QList<QAction*> entries;
    const auto* bar = tab->findChild<QToolBar*>(QString(), Qt::FindDirectChildrenOnly);
    if (!bar)
        return entries;
    bool afterToggle = false;
    for (QAction* place : bar->actions()) {
        const auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(place));
        if (!button || button->popupMode() == QToolButton::InstantPopup)
            continue;
        auto* toggle =
            qobject_cast<QAction*>(button->property(MenuEntryProperty).value<QObject*>());
        const QList<QAction*> group = button->menu() ? button->menu()->actions()
                                      : toggle       ? QList<QAction*>{toggle}
                                                     : QList<QAction*>{};
        if (group.isEmpty())
            continue;
        // Toggles side by side make one group.
        if (!entries.isEmpty() && !(toggle && afterToggle))
            entries.append(nullptr);
        entries.append(group);
        afterToggle = toggle != nullptr;
    }
    return entries;
}

void runTabCommand(QObject* control) {
    if (auto* action = qobject_cast<QAction*>(control))
        action->trigger();
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->click();
}
