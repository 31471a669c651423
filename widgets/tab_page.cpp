#include "widgets/tab_page.h"

#include "widgets/colour_setting.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <utility>

void TabPage::build() {
    if (builtOnce)
        return;
    builtOnce = true;
    buildControls();
    emit built();
}

void TabPage::whenBuilt(QObject* receiver, const std::function<void()>& step) {
    if (builtOnce)
        step();
    else
        connect(this, &TabPage::built, receiver, step, Qt::SingleShotConnection);
}

void TabPage::setVisible(bool visible) {
    if (visible)
        build();
    QWidget::setVisible(visible);
}

QSize TabPage::sizeHint() const {
    return hintsHeld ? QSize() : QWidget::sizeHint();
}

QSize TabPage::minimumSizeHint() const {
    return hintsHeld ? QSize() : QWidget::minimumSizeHint();
}

void TabPage::holdSizeHints() {
    hintsHeld = true;
}

void TabPage::releaseSizeHints() {
    if (!hintsHeld)
        return;
    hintsHeld = false;
    updateGeometry();
}

TabPage::~TabPage() {
    // The controls go after this part of the page, some saying so as they go.
    for (const QMetaObject::Connection& connection : changeReports)
        disconnect(connection);
}

void TabPage::reportChanges() {
    if (std::exchange(reportingChanges, true))
        return;
    build();
    // Spin edits and editable lists report through the fields inside them.
    for (QWidget* control : findChildren<QWidget*>()) {
        if (auto* field = qobject_cast<QLineEdit*>(control))
            report(field, &QLineEdit::textChanged);
        else if (auto* pane = qobject_cast<QPlainTextEdit*>(control))
            report(pane, &QPlainTextEdit::textChanged);
        else if (auto* box = qobject_cast<QComboBox*>(control))
            report(box, &QComboBox::currentTextChanged);
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            report(button, &QAbstractButton::toggled);
        else if (auto* list = qobject_cast<QAbstractItemView*>(control); list && list->model()) {
            QAbstractItemModel* model = list->model();
            report(model, &QAbstractItemModel::rowsInserted);
            report(model, &QAbstractItemModel::rowsRemoved);
            report(model, &QAbstractItemModel::rowsMoved);
            report(model, &QAbstractItemModel::dataChanged);
            report(model, &QAbstractItemModel::layoutChanged);
            report(model, &QAbstractItemModel::modelReset);
        }
    }
    for (ColourSetting* colour : findChildren<ColourSetting*>())
        report(colour, &ColourSetting::changed);
}
