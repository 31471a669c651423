#pragma once

// The wizard window's controls by role: the objectName each one carries.
namespace wizard_window::controls {

inline constexpr char Window[] = "Form6";
inline constexpr char Picture[] = "Image1";
inline constexpr char Step[] = "Label1";
inline constexpr char Text[] = "Memo1";
inline constexpr char Previous[] = "Button1";
inline constexpr char Next[] = "Button2";
inline constexpr char Close[] = "Button3";

} // namespace wizard_window::controls
