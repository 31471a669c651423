#pragma once

#include "widgets/desktop.h"

#include <QMargins>
#include <QString>
#include <QStringList>
#include <span>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QFont;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class QWidget;

// The pieces every tab's form is made of, each with its objectName.

// What Tab does in a code pane: moves on to the next control, or is typed
// into the text (the script editor, which has its own way out).
enum class TabKey { MovesFocus, Typed };

// A pane that shows generated code: plain text in the fixed-pitch font at the
// window's size, no wrapping, both scroll bars, Tab moving the focus.
QPlainTextEdit* makeCodePane(const QString& objectName, QWidget* parent);
void styleCodePane(QPlainTextEdit* pane, TabKey tab = TabKey::MovesFocus);
// Navy text on white while the desktop's palette is light; under a dark one
// the pane takes the palette's own text and background, so both stay readable.
void showNavyText(QPlainTextEdit* pane);

// A push button with a "short|long" hint. A crowded layout may narrow it to
// its caption, below the style's usual width for dialog buttons.
QPushButton* makeButton(const QString& objectName, const QString& caption, const QString& hint,
                        QWidget* parent);
// The width `button` needs to show its caption and icon in the current font.
int captionWidth(const QPushButton* button);
// A small button for the "..." choosers: at least `width` pixels wide (24
// unless given) and wider when its caption needs it, one row high.
QPushButton* makeChooserButton(const QString& objectName, const QString& caption,
                               const QString& hint, QWidget* parent, int width = 24);
// A toggle whose letter shows the font style it stands for, one row high and
// square (22 pixels, more with a large font); a flat one shows its frame only
// under the mouse.
enum class ToggleFrame { Raised, Flat };
QToolButton* makeStyleToggle(const QString& objectName, const QString& letter, const QString& hint,
                             void (QFont::*style)(bool), ToggleFrame frame, QWidget* parent);

QCheckBox* makeCheckBox(const QString& objectName, const QString& caption, QWidget* parent);
QLabel* makeLabel(const QString& objectName, const QString& caption, QWidget* parent);
QLineEdit* makeLineEdit(const QString& objectName, QWidget* parent, const QString& text = {});
// A list of choices showing `current` (the first item when empty); an
// editable one never adds typed text to its items.
enum class Typing { Fixed, Editable };
// Gives `box` a field to type in, as setEditable(true) does, but leaves its
// drop-down list to be built when it first opens rather than now.
void makeEditable(QComboBox* box);
QComboBox* makeComboBox(const QString& objectName, const QStringList& items, const QString& current,
                        QWidget* parent, Typing typing = Typing::Fixed);
// A fixed list whose items show translated in `context` (mark them with
// QT_TRANSLATE_NOOP; unmarked ones show as written). Each item keeps its
// English text as its data, which settings, pages and project files read.
QComboBox* makeChoiceBox(const QString& objectName, const char* context,
                         std::span<const char* const> items, QWidget* parent);
// The choice a list holds, as pages and project files name it: a fixed
// list's item data (its English text), an editable list's text as typed.
QString choiceText(const QComboBox* box);
QGroupBox* makeGroupBox(const QString& objectName, const QString& title, QWidget* parent);
// Every tab's caption in full, with less room around each than the style
// gives: no scroll arrows, and the tab widget at least as wide as its tabs.
void showEveryTab(QTabWidget* tabs);

// Enabling rules: all of `controls` at once, or, from now on, exactly while
// `box` is checked (or unchecked).
void enableAll(std::initializer_list<QWidget*> controls, bool enabled);
enum class While { Checked, Unchecked };
void enableWith(QAbstractButton* box, std::initializer_list<QWidget*> controls,
                While state = While::Checked);

// Tab moves through `controls` in the order given.
void setTabChain(std::initializer_list<QWidget*> controls);

// The texts of a list's items, top to bottom.
QStringList listTexts(const QListWidget* list);
// Makes the item holding `text` (as choiceText reads it) current, none when
// no item holds it; an editable box shows `text` in its field either way.
void selectText(QComboBox* box, const QString& text);

// The numbers from `first` to `last` as list items.
QStringList numberList(int first, int last);

// A layout's margins and spacing; a grid takes the two spacings apart.
struct Density {
    QMargins margins;
    int horizontal;
    int vertical;
};
void applyDensity(QLayout* layout, const Density& density);
template <class Layout> Layout* compact(Layout* layout, const Density& density) {
    applyDensity(layout, density);
    return layout;
}

// File dialog requests: an open dialog, and the save dialogs of the tabs'
// Save As menus ("Save as HTML", "Save as TeXT").
FileDialogSpec openFileRequest(const QString& name, const QString& title,
                               const QStringList& filters, int selectedFilter = 0);
FileDialogSpec saveFileRequest(const QString& name, const QString& title, const QString& filter,
                               const QString& suffix);
FileDialogSpec htmlSaveRequest(const QString& name,
                               const QString& filter = QStringLiteral("HTML Files (*.html)"));
FileDialogSpec textSaveRequest(const QString& name);

// The line edit a text control types into: itself, or the one inside an
// editable combo box or a spin box; nothing for other widgets.
QLineEdit* lineEditOf(QWidget* control);
