#pragma once

namespace tutor {

// Maps the fonts the windows name (MS Sans Serif, Small Fonts, Courier New)
// to installed ones of matching metrics. Call once, after the application
// object exists and before the first window is made.
void installFontSubstitutions();

}  // namespace tutor
