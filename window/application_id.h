#pragma once

namespace velmar {

// The program's reverse-DNS id: the name of its desktop entry, its icon and
// its AppStream component, and what the desktop matches its windows against.
// The packaging reads it from here, so this is the one place to change it.
inline constexpr char ApplicationId[] = "com.velmarsoftware.VelmarConverter";

} // namespace velmar
