#pragma once

#include "makers/dropdown/dropdown_tab.h"
#include "support/fake_desktop.h"
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

    template <typename T> T* get(const char* name) {
        T* widget = tab.findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("the Dropdown tab has no %s", name);
        return widget;
    }

    // Types the two fields, picks the insert position and presses Add Item.
    void add(const QString& name, const QString& url, const char* position = "RadioButton3") {
        get<QRadioButton>(position)->setChecked(true);
        get<QLineEdit>("Edit3")->setText(name);
        get<QLineEdit>("Edit4")->setText(url);
        get<QPushButton>("button2")->click();
    }

    // The user selects the entry at `row`.
    void select(int row) { get<QListWidget>("ListBox1")->setCurrentRow(row); }

    QStringList entries() {
        QStringList texts;
        auto* list = get<QListWidget>("ListBox1");
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
    }

    ProgramFolder folder;
    FakeDesktop fake;
    EditActions actions;
    DropdownTab tab;
};
