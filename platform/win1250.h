// Text in the Windows-1250 code page, the single-byte encoding of every file the
// system reads or writes, and its conversion to and from UTF-8, the encoding of
// the desktop and the console.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// Windows-1250 bytes to UTF-8.  The five byte values that the code page leaves
// undefined become '?'.  NUL bytes are kept.
std::string Win1250ToUtf8(std::string_view bytes);

// UTF-8 text to Windows-1250 bytes.  A character that the code page cannot hold,
// and every byte of a malformed UTF-8 sequence, becomes '?'.
std::string Utf8ToWin1250(std::string_view text);

}  // namespace qv
