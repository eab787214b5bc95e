// Text kept as the bytes a file held, shown in formats that take only UTF-8. An OBJ file
// saved by an older tool names its objects in the machine's own code page (Latin-1 most
// often); the document keeps those bytes so that a save writes them back unchanged, and
// only what is shown to a page or written as JSON or XML is repaired.
#pragma once

#include <string>
#include <string_view>

namespace simhost {

// The text with every ill-formed sequence replaced by U+FFFD: one for each maximal part
// that could begin a character, as browsers decode; valid UTF-8 comes back unchanged.
std::string ValidUtf8(std::string_view text);

// Whether the text is well-formed UTF-8, as JSON and every browser take it.
bool IsUtf8(std::string_view text);

}  // namespace simhost
