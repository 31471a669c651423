#include "widgets/form_grid.h"

#include "widgets/colour_setting.h"
#include "widgets/control_factory.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

QHBoxLayout* lineOf(std::initializer_list<QWidget*> controls, int spacing, LineEnd end) {
    auto* line = new QHBoxLayout;
    line->setSpacing(spacing);
    for (QWidget* control : controls)
        line->addWidget(control);
    if (end == LineEnd::Stretch)
        line->addStretch();
    return line;
}

QLabel* captionFor(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

FormGrid::FormGrid(QGridLayout* grid, QWidget* parent) : grid(grid), parent(parent) {}

QLabel* FormGrid::caption(const QString& text, QWidget* buddy) {
    return captionFor(text, buddy, parent);
}

void FormGrid::row(const QString& text, std::initializer_list<QWidget*> controls) {
    row(text, lineOf(controls, 3), *controls.begin());
}

void FormGrid::row(const QString& text, QWidget* control) {
    row(caption(text, control), control);
}

void FormGrid::row(const QString& text, QLayout* line, QWidget* buddy) {
    if (text.isEmpty())
        cells({GridCell(static_cast<QWidget*>(nullptr)), line});
    else
        row(caption(text, buddy), line);
}

void FormGrid::row(QLabel* label, QWidget* control) {
    cells({label, control});
}

void FormGrid::row(QLabel* label, QLayout* line) {
    cells({label, line});
}

void FormGrid::span(QWidget* control) {
    cells({GridCell(control, 2)});
}

void FormGrid::span(QLayout* line) {
    cells({GridCell(line, 2)});
}

void FormGrid::cells(std::initializer_list<GridCell> cells) {
    int column = 0;
    for (const GridCell& cell : cells) {
        if (cell.widget)
            grid->addWidget(cell.widget, rows, column, 1, cell.span, cell.alignment);
        else if (cell.layout)
            grid->addLayout(cell.layout, rows, column, 1, cell.span);
        column += cell.span;
    }
    columns = qMax(columns, column);
    ++rows;
}

void FormGrid::setColourLook(const ColourLook& colourLook) {
    look = colourLook;
}

ColourSetting* FormGrid::colour(const QString& text, const ColourRow& row) {
    return colourLine(nullptr, text, row);
}

ColourSetting* FormGrid::colour(QLabel* label, const ColourRow& row) {
    return colourLine(label, {}, row);
}

ColourSetting* FormGrid::colourLine(QLabel* label, const QString& text, const ColourRow& row) {
    QPushButton* button = nullptr;
    QWidget* swatch = nullptr;
    QLabel* htmlColour = nullptr;
    const auto makeButtonPart = [&] {
        button = makeChooserButton(QLatin1String(row.button), QStringLiteral("..."), row.hint,
                                   parent, look.buttonWidth);
        button->setAccessibleName(row.spoken.isEmpty() ? row.hint : row.spoken);
        return button;
    };
    const auto makeSwatchPart = [&] {
        swatch = makeSwatch(QLatin1String(row.swatch), row.colour, parent);
        return swatch;
    };
    const auto makeLabelPart = [&] {
        htmlColour = makeLabel(row.label, QString(), parent);
        return htmlColour;
    };
    // Made in the order they are shown, so that Tab meets them so.
    QList<QWidget*> parts;
    switch (look.order) {
    case ColourLook::Order::ButtonSwatchLabel:
        parts = {makeButtonPart(), makeSwatchPart(), makeLabelPart()};
        break;
    case ColourLook::Order::ButtonLabelSwatch:
        parts = {makeButtonPart(), makeLabelPart(), makeSwatchPart()};
        break;
    case ColourLook::Order::SwatchButtonLabel:
        parts = {makeSwatchPart(), makeButtonPart(), makeLabelPart()};
        break;
    }
    if (!label)
        label = new QLabel(text, parent);
    auto* line = new QHBoxLayout;
    line->setSpacing(look.spacing);
    if (row.captionSpans)
        line->addWidget(label);
    for (QWidget* part : std::as_const(parts)) {
        if (part == swatch && look.beforeSwatch > 0)
            line->addSpacing(look.beforeSwatch);
        line->addWidget(part);
    }
    if (row.beside)
        line->addWidget(row.beside);
    line->addStretch();
    if (row.captionSpans)
        span(line);
    else
        this->row(label, line);
    return new ColourSetting(QLatin1String(row.dialog), button, htmlColour, swatch, row.colour,
                             parent);
}

void FormGrid::widenControls() {
    grid->setColumnStretch(1, 1);
}

void FormGrid::fillRight() {
    grid->setColumnStretch(columns, 1);
}

void FormGrid::fillDown() {
    grid->setRowStretch(rows, 1);
}
