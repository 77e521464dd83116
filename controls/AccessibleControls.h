#pragma once

namespace controls {

// Makes the painted controls readable by screen readers: a header's sections read as
// column headers, and each line of a check list reads its text and tick and can be ticked.
// Safe to call any number of times.
void installAccessibleControls();

} // namespace controls
