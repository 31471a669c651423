#pragma once

#include "core/field_table.h"
#include "makers/mouseover/mouseover_page.h"

// The MouseOver tab's settings: each role's control, and the table that ties
// it to its member of MouseOverSettings and its key in a project file.
namespace mouseover::fields {

inline constexpr char PreloadImages[] = "CheckBox11";
inline constexpr char ImageBorder[] = "CheckBox12";
inline constexpr char BorderColour[] = "ColorDialog3";
inline constexpr char BorderType[] = "ComboBox6";
inline constexpr char BorderSize[] = "ComboBox7";
inline constexpr char Horizontal[] = "RadioButton4";
inline constexpr char Vertical[] = "RadioButton5";
inline constexpr char InitialImage[] = "Edit10";
inline constexpr char MouseOverImage[] = "Edit11";
inline constexpr char StatusText[] = "Edit12";
inline constexpr char AlternateText[] = "Edit13";
inline constexpr char Url[] = "Edit14";
inline constexpr char HeadPane[] = "Memo6";
inline constexpr char ScriptPane[] = "Memo7";
inline constexpr char BodyPane[] = "Memo8";

const FieldTable<MouseOverSettings>& table();

} // namespace mouseover::fields
