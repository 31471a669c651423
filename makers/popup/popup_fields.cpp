#include "makers/popup/popup_fields.h"

namespace popup::fields {

namespace {

constexpr int MaximumSize = 1000;
constexpr int MaximumSeconds = 999;

using S = PopupSettings;

int eventIndex(const S& s) {
    return static_cast<int>(s.event);
}
void setEvent(S& s, int index) {
    s.event = static_cast<S::LaunchEvent>(index);
}
int mediumIndex(const S& s) {
    return static_cast<int>(s.medium);
}
void setMedium(S& s, int index) {
    s.medium = static_cast<S::LaunchMedium>(index);
}

} // namespace

const FieldTable<PopupSettings>& table() {
    using K = FieldKind;
    using Index = Field<S>::Index;
    static const FieldTable<S> fields = {
        {"Directories", Directories, "directories", K::Flag, &S::directories},
        {"Location", Location, "location", K::Flag, &S::location},
        {"Menubar", Menubar, "menubar", K::Flag, &S::menubar},
        {"Resizable", Resizable, "resizable", K::Flag, &S::resizable},
        {"Scrollbars", Scrollbars, "scrollbars", K::Flag, &S::scrollbars},
        {"Statusbar", Statusbar, "statusbar", K::Flag, &S::statusbar},
        {"Toolbar", Toolbar, "toolbar", K::Flag, &S::toolbar},
        {"CloseAfterTime", CloseAfterTime, "closeAfterTime", K::Flag, &S::closeAfterTime},
        {"FullScreen", FullScreen, "fullScreen", K::Flag, &S::fullScreen},
        {"Url", Url, "url", K::Text, &S::url},
        {"StatusText", StatusText, "statusText", K::Text, &S::statusText},
        {"ImagePath", ImagePath, "imagePath", K::Path, &S::imagePath},
        {"Height", Height, "height", K::Number, &S::height, 1, MaximumSize},
        {"Width", Width, "width", K::Number, &S::width, 1, MaximumSize},
        {"Left", Left, "left", K::Number, &S::left, 1, MaximumSize},
        {"Top", Top, "top", K::Number, &S::top, 1, MaximumSize},
        {"CloseSeconds", CloseSeconds, "closeSeconds", K::Number, &S::closeSeconds, 1,
         MaximumSeconds},
        {"DelaySeconds", DelaySeconds, "delaySeconds", K::Number, &S::delaySeconds, 1,
         MaximumSeconds},
        {"LaunchEvent",
         LaunchEvent,
         "launchEvent",
         K::Choice,
         Index{eventIndex, setEvent},
         0,
         0,
         {QStringLiteral("onClick"), QStringLiteral("onLoad"), QStringLiteral("onMouseOut"),
          QStringLiteral("onMouseOver"), QStringLiteral("onUnload"),
          QStringLiteral("Popup After x Seconds")}},
        {"LaunchMedium",
         LaunchMedium,
         "launchMedium",
         K::Choice,
         Index{mediumIndex, setMedium},
         0,
         0,
         {QStringLiteral("Text Link"), QStringLiteral("Image Link"), QStringLiteral("Other")}},
    };
    return fields;
}

} // namespace popup::fields
