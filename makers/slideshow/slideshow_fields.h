#pragma once

#include "core/field_table.h"
#include "makers/slideshow/slideshow_page.h"

// The Slideshow tab's settings: each role's control, and the table that ties
// it to its member of SlideshowSettings and its key in a project file.
namespace slideshow::fields {

inline constexpr char Images[] = "ListBox2";
inline constexpr char InitialImage[] = "Edit23";
inline constexpr char TransitionTime[] = "SpinEdit7";
inline constexpr char CentreConsole[] = "CheckBox13";
inline constexpr char RightClickDisable[] = "CheckBox14";
inline constexpr char RightClickMessage[] = "Edit19";
inline constexpr char PlaySound[] = "CheckBox15";
inline constexpr char Sound[] = "Edit20";
inline constexpr char PageTitle[] = "Edit21";
inline constexpr char PageBackground[] = "ColorDialog4";
inline constexpr char BackgroundImage[] = "Edit22";
inline constexpr char HeadingText[] = "Edit18";
inline constexpr char HeadingFont[] = "ComboBox9";
inline constexpr char HeadingColour[] = "ColorDialog5";
inline constexpr char HeadingBold[] = "ToolButton46";
inline constexpr char HeadingItalic[] = "ToolButton47";
inline constexpr char HeadingUnderline[] = "ToolButton48";
inline constexpr char HeadingSize[] = "ComboBox11";
inline constexpr char BorderColour[] = "ColorDialog6";
inline constexpr char BorderWidth[] = "ComboBox10";
inline constexpr char ConsoleColour[] = "ColorDialog7";
inline constexpr char HeadingCellColour[] = "ColorDialog8";
inline constexpr char CellSpacing[] = "SpinEdit8";
inline constexpr char CellPadding[] = "SpinEdit9";
inline constexpr char ButtonFont[] = "ComboBox12";
inline constexpr char ButtonBackground[] = "ColorDialog9";
inline constexpr char ButtonText[] = "ColorDialog10";
inline constexpr char ButtonBorderStyle[] = "ComboBox13";
inline constexpr char ButtonBorderWidth[] = "ComboBox14";
inline constexpr char ListFont[] = "ComboBox15";
inline constexpr char ListBackground[] = "ColorDialog11";
inline constexpr char ListItemColour[] = "ColorDialog12";
inline constexpr char ListBorderStyle[] = "ComboBox16";
inline constexpr char ListBorderWidth[] = "ComboBox17";
inline constexpr char Code[] = "Memo19";

const FieldTable<SlideshowSettings>& table();

} // namespace slideshow::fields
