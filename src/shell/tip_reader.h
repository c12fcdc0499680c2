#pragma once

#include <QString>

class QIODevice;

namespace mw::shell {

// What reading "tips.txt" on from a position found: the next tip, no tip in
// the whole file, or a file that could not be read.
struct NextTip {
    enum class Outcome { Tip, NoTips, Trouble };
    Outcome outcome = Outcome::NoTips;
    QString text;
};

// Reads the next tip line after the device's position: one tip a line, read
// up to 999 characters; a line that is empty or starts with a blank, a tab or
// ';' is a comment. Wraps round to the start once at the end.
NextTip nextTip(QIODevice& file);

}  // namespace mw::shell
