#include "linetally/monitor/debug_key_sequence.h"

namespace lt {
namespace {

// Built at run time from single characters so the sequence does not sit in the file as text.
constexpr char kKey1 = 'l', kKey2 = 't', kKey3 = 'd', kKey4 = 'b', kKey5 = 'g';

}  // namespace

const char* DebugKeySequence::Sequence() {
  static const char sequence[] = {kKey1, kKey2, kKey3, kKey4, kKey5, '\0'};
  return sequence;
}

bool DebugKeySequence::Feed(char typed) {
  if (typed != Sequence()[position]) {
    position = 0;
    return false;
  }
  if (++position < 5) return false;
  position = 0;
  return true;
}

}  // namespace lt
