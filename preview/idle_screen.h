// What the face's LCD shows while no preview runs: the template's own start
// screen, as the preview starts on it.
#pragma once

#include "preview/screen.h"

namespace fw {

class TemplateDocument;

// Without the key labels of the bottom row, whose keys do nothing there and
// whose row the face gives to its hint, and without a cursor.
Screen IdleScreen(const TemplateDocument& doc);

}  // namespace fw
