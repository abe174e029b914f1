#pragma once

#include <string>
#include <string_view>

namespace bench {

// Appends Windows-1252 bytes to out as UTF-8. The five bytes the code page leaves undefined
// become the control characters of the same number, as Windows converts them.
void appendWindows1252AsUtf8(std::string& out, std::string_view bytes);

} // namespace bench
