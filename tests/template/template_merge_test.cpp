#include "template/template_merge.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "support/test_document.h"
#include "template/fixed_text.h"

namespace fw {
namespace {

using Change = std::function<void(TemplateBlocks&)>;

// As the Lookup page's OK leaves it: the record length follows.
void SetLookupLength(TemplateBlocks& b, std::uint8_t length) {
    b.lookups[0].fieldLength[0] = length;
    SetLe16(b.lookups[0].recordLength, length + b.lookups[0].fieldLength[1]);
}

TEST(TemplateMerge, TakesEachSidesFieldsAndConflictsOnlyWhereBothChangedOneDifferently) {
    const struct {
        const char* what;
        Change ours, theirs;
        std::vector<std::string> conflicts;
    } cases[] = {
        {"different lines of one form; the record length both changed is worked out again",
         [](TemplateBlocks& b) { b.forms[0].maxLength[0] = 16; },
         [](TemplateBlocks& b) { b.forms[0].maxLength[1] = 6; },
         {}},
        {"the same change on both sides",
         [](TemplateBlocks& b) { std::strcpy(b.forms[0].prompt[1], "Qty"); },
         [](TemplateBlocks& b) { std::strcpy(b.forms[0].prompt[1], "Qty"); },
         {}},
        {"a text is one field: no merge inside it",
         [](TemplateBlocks& b) { std::strcpy(b.forms[0].prompt[0], "Item code"); },
         [](TemplateBlocks& b) { std::strcpy(b.forms[0].prompt[0], "Items"); },
         {"form 1 line 1 prompt: \"Item\" \xE2\x86\x92 \"Item code\" / \"Items\""}},
        {"a length the user sets conflicts though a save works out others like it",
         [](TemplateBlocks& b) { b.forms[0].maxLength[0] = 16; },
         [](TemplateBlocks& b) { b.forms[0].maxLength[0] = 14; },
         {"form 1 line 1 max length: 12 \xE2\x86\x92 16 / 14"}},
        {"a lookup line's length follows its lookup field: one conflict, not two",
         [](TemplateBlocks& b) { SetLookupLength(b, 7); },
         [](TemplateBlocks& b) { SetLookupLength(b, 9); },
         {"lookup file 1 field 1 field length: 6 \xE2\x86\x92 7 / 9"}},
        {"raw bytes show where the sides differ",
         [](TemplateBlocks& b) { b.forms[0].reserved4130[3] = 1; },
         [](TemplateBlocks& b) { b.forms[0].reserved4130[3] = 2; },
         {"form 1 reserved bytes 4133: 00 \xE2\x86\x92 01 / 02"}},
    };
    const auto image = [&](const std::vector<Change>& changes) {
        test::TestDocument t;
        test::MakeCleanTemplate(t.doc.blocks);
        for (const Change& change : changes) change(t.doc.blocks);
        return test::SavedBytes(t.doc);
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const MergeResult result = MergeTemplates(image({}), image({c.ours}), image({c.theirs}));
        EXPECT_EQ(result.conflicts, c.conflicts);
        // As if one person had made both changes and saved, ours last.
        EXPECT_EQ(result.image, image({c.theirs, c.ours}));
    }
}

}  // namespace
}  // namespace fw
