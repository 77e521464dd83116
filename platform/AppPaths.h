#pragma once

#include <string>

namespace platform {

// The folder of the running executable, ending with its separator. Defaults.slf,
// ShoppingList.txt, Help/ and the default Lists folder live there.
std::string executableFolder();

// Tests point the program at a folder of their own instead of the test binary's.
void setExecutableFolderForTesting(const std::string& folder);

} // namespace platform
