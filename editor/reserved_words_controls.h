#pragma once

// The Reserved Words window's controls by role: the objectName each one carries.
namespace reserved_words::controls {

inline constexpr char Window[] = "Form3";
inline constexpr char Words[] = "ListBox1";
inline constexpr char AddSelected[] = "Button1";

} // namespace reserved_words::controls
