#include "makers/dropdown/dropdown_fields.h"

namespace dropdown::fields {

const FieldTable<DropdownSettings>& table() {
    using S = DropdownSettings;
    using K = FieldKind;
    static const FieldTable<S> fields = {
        {"Background", Background, "menuBackground", K::Colour, &S::background},
        {"ItemColour", ItemColour, "itemColour", K::Colour, &S::itemColour},
        {"Font", Font, "font", K::Editable, &S::font},
        {"FontSize", FontSize, "fontSize", K::Editable, &S::size},
        {"Bold", Bold, "bold", K::Flag, &S::bold},
        {"Italic", Italic, "italic", K::Flag, &S::italic},
        {"Underline", Underline, "underline", K::Flag, &S::underline},
        {"GoText", GoText, "goButtonText", K::Text, &S::goText},
        {"BorderStyle", BorderStyle, "borderStyle", K::Choice, &S::border, 0, 0, borderStyles()},
        {"BorderWidth", BorderWidth, "borderWidth", K::Choice, &S::borderWidth, 0, 0,
         numberTexts(1, 25)},
        {"InvertButton", InvertButton, "invertButtonColours", K::Flag, &S::invertButton},
        {"WholePage",
         WholePage,
         "wholePage",
         K::Flag,
         &S::fullPage,
         0,
         0,
         {},
         {QLatin1String(RelevantCodeOnly)}},
        {"Entries", Entries, "entries", K::List, &S::entries},
        {"ItemName", ItemName, "newItemName", K::Text, &S::pendingName},
        {"ItemUrl", ItemUrl, "newItemUrl", K::Text, &S::pendingUrl},
        {"InsertAt",
         InsertAtStart,
         "insertAt",
         K::Radio,
         &S::insertAt,
         0,
         0,
         {QStringLiteral("start"), QStringLiteral("current"), QStringLiteral("end")},
         {QLatin1String(InsertAtStart), QLatin1String(InsertAtCurrent),
          QLatin1String(InsertAtEnd)}},
    };
    return fields;
}

} // namespace dropdown::fields
