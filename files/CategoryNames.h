#pragma once

#include "model/Document.h"

#include <string>

namespace files {

// The category names file keeps line 0 of each of the ten lists from one run to the
// next, one line each with CR LF. A list without lines writes an empty line, so the
// file always has one line per list.
std::string categoryNamesBytes(const model::Document& document);
void SaveCategoryNames(const model::Document& document, const std::string& path);

// Resets list i to hold only line i of the file; a missing file changes nothing, an
// eleventh line (the Notes page) is ignored, and a twelfth raises "List index out of
// bounds (11)" after the ten lists have been reset.
void LoadCategoryNames(model::Document& document, const std::string& path);

} // namespace files
