#pragma once

// The Slideshow tab's controls besides its settings (slideshow_fields.h), by
// role: the objectName each one carries.
namespace slideshow::controls {

inline constexpr char Tab[] = "TabSheet4";
inline constexpr char ToolBar[] = "ToolBar6";
inline constexpr char NewButton[] = "ToolButton49";
inline constexpr char SaveButton[] = "ToolButton50";
inline constexpr char SaveMenu[] = "PopupMenu11";
inline constexpr char SaveAsHtml[] = "AsHTML4";
inline constexpr char SaveAsText[] = "AsText4";
inline constexpr char Publish[] = "Publish1";
inline constexpr char PrintButton[] = "ToolButton59";
inline constexpr char OptionsButton[] = "ToolButton61";
inline constexpr char OptionsMenu[] = "PopupMenu12";
inline constexpr char Preview[] = "Preview3";
inline constexpr char HelpButton[] = "ToolButton62";
inline constexpr char HelpEntry[] = "Help6";
inline constexpr char AboutEntry[] = "About5";
inline constexpr char OptimiseImages[] = "OptimiseImages";
inline constexpr char WebImageSize[] = "WebImageSize";
inline constexpr char WebImageSize800[] = "WebImageSize800";

// The left half: the code, the image list and its commands.
inline constexpr char CopyCode[] = "BitBtn27";
inline constexpr char ClearCode[] = "BitBtn28";
inline constexpr char ImageCount[] = "Label74";
inline constexpr char DeleteImage[] = "BitBtn29";
inline constexpr char SortImages[] = "BitBtn30";
inline constexpr char ClearAll[] = "BitBtn31";
inline constexpr char MakeCode[] = "BitBtn32";

// The sub-pages.
inline constexpr char SubPages[] = "PageControl2";
inline constexpr char SettingsPage[] = "TabSheet6";
inline constexpr char SlideshowPage[] = "TabSheet7";
inline constexpr char ElementsPage[] = "TabSheet8";

// Settings.
inline constexpr char AddImages[] = "BitBtn33";
inline constexpr char ChooseInitial[] = "Button6";
inline constexpr char InitialHelp[] = "Button3";
inline constexpr char RightClickMessageLabel[] = "Label39";
inline constexpr char SoundLabel[] = "Label40";
inline constexpr char ChooseSound[] = "Button4";
inline constexpr char AuditionSound[] = "BitBtn18";
inline constexpr char PageBackgroundButton[] = "BitBtn17";
inline constexpr char PageBackgroundSwatch[] = "Memo10";
inline constexpr char PageBackgroundLabel[] = "Label45";
inline constexpr char ChooseBackground[] = "Button5";

// Slideshow.
inline constexpr char HeadingFontSample[] = "Panel2";
inline constexpr char HeadingColourButton[] = "BitBtn19";
inline constexpr char HeadingColourSwatch[] = "Memo11";
inline constexpr char HeadingColourLabel[] = "Label49";
inline constexpr char HeadingContrast[] = "HeadingContrast";
inline constexpr char BorderColourButton[] = "BitBtn20";
inline constexpr char BorderColourSwatch[] = "Memo12";
inline constexpr char BorderColourLabel[] = "Label52";
inline constexpr char ConsoleColourButton[] = "BitBtn21";
inline constexpr char ConsoleColourSwatch[] = "Memo13";
inline constexpr char ConsoleColourLabel[] = "Label56";
inline constexpr char HeadingCellColourButton[] = "BitBtn22";
inline constexpr char HeadingCellColourSwatch[] = "Memo14";
inline constexpr char HeadingCellColourLabel[] = "Label57";

// Elements.
inline constexpr char ButtonsGroup[] = "GroupBox8";
inline constexpr char ButtonFontSample[] = "Panel3";
inline constexpr char ButtonBackgroundButton[] = "BitBtn23";
inline constexpr char ButtonBackgroundSwatch[] = "Memo15";
inline constexpr char ButtonBackgroundLabel[] = "Label65";
inline constexpr char ButtonTextColourButton[] = "BitBtn24";
inline constexpr char ButtonTextColourSwatch[] = "Memo16";
inline constexpr char ButtonTextColourLabel[] = "Label66";
inline constexpr char ListGroup[] = "GroupBox9";
inline constexpr char ListFontSample[] = "Panel4";
inline constexpr char ListBackgroundButton[] = "BitBtn25";
inline constexpr char ListBackgroundSwatch[] = "Memo17";
inline constexpr char ListBackgroundLabel[] = "Label72";
inline constexpr char ListItemColourButton[] = "BitBtn26";
inline constexpr char ListItemColourSwatch[] = "Memo18";
inline constexpr char ListItemColourLabel[] = "Label73";

// File dialogs.
inline constexpr char HtmlSaveDialog[] = "SaveDialog7";
inline constexpr char TextSaveDialog[] = "SaveDialog8";
inline constexpr char SoundDialog[] = "OpenDialog1";
inline constexpr char BackgroundImageDialog[] = "OpenDialog2";
inline constexpr char ImagesDialog[] = "OpenDialog3";
inline constexpr char PublishDialog[] = "SaveDialog9";

} // namespace slideshow::controls
