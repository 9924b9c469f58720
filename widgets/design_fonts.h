#pragma once

namespace velmar {

// The faces the design names ("Arial", "Times New Roman", "MS Sans Serif",
// "Small Fonts") are not installed on Linux desktops. Each gets an installed
// stand-in of the same kind: Liberation Sans and Serif have the metrics of
// Arial and Times New Roman, so text keeps the design's widths and the bold
// the design asks for. The names themselves stay as chosen. Call once, after
// the application object exists.
void SubstituteDesignFonts();

} // namespace velmar
