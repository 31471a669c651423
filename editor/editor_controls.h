#pragma once

// The JS Editor tab's controls by role: the objectName each one carries.
namespace editor::controls {

inline constexpr char Tab[] = "TabSheet5";
inline constexpr char ToolBar[] = "ToolBar7";
inline constexpr char NewButton[] = "ToolButton63";
inline constexpr char OpenButton[] = "ToolButton77";
inline constexpr char SaveButton[] = "ToolButton64";
inline constexpr char SaveMenu[] = "PopupMenu14";
inline constexpr char SaveAsJs[] = "AsJS1";
inline constexpr char SaveAsHtml[] = "AsHTML5";
inline constexpr char CutButton[] = "ToolButton66";
inline constexpr char CopyButton[] = "ToolButton67";
inline constexpr char PasteButton[] = "ToolButton68";
inline constexpr char UndoButton[] = "ToolButton70";
inline constexpr char DeleteButton[] = "ToolButton71";
inline constexpr char PrintButton[] = "ToolButton73";
inline constexpr char TagInspectorToggle[] = "ToolButton78";
inline constexpr char ReservedWordsToggle[] = "ToolButton79";
inline constexpr char OptionsButton[] = "ToolButton75";
inline constexpr char OptionsMenu[] = "PopupMenu15";
inline constexpr char StripHtml[] = "StripHTML1";
inline constexpr char HelpButton[] = "ToolButton76";
inline constexpr char HelpMenu[] = "PopupMenu16";
inline constexpr char HelpEntry[] = "Help7";
inline constexpr char AboutEntry[] = "About6";
inline constexpr char Editor[] = "Memo21";
inline constexpr char OpenDialog[] = "OpenDialog4";
inline constexpr char JsSaveDialog[] = "SaveDialog10";
inline constexpr char HtmlSaveDialog[] = "SaveDialog11";

} // namespace editor::controls
