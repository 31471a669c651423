#pragma once

// The main window's own controls and menu entries by role: the objectName
// each one carries. The tabs' controls are in each tool's controls header.
namespace main_window::controls {

inline constexpr char Window[] = "Form1";
inline constexpr char Tabs[] = "PageControl1";
inline constexpr char MainMenu[] = "MainMenu1";
inline constexpr char PaneMenu[] = "PopupMenu4";
inline constexpr char StatusBar[] = "StatusBar1";
inline constexpr char HelpPanel[] = "StatusPanel1";
inline constexpr char EmptyPanel[] = "StatusPanel2";

inline constexpr char Exit[] = "Exit1";
inline constexpr char FileNew[] = "FileNew";
inline constexpr char FileOpen[] = "FileOpen";
inline constexpr char FileSaveAsHtml[] = "FileSaveAsHtml";
inline constexpr char FilePreview[] = "FilePreview";
inline constexpr char FilePrint[] = "FilePrint";
inline constexpr char FilePublish[] = "FilePublish";
inline constexpr char RecentProjects[] = "RecentProjects";
inline constexpr char Undo[] = "Undo1";
inline constexpr char Cut[] = "Cut1";
inline constexpr char Copy[] = "Copy1";
inline constexpr char Paste[] = "Paste1";
inline constexpr char Delete[] = "Delete1";
inline constexpr char SelectAll[] = "SelectAll1";
inline constexpr char OptionsMenu[] = "MainOptionsMenu";

inline constexpr char ViewDropdown[] = "DropdownMenuMaker1";
inline constexpr char ViewPopup[] = "PopupMaker1";
inline constexpr char ViewMouseOver[] = "MouseOverButtonMaker1";
inline constexpr char ViewSlideshow[] = "CollapseMenuMaker1";
inline constexpr char ViewEditor[] = "JSEditor1";

inline constexpr char DropdownWizard[] = "DropdownMenuMaker2";
inline constexpr char PopupWizard[] = "PopupMaker2";
inline constexpr char MouseOverWizard[] = "MouseOverButtonMaker2";
inline constexpr char SlideshowWizard[] = "SlideshowMaker1";
inline constexpr char EditorWizard[] = "JSEditor2";

inline constexpr char Help[] = "Help3";
inline constexpr char Readme[] = "Readme1";
inline constexpr char ShowStartupTips[] = "ShowStartupTips1";
inline constexpr char About[] = "About2";

} // namespace main_window::controls
