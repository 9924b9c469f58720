#pragma once

namespace velmar {

// The program's title: the main window's caption and the caption of the
// general error report.
inline constexpr char ApplicationTitle[] = "Velmar Converter";

} // namespace velmar
