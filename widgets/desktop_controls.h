#pragma once

// The desktop services' own dialogs by role: the objectName each one carries.
namespace desktop::controls {

inline constexpr char PrintDialog[] = "PrintDialog1";

} // namespace desktop::controls
