#pragma once

#include <QColor>
#include <QObject>

class QAbstractButton;
class QLabel;
class QWidget;

// One colour setting of a tab: the button that opens its own colour dialog,
// the label whose caption is the HtmlColor the pages insert, and a swatch.
class ColourSetting final : public QObject {
    Q_OBJECT
public:
    // `dialogName` is the name of the setting's colour dialog ("ColorDialog1").
    ColourSetting(const QString& dialogName, QAbstractButton* button, QLabel* label,
                  QWidget* swatch, const QColor& defaultColour, QObject* parent = nullptr);

    // The dialog opens on the setting's colour; OK applies the chosen colour
    // to swatch and label, Cancel leaves the setting as it was.
    void choose();
    // New: label and swatch back to the default.
    void restoreDefault();

    QString text() const;
    // A setting applied from elsewhere: the label shows `htmlColour` as given,
    // the swatch its colour; the dialog keeps its own.
    void setText(const QString& htmlColour);
    QColor swatchColour() const;

    // The parts, for a form's tab order and spoken names.
    QAbstractButton* button() const { return chooser; }
    QLabel* colourLabel() const { return label; }
    QWidget* swatchWidget() const { return swatch; }

signals:
    // The colour changed, by the dialog, New or a setting applied.
    void changed();

private:
    void apply(const QColor& colour);

    QAbstractButton* chooser;
    QLabel* label;
    QWidget* swatch;
    QColor defaultColour;
};

// A small framed square that shows a colour.
QWidget* makeSwatch(const QString& objectName, const QColor& colour, QWidget* parent);
