// Key scripts: what a user types on the terminal, written out for a headless
// preview, e.g. "1,ENT,12345,ENT,SCAN,ESC". Tokens are separated by commas
// and trimmed; ENT, ESC, BS, UP, DOWN, LEFT, RIGHT, F1-F4 and FN are the
// terminal's keys, SCAN reads the next scan text, WAIT lets time pass, OK
// takes a message away, and anything else is typed character by character,
// digits on the keypad (so that FN turns them into its letters). A backslash
// makes the next character plain text: "\," a comma, "\ " a space kept at a
// token's end, "\\" a backslash, "\OK" the letters O and K.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "preview/terminal_preview.h"

namespace fw {

struct ScriptStep {
    enum class Kind { Key, Text, Scan, Wait, TakeMessage };
    Kind kind;
    TerminalKey key = TerminalKey::Enter;  // for Key
    std::string text;                      // for Text: the characters
    std::string token;                     // as written
};

struct KeyScript {
    std::vector<ScriptStep> steps;
    std::string error;  // empty when the script could be read
};

KeyScript ParseKeyScript(std::string_view script);

// Plays one step; `scan` is the text a Scan step reads.
void PlayStep(TerminalPreview& preview, const ScriptStep& step, std::string_view scan);

}  // namespace fw
