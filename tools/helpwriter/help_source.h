#pragma once
// The readable source of a help file. One statement a line:
//   # ...                      comment
//   .helptitle TEXT            the viewer's caption
//   .copyright TEXT            optional
//   .contents CONTEXT          the topic the contents command shows
//   .topic CONTEXT [NUMBER..]  starts a topic, found by its name and numbers
//   .title TEXT                the topic's title, also shown as its heading
// Other lines are text: a blank line ends a paragraph, "- " starts a bullet item. In text,
// *words* are bold, {words|CONTEXT} jumps to a topic, and "\" takes the next character as is.
#include <string>

#include "tools/helpwriter/help_document.h"

namespace winhelp {

// Throws std::runtime_error naming the line for a statement or markup it cannot read.
Document ParseHelpSource(const std::string& text);

}  // namespace winhelp
