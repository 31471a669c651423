#pragma once

#include <QComboBox>

// A drop-down list that a screen reader names as it names any other control:
// its accessible name, else its buddy label. Qt names a list on Linux by its
// current text, so a size list would be read out as "10" rather than as what
// it sets.
class SpokenList : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
};

// Lets the accessibility tree speak SpokenLists so; once per application.
void installSpokenListNames();

// Gives the text field inside each editable list under `root` its list's name.
void nameListFields(QWidget* root);
