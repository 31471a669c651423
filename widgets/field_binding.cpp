#include "widgets/field_binding.h"

#include "widgets/colour_setting.h"
#include "widgets/font_box.h"
#include "widgets/list_values.h"
#include "widgets/spin_edit.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QWidget>

namespace {

template <class T> T* control(const QWidget* tab, const char* objectName) {
    auto* found = qobject_cast<T*>(fieldControl(tab, objectName));
    Q_ASSERT_X(found, objectName, "a field's control is missing or of another kind");
    return found;
}

QString radioChoice(const QWidget* tab, const QStringList& controls, const QStringList& choices) {
    for (qsizetype i = 0; i < controls.size(); ++i)
        if (control<QAbstractButton>(tab, qPrintable(controls.at(i)))->isChecked())
            return choices.value(i);
    return {};
}

} // namespace

QObject* fieldControl(const QWidget* tab, const char* objectName) {
    return tab->findChild<QObject*>(QLatin1String(objectName));
}

QString controlText(const QWidget* tab, const char* objectName, FieldKind kind,
                    const QStringList& controls, const QStringList& choices, NumberText number) {
    switch (kind) {
    case FieldKind::Colour:
        return control<ColourSetting>(tab, objectName)->text();
    case FieldKind::Number:
        return number == NumberText::Committed ? control<SpinEdit>(tab, objectName)->committedText()
                                               : control<SpinEdit>(tab, objectName)->shownText();
    case FieldKind::Choice:
    case FieldKind::Editable:
        return choiceText(control<QComboBox>(tab, objectName));
    case FieldKind::Radio:
        return radioChoice(tab, controls, choices);
    default:
        break;
    }
    return control<QLineEdit>(tab, objectName)->text();
}

void setControlText(QWidget* tab, const char* objectName, FieldKind kind,
                    const QStringList& controls, const QStringList& choices, const QString& text) {
    switch (kind) {
    case FieldKind::Colour:
        control<ColourSetting>(tab, objectName)->setText(text);
        return;
    case FieldKind::Number:
        control<SpinEdit>(tab, objectName)->setValue(text.toInt());
        return;
    case FieldKind::Choice:
    case FieldKind::Editable:
        // A font list shows any family typed, listed or not.
        if (auto* fonts = qobject_cast<FontBox*>(fieldControl(tab, objectName)))
            fonts->setEditText(text);
        else
            selectText(control<QComboBox>(tab, objectName), text);
        return;
    case FieldKind::Radio:
        if (const qsizetype chosen = choices.indexOf(text); chosen >= 0)
            control<QAbstractButton>(tab, qPrintable(controls.at(chosen)))->setChecked(true);
        return;
    default:
        break;
    }
    control<QLineEdit>(tab, objectName)->setText(text);
}

bool controlFlag(const QWidget* tab, const char* objectName) {
    QObject* found = fieldControl(tab, objectName);
    if (auto* action = qobject_cast<QAction*>(found))
        return action->isChecked();
    return control<QAbstractButton>(tab, objectName)->isChecked();
}

void setControlFlag(QWidget* tab, const char* objectName, const QStringList& offControls, bool on) {
    // Of two exclusive choices, "off" is the other one being checked.
    const QString name =
        on || offControls.isEmpty() ? QLatin1String(objectName) : offControls.first();
    const bool checked = on || !offControls.isEmpty();
    QObject* found = fieldControl(tab, qPrintable(name));
    if (auto* action = qobject_cast<QAction*>(found))
        action->setChecked(checked);
    else
        control<QAbstractButton>(tab, qPrintable(name))->setChecked(checked);
}

int controlIndex(const QWidget* tab, const char* objectName) {
    return control<QComboBox>(tab, objectName)->currentIndex();
}

void setControlIndex(QWidget* tab, const char* objectName, int index) {
    control<QComboBox>(tab, objectName)->setCurrentIndex(index);
}

QStringList controlLines(const QWidget* tab, const char* objectName) {
    return listTexts(control<QListWidget>(tab, objectName));
}

void watchControl(const QWidget* tab, const char* objectName, const QStringList& controls,
                  QObject* receiver, const std::function<void()>& changed) {
    QList<QObject*> watched = {fieldControl(tab, objectName)};
    for (const QString& name : controls)
        watched.append(fieldControl(tab, qPrintable(name)));
    for (QObject* found : watched) {
        if (auto* colour = qobject_cast<ColourSetting*>(found))
            QObject::connect(colour, &ColourSetting::changed, receiver, changed);
        else if (auto* spin = qobject_cast<SpinEdit*>(found))
            QObject::connect(spin, &SpinEdit::textChanged, receiver, changed);
        else if (auto* combo = qobject_cast<QComboBox*>(found))
            QObject::connect(combo, &QComboBox::currentTextChanged, receiver, changed);
        else if (auto* field = qobject_cast<QLineEdit*>(found))
            QObject::connect(field, &QLineEdit::textChanged, receiver, changed);
        else if (auto* button = qobject_cast<QAbstractButton*>(found))
            QObject::connect(button, &QAbstractButton::toggled, receiver, changed);
        else if (auto* action = qobject_cast<QAction*>(found))
            QObject::connect(action, &QAction::toggled, receiver, changed);
        else if (auto* list = qobject_cast<QListWidget*>(found)) {
            const QAbstractItemModel* model = list->model();
            QObject::connect(model, &QAbstractItemModel::rowsInserted, receiver, changed);
            QObject::connect(model, &QAbstractItemModel::rowsRemoved, receiver, changed);
            QObject::connect(model, &QAbstractItemModel::modelReset, receiver, changed);
            QObject::connect(model, &QAbstractItemModel::dataChanged, receiver, changed);
            QObject::connect(model, &QAbstractItemModel::layoutChanged, receiver, changed);
        }
    }
}
