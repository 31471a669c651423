#pragma once

// The shared edit actions by role: the objectName each one carries.
namespace edit_actions::controls {

inline constexpr char ActionList[] = "ActionList1";
inline constexpr char Cut[] = "EditCut1";
inline constexpr char Copy[] = "EditCopy1";
inline constexpr char Paste[] = "EditPaste1";
inline constexpr char Undo[] = "EditUndo1";
inline constexpr char Delete[] = "EditDelete1";
inline constexpr char SelectAll[] = "EditSelectAll1";
inline constexpr char Find[] = "SearchFind1";

} // namespace edit_actions::controls
