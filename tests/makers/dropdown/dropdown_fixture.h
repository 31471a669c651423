#pragma once

#include "makers/dropdown/dropdown_controls.h"
#include "makers/dropdown/dropdown_fields.h"
#include "makers/dropdown/dropdown_tab.h"
#include "support/find_control.h"
#include "support/tab_fixture.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// A Dropdown tab in a temporary ProgramDirectory with scripted dialogs,
// driven through its controls' objectNames.
class DropdownFixture final : public TabFixture<DropdownTab> {
public:
    DropdownFixture() { tab.resize(610, 360); }

    // Types the two fields, picks the insert position and presses Add Item.
    void add(const QString& name, const QString& url,
             const char* position = dropdown::fields::InsertAtEnd) {
        findControl<QRadioButton>(tab, position)->setChecked(true);
        findControl<QLineEdit>(tab, dropdown::fields::ItemName)->setText(name);
        findControl<QLineEdit>(tab, dropdown::fields::ItemUrl)->setText(url);
        findControl<QPushButton>(tab, dropdown::controls::AddEntry)->click();
    }

    // The user selects the entry at `row`.
    void select(int row) {
        findControl<QListWidget>(tab, dropdown::fields::Entries)->setCurrentRow(row);
    }

    QStringList entries() {
        QStringList texts;
        auto* list = findControl<QListWidget>(tab, dropdown::fields::Entries);
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
    }
};
