#include "makers/mouseover/mouseover_fields.h"

namespace mouseover::fields {

const FieldTable<MouseOverSettings>& table() {
    using S = MouseOverSettings;
    using K = FieldKind;
    static const FieldTable<S> fields = {
        {"PreloadImages", PreloadImages, "preloadImages", K::Flag, &S::preloadImages},
        {"ImageBorder", ImageBorder, "imageBorder", K::Flag, &S::imageBorder},
        {"BorderColour", BorderColour, "borderColour", K::Colour, &S::borderColour},
        {"BorderType", BorderType, "borderType", K::Choice, &S::borderType, 0, 0, borderStyles()},
        {"BorderSize", BorderSize, "borderSize", K::Choice, &S::borderSize, 0, 0,
         numberTexts(0, 25)},
        {"Vertical",
         Vertical,
         "vertical",
         K::Flag,
         &S::vertical,
         0,
         0,
         {},
         {QLatin1String(Horizontal)}},
        {"InitialImage", InitialImage, "initialImage", K::Path, &S::initialImage},
        {"MouseOverImage", MouseOverImage, "mouseOverImage", K::Path, &S::mouseOverImage},
        {"StatusText", StatusText, "statusText", K::Text, &S::statusText},
        {"AlternateText", AlternateText, "alternateText", K::Text, &S::alternateText},
        {"Url", Url, "url", K::Text, &S::url},
    };
    return fields;
}

} // namespace mouseover::fields
