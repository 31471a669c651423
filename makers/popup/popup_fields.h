#pragma once

#include "core/field_table.h"
#include "makers/popup/popup_page.h"

// The Popup tab's settings: each role's control, and the table that ties it
// to its member of PopupSettings and its key in a project file.
namespace popup::fields {

inline constexpr char Directories[] = "CheckBox2";
inline constexpr char Location[] = "CheckBox3";
inline constexpr char Menubar[] = "CheckBox4";
inline constexpr char Resizable[] = "CheckBox5";
inline constexpr char Scrollbars[] = "CheckBox6";
inline constexpr char Statusbar[] = "CheckBox7";
inline constexpr char Toolbar[] = "CheckBox8";
inline constexpr char Height[] = "SpinEdit1";
inline constexpr char Width[] = "SpinEdit2";
inline constexpr char Left[] = "SpinEdit3";
inline constexpr char Top[] = "SpinEdit4";
inline constexpr char CloseAfterTime[] = "CheckBox9";
inline constexpr char CloseSeconds[] = "SpinEdit5";
inline constexpr char FullScreen[] = "CheckBox10";
inline constexpr char Url[] = "Edit6";
inline constexpr char StatusText[] = "Edit7";
inline constexpr char LaunchEvent[] = "ComboBox4";
inline constexpr char LaunchMedium[] = "ComboBox5";
inline constexpr char ImagePath[] = "Edit8";
inline constexpr char DelaySeconds[] = "SpinEdit6";
inline constexpr char Code[] = "Memo4";

const FieldTable<PopupSettings>& table();

} // namespace popup::fields
