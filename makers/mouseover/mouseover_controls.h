#pragma once

// The MouseOver tab's controls besides its settings (mouseover_fields.h), by
// role: the objectName each one carries.
namespace mouseover::controls {

inline constexpr char Tab[] = "TabSheet3";
inline constexpr char ToolBar[] = "ToolBar4";
inline constexpr char NewButton[] = "ToolButton32";
inline constexpr char SaveButton[] = "ToolButton33";
inline constexpr char SaveAsHtml[] = "AsHTML3";
inline constexpr char SaveAsText[] = "AsText3";
inline constexpr char PrintButton[] = "ToolButton42";
inline constexpr char OptionsButton[] = "ToolButton44";
inline constexpr char Preview[] = "Preview2";
inline constexpr char HelpButton[] = "MouseOverHelpButton";
inline constexpr char HelpEntry[] = "Help5";
inline constexpr char AboutEntry[] = "About4";
inline constexpr char PagePane[] = "Memo9"; // the assembled page, never shown
inline constexpr char BorderSwatch[] = "Memo5";
inline constexpr char BorderColourButton[] = "BitBtn11";
inline constexpr char BorderColourLabel[] = "Label29";
inline constexpr char BorderColourCaption[] = "BorderColorLabel";
inline constexpr char BorderTypeLabel[] = "BorderTypeLabel";
inline constexpr char BorderSizeLabel[] = "BorderSizeLabel";
inline constexpr char OrientationLabel[] = "OrientationLabel";
inline constexpr char AddImage[] = "BitBtn14";
inline constexpr char Reset[] = "BitBtn15";
inline constexpr char CopyCode[] = "BitBtn12";
inline constexpr char ClearCode[] = "BitBtn13";
inline constexpr char EndCode[] = "BitBtn16";
inline constexpr char HtmlSaveDialog[] = "SaveDialog5";
inline constexpr char TextSaveDialog[] = "SaveDialog6";

} // namespace mouseover::controls
