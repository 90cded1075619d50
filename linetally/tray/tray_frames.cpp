#include "linetally/tray/tray_frames.h"

#include <map>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace lt {
namespace {

struct Body {
  char main = 0, shade = 0;
};

[[noreturn]] void Fail(int line, const std::string& what) {
  throw std::runtime_error("line " + std::to_string(line) + ": " + what);
}

struct Description {
  int width = 0, height = 0;
  std::string header;  // size, transparent and key lines
  char blank = 0;
  std::map<std::string, Body> bodies;
  int barRow = -1;
  char fill = 0, empty = 0, edge = 0;
  std::vector<std::string> phone;
  struct Frame {
    std::string body;
    int gaugeStep = -1, gaugeCount = 0;  // -1: no bar
  };
  std::vector<Frame> frames;
};

char KeyChar(const std::string& word, int line) {
  if (word.size() != 1) Fail(line, "a key is one character: " + word);
  return word[0];
}

Description Read(const std::string& text) {
  Description d;
  std::istringstream in(text);
  std::string line;
  int lineNo = 0;
  bool inPhone = false;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (inPhone) {
      if (line == "end") {
        inPhone = false;
      } else if (static_cast<int>(line.size()) != d.width) {
        Fail(lineNo, "telephone row is not " + std::to_string(d.width) + " wide");
      } else {
        d.phone.push_back(line);
      }
      continue;
    }
    std::istringstream words(line);
    std::string verb, a, b, c, e;
    if (!(words >> verb) || verb[0] == '#') continue;
    if (verb == "size") {
      if (!(words >> d.width >> d.height) || d.width <= 0 || d.height <= 0) Fail(lineNo, "bad size");
      d.header += line + "\n";
    } else if (verb == "key" || verb == "transparent") {
      d.header += line + "\n";
    } else if (verb == "blank" && words >> a) {
      d.blank = KeyChar(a, lineNo);
    } else if (verb == "body" && words >> a >> b >> c) {
      d.bodies[a] = Body{KeyChar(b, lineNo), KeyChar(c, lineNo)};
    } else if (verb == "bar" && words >> d.barRow >> a >> b >> c) {
      d.fill = KeyChar(a, lineNo), d.empty = KeyChar(b, lineNo), d.edge = KeyChar(c, lineNo);
    } else if (verb == "gauge" && words >> a >> b) {
      const int count = std::stoi(b);
      if (!d.bodies.count(a) || count < 1) Fail(lineNo, "gauge needs a known body and a count");
      for (int i = 0; i < count; ++i) d.frames.push_back({a, i, count});
    } else if (verb == "plain" && words >> a) {
      if (!d.bodies.count(a)) Fail(lineNo, "unknown body " + a);
      d.frames.push_back({a, -1, 0});
    } else if (verb == "phone") {
      inPhone = true;
    } else {
      Fail(lineNo, "cannot read: " + line);
    }
  }
  if (inPhone) Fail(lineNo, "telephone without end");
  if (d.width == 0 || d.blank == 0 || d.frames.empty()) Fail(lineNo, "size, blank and frames needed");
  if (static_cast<int>(d.phone.size()) > d.height) Fail(lineNo, "telephone taller than a frame");
  if (d.barRow >= 0 && d.barRow + 3 > d.height) Fail(lineNo, "bar below the frame");
  return d;
}

}  // namespace

int GaugeFill(int frame, int count, int width) {
  // Frame 0 empty; the last frame one step short of full, so a full bar never shows.
  return (2 * frame * width + count) / (2 * count);
}

std::string TrayFramesPixmap(const std::string& description) {
  const Description d = Read(description);
  std::string out = d.header;
  for (const Description::Frame& frame : d.frames) {
    const Body body = d.bodies.at(frame.body);
    std::vector<std::string> rows(d.height, std::string(d.width, d.blank));
    for (size_t r = 0; r < d.phone.size(); ++r) {
      for (int x = 0; x < d.width; ++x) {
        const char c = d.phone[r][x];
        rows[r][x] = c == 'P' ? body.main : c == 'p' ? body.shade : c;
      }
    }
    if (frame.gaugeStep >= 0 && d.barRow >= 0) {
      const int inner = d.width - 2;
      const int filled = GaugeFill(frame.gaugeStep, frame.gaugeCount, inner);
      rows[d.barRow] = rows[d.barRow + 2] = std::string(d.width, d.edge);
      std::string& middle = rows[d.barRow + 1];
      middle.assign(d.width, d.empty);
      middle.front() = middle.back() = d.edge;
      middle.replace(1, filled, filled, d.fill);
    }
    out += "frame\n";
    for (const std::string& row : rows) out += row + "\n";
  }
  return out;
}

}  // namespace lt
