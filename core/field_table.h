#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <utility>
#include <variant>
#include <vector>

// How a setting is shown, which decides how a tab reads and sets it and what
// a project file may hold for it.
enum class FieldKind {
    Text,     // a one-line field
    Path,     // a one-line field holding a file's path
    Flag,     // a check box or toggle; with `controls`, the control checked when off
    Number,   // a spin edit: a whole number from `minimum` to `maximum`
    Choice,   // a fixed list: one of `choices`
    Editable, // an editable list (font, size): any one-line text
    Colour,   // a colour setting: an HtmlColor, "#" and six upper-case hex digits
    Radio,    // one of `choices`, each shown by the radio button in `controls`
    List,     // a list box: one line per entry
    PathList, // a list box of file paths
};

// One setting of a tab: the role name code and tests call it by, the control
// that shows it, its key in a project file and where the tab's settings
// struct holds it. The struct's own initialisers are the defaults.
template <class Settings> struct Field {
    // A setting kept as a position in `choices` (an enum).
    struct Index {
        int (*get)(const Settings&);
        void (*set)(Settings&, int);
    };
    using Member =
        std::variant<QString Settings::*, bool Settings::*, QStringList Settings::*, Index>;

    Field(const char* roleName, const char* control, const char* jsonKey, FieldKind fieldKind,
          Member settingsMember, int lowest = 0, int highest = 0, QStringList choiceTexts = {},
          QStringList otherControls = {})
        : role(roleName), objectName(control), key(jsonKey), kind(fieldKind),
          member(settingsMember), minimum(lowest), maximum(highest),
          choices(std::move(choiceTexts)), controls(std::move(otherControls)) {}

    const char* role;
    const char* objectName;
    const char* key;
    FieldKind kind;
    Member member;
    int minimum;
    int maximum;
    QStringList choices;
    QStringList controls;
};

template <class Settings> using FieldTable = std::vector<Field<Settings>>;

// The numbers from `first` to `last` as texts, the choices of a width list.
QStringList numberTexts(int first, int last);

// A fixed list's choices as pages and project files name them, in English;
// the lists show them translated in the context "Choices".
inline constexpr const char* BorderStyleNames[] = {
    QT_TRANSLATE_NOOP("Choices", "Solid"),  QT_TRANSLATE_NOOP("Choices", "Double"),
    QT_TRANSLATE_NOOP("Choices", "Dotted"), QT_TRANSLATE_NOOP("Choices", "Dashed"),
    QT_TRANSLATE_NOOP("Choices", "Groove"), QT_TRANSLATE_NOOP("Choices", "Ridge"),
    QT_TRANSLATE_NOOP("Choices", "Inset"),  QT_TRANSLATE_NOOP("Choices", "Outset")};
QStringList borderStyles();
