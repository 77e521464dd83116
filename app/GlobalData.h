#pragma once

#include <string>

// Program-wide state shared by the main window's commands.
namespace GlobalData {

// The list file last opened or saved; empty for a list without a file.
inline std::string gCurrentFile;
// The folder the Open and Save dialogs show first; stored as the setting gPath.
inline std::string gPath;
// Whether hints are drawn as balloons; stored as the setting gBalloonHints.
inline bool gBalloonHints = true;

} // namespace GlobalData
