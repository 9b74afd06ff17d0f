#include "pages/form/form_lists.h"

#include <gtest/gtest.h>

#include "support/test_document.h"
#include "template/blocks/form_block.h"

namespace fw {
namespace {

using test::Values;

TEST(FormLists, DataTypeEntriesMapToCodesByListShape) {
    using enum TypeListShape;
    EXPECT_EQ(DataTypeEntry(Normal, kTypeImage), 15);
    EXPECT_EQ(DataTypeEntry(Normal, kTypeLargeData), 16);
    EXPECT_EQ(DataTypeEntry(Normal, kTypeReadFrom2D), 16);
    EXPECT_EQ(DataTypeEntry(Normal, kTypeZorq), -1) << "a normal form lists no ZORQ line";
    EXPECT_EQ(InputSourceEntry(7, true), -1) << "a damaged file's source selects nothing";
    EXPECT_EQ(DataTypeCode(Normal, 16, false), kTypeLargeData);
    EXPECT_EQ(DataTypeCode(Normal, 16, true), kTypeReadFrom2D);
    EXPECT_EQ(DataTypeCode(Normal, 8, true), kTypeFixedData);

    EXPECT_EQ(DataTypeEntry(ZorqHead, kTypeZorq), 16);
    EXPECT_EQ(DataTypeEntry(ZorqHead, kTypeReadFrom2D), 17);
    EXPECT_EQ(DataTypeCode(ZorqHead, 16, true), kTypeZorq);
    EXPECT_EQ(DataTypeCode(ZorqHead, 17, false), kTypeLargeData);

    EXPECT_EQ(DataTypeEntry(ZorqTail, kTypeLookup), 1);
    EXPECT_EQ(DataTypeEntry(ZorqTail, kTypeText), -1);
    EXPECT_EQ(DataTypeCode(ZorqTail, 1, false), kTypeLookup);
    EXPECT_EQ(DataTypeCode(ZorqTail, 0, false), kTypeNil);

    EXPECT_EQ(ShapeOf(false, 5), Normal);
    EXPECT_EQ(ShapeOf(true, 1), ZorqHead);
    EXPECT_EQ(ShapeOf(true, 2), ZorqTail);
}

// "-field n" is 12 + n, "+field n" 24 + n; a remainder of 0 is field 12.
TEST(FormLists, FoldingTurnsSignedFieldsBackIntoTheirNumber) {
    EXPECT_EQ(Values(FoldLookupCode(0), FoldLookupCode(12), FoldLookupCode(13), FoldLookupCode(24), FoldLookupCode(27),
                     FoldLookupCode(36)),
              Values(0, 12, 1, 12, 3, 12));
}

}  // namespace
}  // namespace fw
