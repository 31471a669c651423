#pragma once

// The print dialog by role: the objectName it carries.
namespace printing::controls {

inline constexpr char PrintDialog[] = "PrintDialog1";

} // namespace printing::controls
