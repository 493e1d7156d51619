// The help text built into the program: a fixed description of the quasi-geoid
// model, of the four tasks with their file layouts, and of the windows, shown by
// the help window.  Polish, UTF-8 here, every character representable in the
// Windows-1250 code page; laid out for a monospaced font, no line longer than
// 81 characters.
#pragma once

#include <span>
#include <string_view>

namespace qv {

// The lines of the help text, in order, without line breaks.  The first line
// is empty; the last lines are empty too.
std::span<const std::string_view> HelpTextLines();

}  // namespace qv
