#pragma once

#include <string>
#include <string_view>

namespace velmar {

// Text in Windows-1252, the encoding of files written by the Windows
// versions, as UTF-8. Every byte is one character; the five bytes that
// Windows-1252 leaves undefined become the control characters of the same
// number, as Windows itself reads them.
std::string Windows1252ToUtf8(std::string_view text);

} // namespace velmar
