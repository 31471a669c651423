#pragma once

#include <QString>
#include <QStringList>
#include <span>

class QCheckBox;
class QComboBox;
class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class QWidget;

// The controls every tab's form is made of, each with its objectName.

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
QGroupBox* makeGroupBox(const QString& objectName, const QString& title, QWidget* parent);
// Every tab's caption in full, with less room around each than the style
// gives: no scroll arrows, and the tab widget at least as wide as its tabs.
void showEveryTab(QTabWidget* tabs);
