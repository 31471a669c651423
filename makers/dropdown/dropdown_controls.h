#pragma once

// The Dropdown tab's controls besides its settings (dropdown_fields.h), by
// role: the objectName each one carries.
namespace dropdown::controls {

inline constexpr char Tab[] = "TabSheet1";
inline constexpr char ToolBar[] = "ToolBar1";
inline constexpr char NewButton[] = "ToolButton4";
inline constexpr char SaveButton[] = "ToolButton5";
inline constexpr char SaveAsHtml[] = "AsHTML1";
inline constexpr char SaveAsText[] = "AsText1";
inline constexpr char PrintButton[] = "ToolButton14";
inline constexpr char OptionsButton[] = "ToolButton17";
inline constexpr char Preview[] = "PreviewinBrowser1";
inline constexpr char HelpButton[] = "ToolButton15";
inline constexpr char HelpEntry[] = "Help2";
inline constexpr char AboutEntry[] = "About1";
inline constexpr char CopyCode[] = "BitBtn3";
inline constexpr char ClearCode[] = "BitBtn8";
inline constexpr char AddEntry[] = "button2";
inline constexpr char DeleteEntry[] = "button1";
inline constexpr char SortEntries[] = "BitBtn5";
inline constexpr char ClearAll[] = "BitBtn6";
inline constexpr char MakeCode[] = "BitBtn7";
inline constexpr char BackgroundButton[] = "BitBtn1";
inline constexpr char BackgroundLabel[] = "Label5";
inline constexpr char BackgroundSwatch[] = "Memo1";
inline constexpr char ItemColourButton[] = "BitBtn2";
inline constexpr char ItemColourLabel[] = "Label4";
inline constexpr char ItemColourSwatch[] = "Memo2";
inline constexpr char MenuContrast[] = "MenuContrast";
inline constexpr char FontSample[] = "Panel1";
inline constexpr char HtmlSaveDialog[] = "SaveDialog1";
inline constexpr char TextSaveDialog[] = "SaveDialog3";

} // namespace dropdown::controls
