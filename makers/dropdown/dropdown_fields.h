#pragma once

#include "core/field_table.h"
#include "makers/dropdown/dropdown_page.h"

// The Dropdown tab's settings: each role's control, and the table that ties
// it to its member of DropdownSettings and its key in a project file.
namespace dropdown::fields {

inline constexpr char Background[] = "ColorDialog1";
inline constexpr char ItemColour[] = "ColorDialog2";
inline constexpr char Font[] = "FontList";
inline constexpr char FontSize[] = "ComboBox1";
inline constexpr char Bold[] = "ToolButton1";
inline constexpr char Italic[] = "ToolButton2";
inline constexpr char Underline[] = "ToolButton3";
inline constexpr char GoText[] = "Edit2";
inline constexpr char BorderStyle[] = "ComboBox2";
inline constexpr char BorderWidth[] = "ComboBox3";
inline constexpr char InvertButton[] = "CheckBox1";
inline constexpr char WholePage[] = "MakeAllHTMLCode1";
inline constexpr char RelevantCodeOnly[] = "MakeRelevantCodeOnly1";
inline constexpr char Entries[] = "ListBox1";
inline constexpr char ItemName[] = "Edit3";
inline constexpr char ItemUrl[] = "Edit4";
inline constexpr char InsertAtStart[] = "RadioButton1";
inline constexpr char InsertAtCurrent[] = "RadioButton2";
inline constexpr char InsertAtEnd[] = "RadioButton3";
inline constexpr char Code[] = "Memo3";

const FieldTable<DropdownSettings>& table();

} // namespace dropdown::fields
