#pragma once

#include "core/field_table.h"

#include <QStringList>
#include <functional>
#include <variant>

class QObject;
class QWidget;

// A tab's settings meet its controls here, row by row of its field table:
// each control is found in the tab by the row's objectName and read or set
// as its kind says.

// The control of a row: a widget, an action or a colour setting.
QObject* fieldControl(const QWidget* tab, const char* objectName);

// A number field's value: as it would commit (the last valid value), or as
// the user has typed it so far (the live preview).
enum class NumberText { Committed, Shown };

// One value as its control holds it, and the way back.
QString controlText(const QWidget* tab, const char* objectName, FieldKind kind,
                    const QStringList& controls, const QStringList& choices,
                    NumberText number = NumberText::Committed);
void setControlText(QWidget* tab, const char* objectName, FieldKind kind,
                    const QStringList& controls, const QStringList& choices, const QString& text);
bool controlFlag(const QWidget* tab, const char* objectName);
void setControlFlag(QWidget* tab, const char* objectName, const QStringList& offControls, bool on);
int controlIndex(const QWidget* tab, const char* objectName);
void setControlIndex(QWidget* tab, const char* objectName, int index);
QStringList controlLines(const QWidget* tab, const char* objectName);

// Calls `changed` whenever the user or the program changes the control.
void watchControl(const QWidget* tab, const char* objectName, const QStringList& controls,
                  QObject* receiver, const std::function<void()>& changed);

// Every row's value as the controls hold it now.
template <class S>
void readFields(const QWidget* tab, const FieldTable<S>& table, S& settings,
                NumberText number = NumberText::Committed) {
    for (const Field<S>& field : table) {
        if (const auto* text = std::get_if<QString S::*>(&field.member))
            settings.*(*text) = controlText(tab, field.objectName, field.kind, field.controls,
                                            field.choices, number);
        else if (const auto* flag = std::get_if<bool S::*>(&field.member))
            settings.*(*flag) = controlFlag(tab, field.objectName);
        else if (const auto* lines = std::get_if<QStringList S::*>(&field.member))
            settings.*(*lines) = controlLines(tab, field.objectName);
        else
            std::get<typename Field<S>::Index>(field.member)
                .set(settings, controlIndex(tab, field.objectName));
    }
}

// Shows every row's value; list boxes are left to the tab, which keeps its
// own rules for their selection.
template <class S> void showFields(QWidget* tab, const FieldTable<S>& table, const S& settings) {
    for (const Field<S>& field : table) {
        if (const auto* text = std::get_if<QString S::*>(&field.member))
            setControlText(tab, field.objectName, field.kind, field.controls, field.choices,
                           settings.*(*text));
        else if (const auto* flag = std::get_if<bool S::*>(&field.member))
            setControlFlag(tab, field.objectName, field.controls, settings.*(*flag));
        else if (const auto* index = std::get_if<typename Field<S>::Index>(&field.member))
            setControlIndex(tab, field.objectName, index->get(settings));
    }
}

template <class S>
void watchFields(const QWidget* tab, const FieldTable<S>& table, QObject* receiver,
                 const std::function<void()>& changed) {
    for (const Field<S>& field : table)
        watchControl(tab, field.objectName, field.controls, receiver, changed);
}
