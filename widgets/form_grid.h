#pragma once

#include <QColor>
#include <QString>
#include <Qt>
#include <initializer_list>

class ColourSetting;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLayout;
class QWidget;

// A line of controls in reading order, `spacing` apart; a line that ends in
// a stretch keeps its controls to their own width.
enum class LineEnd { Stretch, Fill };
QHBoxLayout* lineOf(std::initializer_list<QWidget*> controls, int spacing,
                    LineEnd end = LineEnd::Stretch);

// A caption that names `buddy` for screen readers (and gives it the focus on
// its mnemonic).
QLabel* captionFor(const QString& text, QWidget* buddy, QWidget* parent);

// How a form lays out its colour rows: the order of the colour button, its
// HtmlColor label and the swatch, the button's width and the room between.
struct ColourLook {
    enum class Order { ButtonSwatchLabel, ButtonLabelSwatch, SwatchButtonLabel };
    Order order = Order::ButtonSwatchLabel;
    int buttonWidth = 24;
    int spacing = 4;
    int beforeSwatch = 0; // more room before the swatch than between the others
};

// One colour setting: the names of its dialog, button, swatch and label,
// the button's "short|long" hint and spoken name, the colour it starts with.
struct ColourRow {
    const char* dialog;
    const char* button;
    const char* swatch;
    const char* label;
    QString hint = {};
    QString spoken = {};
    QColor colour = Qt::white;
    // A warning shown after the label, e.g. of poor contrast.
    QWidget* beside = nullptr;
    // A long caption runs across both columns in the line itself, so that it
    // does not widen the caption column of the whole form.
    bool captionSpans = false;
};

// One cell of a row laid out column by column.
struct GridCell {
    GridCell(QWidget* widget, int span = 1, Qt::Alignment alignment = {})
        : widget(widget), span(span), alignment(alignment) {}
    GridCell(QLayout* layout, int span = 1) : layout(layout), span(span) {}
    QWidget* widget = nullptr;
    QLayout* layout = nullptr;
    int span = 1;
    Qt::Alignment alignment;
};

// Lays a form out on a grid as rows in reading order, each appended below the
// last: a caption in the first column naming its control for screen readers,
// the control in the second. Nothing outside numbers a row or a column.
class FormGrid final {
public:
    // Captions and the parts of colour rows are made as children of `parent`.
    FormGrid(QGridLayout* grid, QWidget* parent);

    // A caption naming the first of `controls`, and the controls in a line
    // kept to their own width.
    void row(const QString& caption, std::initializer_list<QWidget*> controls);
    // A caption naming `control`, which takes the whole second column.
    void row(const QString& caption, QWidget* control);
    // A caption naming `buddy` (none when null) beside a line of the form's
    // own; without a caption the first column stays empty.
    void row(const QString& caption, QLayout* line, QWidget* buddy = nullptr);
    // A caption the form made itself, named and reached by the tab.
    void row(QLabel* caption, QWidget* control);
    void row(QLabel* caption, QLayout* line);
    // Across both columns.
    void span(QWidget* control);
    void span(QLayout* line);
    // A row of cells left to right, each spanning its columns.
    void cells(std::initializer_list<GridCell> cells);

    // A colour setting's whole row: caption, button, swatch and HtmlColor
    // label laid out as `look` says, and the setting that ties them.
    void setColourLook(const ColourLook& look);
    ColourSetting* colour(const QString& caption, const ColourRow& row);
    ColourSetting* colour(QLabel* caption, const ColourRow& row);

    // The controls' column takes the width to spare.
    void widenControls();
    // The column right of every cell takes the width to spare, pushing the
    // cells to the left.
    void fillRight();
    // The row below the last takes the height to spare, keeping the rows at the top.
    void fillDown();

private:
    QLabel* caption(const QString& text, QWidget* buddy);
    ColourSetting* colourLine(QLabel* caption, const QString& text, const ColourRow& row);

    QGridLayout* grid;
    QWidget* parent;
    ColourLook look;
    int rows = 0;
    int columns = 0;
};
