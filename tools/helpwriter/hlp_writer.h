#pragma once
// Writes a Document as a Windows 3.1 help file (.hlp): uncompressed 4 KB topic blocks, the
// context and context-number maps, a font table and the system record with title and contents.
#include <cstdint>
#include <vector>

#include "tools/helpwriter/help_document.h"

namespace winhelp {

// Throws std::invalid_argument for a document the format cannot hold: no topics, a bad or
// repeated context name, colliding hashes, a repeated number, a jump to an unknown context.
std::vector<uint8_t> WriteHelpFile(const Document& document);

}  // namespace winhelp
