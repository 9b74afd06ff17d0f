// The reader's codes in words: every list the Barcode page and the reader's
// dialogs show, for the reader byte it stands for, with the texts they fill
// it with. The tools hand them to the diff, the flat dump and the merge,
// which cannot look up into the pages.
#pragma once

#include "template/field_words.h"

namespace fw {

class UiStrings;

ByteCodeLists ReaderCodeLists(const UiStrings& strings);

}  // namespace fw
