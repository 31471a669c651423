#include "makers/slideshow/slideshow_fields.h"

namespace slideshow::fields {

const FieldTable<SlideshowSettings>& table() {
    using S = SlideshowSettings;
    using K = FieldKind;
    static const QStringList Styles = borderStyles();
    static const QStringList Widths = numberTexts(0, 25);
    static const FieldTable<S> fields = {
        {"Images", Images, "images", K::PathList, &S::images},
        {"InitialImage", InitialImage, "initialImage", K::Path, &S::initialImage},
        {"TransitionTime", TransitionTime, "transitionSeconds", K::Number, &S::transitionTime, 1,
         999},
        {"CentreConsole", CentreConsole, "centreConsole", K::Flag, &S::centreConsole},
        {"RightClickDisable", RightClickDisable, "disableRightClick", K::Flag,
         &S::rightClickDisable},
        {"RightClickMessage", RightClickMessage, "rightClickMessage", K::Text,
         &S::rightClickMessage},
        {"PlaySound", PlaySound, "playSound", K::Flag, &S::playSound},
        {"Sound", Sound, "sound", K::Path, &S::sound},
        {"PageTitle", PageTitle, "pageTitle", K::Text, &S::pageTitle},
        {"PageBackground", PageBackground, "pageBackground", K::Colour, &S::pageBackgroundColor},
        {"BackgroundImage", BackgroundImage, "backgroundImage", K::Path, &S::backgroundImage},
        {"HeadingText", HeadingText, "headingText", K::Text, &S::headingText},
        {"HeadingFont", HeadingFont, "headingFont", K::Editable, &S::headingFont},
        {"HeadingColour", HeadingColour, "headingColour", K::Colour, &S::headingColor},
        {"HeadingBold", HeadingBold, "headingBold", K::Flag, &S::headingBold},
        {"HeadingItalic", HeadingItalic, "headingItalic", K::Flag, &S::headingItalic},
        {"HeadingUnderline", HeadingUnderline, "headingUnderline", K::Flag, &S::headingUnderline},
        {"HeadingSize", HeadingSize, "headingSize", K::Editable, &S::headingSize},
        {"BorderColour", BorderColour, "borderColour", K::Colour, &S::borderColor},
        {"BorderWidth", BorderWidth, "borderWidth", K::Choice, &S::borderWidth, 0, 0, Widths},
        {"ConsoleColour", ConsoleColour, "consoleColour", K::Colour, &S::consoleColor},
        {"HeadingCellColour", HeadingCellColour, "headingCellColour", K::Colour,
         &S::headingCellColor},
        {"CellSpacing", CellSpacing, "cellSpacing", K::Number, &S::cellSpacing, 0, 25},
        {"CellPadding", CellPadding, "cellPadding", K::Number, &S::cellPadding, 0, 25},
        {"ButtonFont", ButtonFont, "buttonFont", K::Editable, &S::buttonFont},
        {"ButtonBackground", ButtonBackground, "buttonBackground", K::Colour,
         &S::buttonBackgroundColor},
        {"ButtonText", ButtonText, "buttonTextColour", K::Colour, &S::buttonTextColor},
        {"ButtonBorderStyle", ButtonBorderStyle, "buttonBorderStyle", K::Choice,
         &S::buttonBorderStyle, 0, 0, Styles},
        {"ButtonBorderWidth", ButtonBorderWidth, "buttonBorderWidth", K::Choice,
         &S::buttonBorderWidth, 0, 0, Widths},
        {"ListFont", ListFont, "listFont", K::Editable, &S::listFont},
        {"ListBackground", ListBackground, "listBackground", K::Colour, &S::listBackgroundColor},
        {"ListItemColour", ListItemColour, "listItemColour", K::Colour, &S::listItemColor},
        {"ListBorderStyle", ListBorderStyle, "listBorderStyle", K::Choice, &S::listBorderStyle, 0,
         0, Styles},
        {"ListBorderWidth", ListBorderWidth, "listBorderWidth", K::Choice, &S::listBorderWidth, 0,
         0, Widths},
    };
    return fields;
}

} // namespace slideshow::fields
