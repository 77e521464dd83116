#pragma once

namespace controls {

// The program's style and font substitutes on the running application: the program's
// start-up installs them, and so does every widget test, so that controls are measured
// and drawn as users see them.
void installProgramLook();

// Registers free substitutes for the window fonts that have no free metric twin
// (Trebuchet MS, MS Sans Serif) and for Arial, so the look does not depend on luck.
// Trebuchet MS becomes Cabin (package fonts-cabin), a humanist sans of the same kind.
void installFontSubstitutes();

} // namespace controls
