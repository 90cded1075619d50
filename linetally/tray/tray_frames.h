#pragma once
// The tray pictures of Linetally (ImageList2) from one description: the telephone is drawn
// once with placeholder body colours, and each frame takes a body colour and, for the
// minimum-charge gauge, a bar under the telephone whose filled part grows frame by frame.
//
// Description, one statement a line ('#' starts a comment line):
//   size W H, transparent #RRGGBB, key C ...   as in a text pixel map, copied through
//   blank C                  the key of an empty pixel (fills the rows under the telephone)
//   body NAME C1 C2          a telephone colouring: placeholder 'P' becomes C1, 'p' becomes C2
//   bar ROW FILL EMPTY EDGE  the gauge bar: outline EDGE on rows ROW and ROW+2, inside on ROW+1
//   gauge NAME COUNT         COUNT frames of body NAME with the bar, filled from none to nearly full
//   plain NAME               one frame of body NAME without bar
//   phone                    the telephone's rows follow, up to the line "end"
#include <string>

namespace lt {

// The text pixel map of all frames; throws std::runtime_error naming the line on bad input.
std::string TrayFramesPixmap(const std::string& description);

// Filled pixels of the bar in gauge frame `frame` of `count`, over `width` inner pixels.
int GaugeFill(int frame, int count, int width);

}  // namespace lt
