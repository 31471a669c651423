#pragma once

// The Tag Inspector's controls by role: the objectName each one carries.
// Its snippet buttons are named by the snippet table (editor_page); these are
// the ones addressed one by one.
namespace tag_palette::controls {

inline constexpr char Window[] = "Form2";
inline constexpr char Pages[] = "PageControl1";

inline constexpr char Function[] = "SpeedButton1";
inline constexpr char Variable[] = "SpeedButton2";
inline constexpr char Comment[] = "SpeedButton3";
inline constexpr char NoScript[] = "SpeedButton4";
inline constexpr char Backspace[] = "SpeedButton5";
inline constexpr char IfElse[] = "SpeedButton12";
inline constexpr char Switch[] = "SpeedButton13";
inline constexpr char While[] = "SpeedButton14";
inline constexpr char For[] = "SpeedButton15";
inline constexpr char Not[] = "SpeedButton16";
inline constexpr char And[] = "SpeedButton23";
inline constexpr char OnClick[] = "SpeedButton35";
inline constexpr char Alert[] = "SpeedButton47";
inline constexpr char NewArray[] = "SpeedButton50";
inline constexpr char Year[] = "SpeedButton53";
inline constexpr char TimezoneOffset[] = "SpeedButton61";
inline constexpr char ArcTangent[] = "SpeedButton65";
inline constexpr char Max[] = "SpeedButton71";
inline constexpr char Anchor[] = "SpeedButton79";
inline constexpr char IndexOf[] = "SpeedButton87";
inline constexpr char LastIndexOf[] = "SpeedButton89";

} // namespace tag_palette::controls
