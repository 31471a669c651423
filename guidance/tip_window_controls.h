#pragma once

// The startup tip window's controls by role: the objectName each one carries.
namespace tip_window::controls {

inline constexpr char Window[] = "Form5";
inline constexpr char Picture[] = "Image1";
inline constexpr char Heading[] = "Label1";
inline constexpr char Tip[] = "Memo1";
inline constexpr char ShowAtStartup[] = "CheckBox1";
inline constexpr char NextTip[] = "Button1";
inline constexpr char Close[] = "Button2";

} // namespace tip_window::controls
