#pragma once

// The Popup tab's controls besides its settings (popup_fields.h), by role:
// the objectName each one carries.
namespace popup::controls {

inline constexpr char Tab[] = "TabSheet2";
inline constexpr char ToolBar[] = "ToolBar3";
inline constexpr char NewButton[] = "ToolButton18";
inline constexpr char SaveButton[] = "ToolButton19";
inline constexpr char SaveAsHtml[] = "AsHTML2";
inline constexpr char SaveAsText[] = "AsText2";
inline constexpr char PrintButton[] = "ToolButton28";
inline constexpr char OptionsButton[] = "ToolButton30";
inline constexpr char Preview[] = "Preview1";
inline constexpr char HelpButton[] = "ToolButton31";
inline constexpr char HelpEntry[] = "Help4";
inline constexpr char AboutEntry[] = "About3";
inline constexpr char FeaturesGroup[] = "FeaturesGroup";
inline constexpr char HeightLabel[] = "HeightLabel";
inline constexpr char WidthLabel[] = "WidthLabel";
inline constexpr char LeftLabel[] = "LeftLabel";
inline constexpr char TopLabel[] = "TopLabel";
inline constexpr char AfterLabel[] = "AfterLabel";
inline constexpr char SecondsLabel[] = "SecondsLabel";
inline constexpr char UrlStatusGroup[] = "UrlStatusGroup";
inline constexpr char UrlLabel[] = "UrlLabel";
inline constexpr char StatusLabel[] = "StatusLabel";
inline constexpr char LaunchGroup[] = "LaunchGroup";
inline constexpr char EventLabel[] = "EventLabel";
inline constexpr char MediumLabel[] = "MediumLabel";
inline constexpr char ImagePathLabel[] = "ImagePathLabel";
inline constexpr char DelayLabel[] = "DelayLabel";
inline constexpr char MakeCode[] = "BitBtn10";
inline constexpr char CopyCode[] = "BitBtn4";
inline constexpr char ClearCode[] = "BitBtn9";
inline constexpr char HtmlSaveDialog[] = "SaveDialog2";
inline constexpr char TextSaveDialog[] = "SaveDialog4";

} // namespace popup::controls
