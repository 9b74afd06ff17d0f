#include "preview/idle_screen.h"

#include "preview/terminal_preview.h"

namespace fw {

Screen IdleScreen(const TemplateDocument& doc) {
    // Nothing is stored and no stamp is shown before a key: any time serves.
    TerminalPreview preview(doc, [] { return Moment{}; });
    preview.Start();
    Screen screen = preview.screen();
    screen.rows[kScreenRows - 1] = {};
    screen.cursorRow = -1;
    screen.notes.clear();
    return screen;
}

}  // namespace fw
