#include "widgets/tab_toolbar.h"

#include "widgets/edit_actions.h"
#include "widgets/tab_context.h"
#include "widgets/help_links.h"
#include "widgets/hint.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace TabToolBar {

QToolBar* create(const QString& objectName, QWidget* parent) {
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
        button->setIcon(QIcon::fromTheme(iconName));
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

void addEditButtons(QToolBar* bar, EditActions& actions) {
    bar->addSeparator();
    const struct {
        QAction* action;
        const char* icon;
    } edits[] = {{actions.EditCut1, "edit-cut"},
                 {actions.EditCopy1, "edit-copy"},
                 {actions.EditPaste1, "edit-paste"},
                 {actions.EditUndo1, "edit-undo"},
                 {actions.EditDelete1, "edit-delete"}};
    for (const auto& edit : edits) {
        auto* button = new QToolButton(bar);
        button->setDefaultAction(edit.action);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        const QIcon icon = QIcon::fromTheme(QLatin1String(edit.icon));
        if (icon.isNull())
            button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        else
            button->setIcon(icon);
        button->setText(edit.action->text().remove(QLatin1Char('&')));
        bar->addWidget(button);
    }
    bar->addSeparator();
}

QToolButton* addHelpButton(QToolBar* bar, const TabContext& context, const QString& buttonName,
                           const QString& helpName, const QString& aboutName, int toolNumber) {
    auto* menu = new QMenu(bar);
    QAction* help = menu->addAction(QStringLiteral("Help"));
    help->setObjectName(helpName);
    menu->addSeparator();
    QAction* about = menu->addAction(QStringLiteral("About"));
    about->setObjectName(aboutName);
    const QString directory = context.programDirectory;
    QObject::connect(help, &QAction::triggered, bar,
                     [directory, toolNumber] { openToolHelp(directory, toolNumber); });
    const auto showAbout = context.showAbout;
    QObject::connect(about, &QAction::triggered, bar, [showAbout] {
        if (showAbout)
            showAbout();
    });
    QToolButton* button = addButton(bar, buttonName, QStringLiteral("Help"), QStringLiteral("Help"),
                                    QStringLiteral("help-browser"));
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    return button;
}

} // namespace TabToolBar
