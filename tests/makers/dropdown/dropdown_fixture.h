#pragma once

#include "makers/dropdown/dropdown_tab.h"
#include "support/fake_desktop.h"
#include "support/find_control.h"
#include "support/test_files.h"
#include "widgets/edit_actions.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// A Dropdown tab in a temporary ProgramDirectory with scripted dialogs,
// driven through its controls' objectNames.
class DropdownFixture final {
public:
    DropdownFixture()
        : actions(nullptr), tab(TabContext{ProgramFolders::portable(folder.path()), &actions, {}}) {
        tab.resize(610, 360);
    }

    // Types the two fields, picks the insert position and presses Add Item.
    void add(const QString& name, const QString& url, const char* position = "RadioButton3") {
        findControl<QRadioButton>(tab, position)->setChecked(true);
        findControl<QLineEdit>(tab, "Edit3")->setText(name);
        findControl<QLineEdit>(tab, "Edit4")->setText(url);
        findControl<QPushButton>(tab, "button2")->click();
    }

    // The user selects the entry at `row`.
    void select(int row) { findControl<QListWidget>(tab, "ListBox1")->setCurrentRow(row); }

    QStringList entries() {
        QStringList texts;
        auto* list = findControl<QListWidget>(tab, "ListBox1");
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
    }

    ProgramFolder folder;
    FakeDesktop fake;
    EditActions actions;
    DropdownTab tab;
};
