#include "tools/fwtool/template_json.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "support/test_document.h"
#include "template/fixed_text.h"
#include "template/template_file.h"

namespace fw {
namespace {

std::vector<std::uint8_t> FreshImage() {
    test::TestDocument t;
    return TemplateImage(t.doc);
}

// Builds over a fresh template, as `fwtool build` does.
std::vector<std::uint8_t> Built(const std::string& json) {
    std::vector<std::uint8_t> image = FreshImage();
    BuildTemplate(json, image);
    return image;
}

std::vector<std::uint8_t> RoundTrip(const std::vector<std::uint8_t>& image) {
    return Built(JsonText(DumpTemplate(image)));
}

// The dump names fields as the build reads them, or no round trip would
// come back; the screen texts' ids are the dump's own.
TEST(TemplateJson, FreshTemplateComesBackByteForByte) {
    const auto image = FreshImage();
    EXPECT_EQ(RoundTrip(image), image);
    EXPECT_EQ(DumpTemplate(image)["deviceTexts"]["3001"][0], "Maximize" + std::string(42, ' '));
}

// Noise everywhere behind each kind of signature the program accepts: texts
// without their NUL, bytes behind the NUL, codes of every value.
TEST(TemplateJson, AnyFileBehindAnAcceptedSignatureComesBackByteForByte) {
    const char* signatures[] = {"QELTAR-01000100", "QELTAR", "QELTAR-00999999", "QELTAR+zzzzzzzz"};
    std::mt19937 random(11);
    for (int round = 0; round < 12; ++round) {
        std::vector<std::uint8_t> image(kTemplateFileSize);
        for (auto& b : image) b = static_cast<std::uint8_t>(random());
        const char* signature = signatures[round % 4];
        std::memcpy(image.data(), signature, std::strlen(signature) + (round % 8 < 4 ? 1 : 0));
        ASSERT_EQ(CheckSignature(std::span(image).first(kSignatureSize)), SignatureCheck::Accepted);
        ASSERT_EQ(RoundTrip(image), image) << "round " << round;
    }
}

TEST(TemplateJson, EightBitTextsAreWrittenAsUtf8AndComeBack) {
    test::TestDocument t;
    SetFieldText(t.doc.blocks.forms[0].prompt[0], "Artikel \xC4");
    const auto image = TemplateImage(t.doc);
    EXPECT_EQ(DumpTemplate(image)["forms"][0]["lines"][0]["prompt"], "Artikel \xC3\x84");
    EXPECT_EQ(RoundTrip(image), image);
}

TEST(TemplateJson, KeysLeftOutKeepANewTemplatesValues) {
    const auto fresh = FreshImage();
    const auto built = Built(R"({"forms": [{}, {"lines": [{}, {"dataType": 1, "prompt": "Qty"}]}]})");
    const std::size_t form = kBlocksOffset + offsetof(TemplateBlocks, forms) + sizeof(FormRecord);
    const std::size_t type = form + offsetof(FormRecord, dataType) + 1;
    const std::size_t prompt = form + offsetof(FormRecord, prompt) + 51;
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        if (i == type)
            EXPECT_EQ(built[i], 1);
        else if (i >= prompt && i < prompt + 3)
            EXPECT_EQ(built[i], "Qty"[i - prompt]);
        else
            ASSERT_EQ(built[i], fresh[i]) << "byte " << i;
    }
}

TEST(TemplateJson, TextsWithBytesBehindTheirNulKeepThem) {
    const auto image = Built(R"({"menus": [{"caption": {"text": "Stock", "rest": "00ff"},
                                           "itemName": [{"text": "x", "rest": "0041"}]}]})");
    const std::size_t caption = kBlocksOffset + offsetof(MenuRecord, caption);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&image[caption]), 7), std::string("Stock\0\xFF", 7));
    EXPECT_EQ(DumpTemplate(image)["menus"][0]["itemName"][0], Json({{"text", "x"}, {"rest", "0041" + std::string(96, '0')}}));
}

TEST(TemplateJson, RefusesWhatTheFieldCannotHoldNamingThePathAndTheRange) {
    const struct {
        const char* json;
        const char* message;
    } cases[] = {
        {R"({"forms": [{"lines": [{}, {"maxLength": 200}]}]})",
         "forms[0].lines[1].maxLength: 200 is out of range (allowed: 0 to 160)"},
        {R"({"forms": [{"escTarget": 31}]})", "forms[0].escTarget: 31 is out of range (allowed: 0 to 30)"},
        {R"({"forms": [{"lines": [{"dataType": {"raw": 256}}]}]})",
         "forms[0].lines[0].dataType.raw: 256 is out of range (allowed: 0 to 255)"},
        {R"({"lookups": [{"recordLength": -1}]})", "lookups[0].recordLength: -1 is out of range (allowed: 0 to 65535)"},
        {R"({"settings": {"startFrom": "menu"}})", "settings.startFrom: expected a whole number (allowed: 0 to 1)"},
        {R"({"forms": [{"lines": [{"prompt": "Quantity counted on the shelf 1"}]}]})",
         "forms[0].lines[0].prompt: text of 31 characters is longer than the 30 Open keeps"},
        {R"({"forms": [{}, {"lines": [{"prompt": "a", "dataType": 1, "prompt": "b"}]}]})",
         "forms[1].lines[0].prompt: given twice; give each key once"},
        {R"({"forms": [{"colour": 3}]})", "forms[0].colour: unknown key"},
        {R"({"menus": [{"caption": "123456789012345678901234567890123456789012345678901"}]})",
         "menus[0].caption: text of 51 characters is longer than the field's 50"},
        {R"({"menus": [{"caption": "\u20ac\u4e00"}]})",
         "menus[0].caption: holds a character the 8-bit code page (Windows-1252) lacks"},
        {R"({"forms": [{"lines": [{"prefixCode": [27, 0]}]}]})",
         "forms[0].lines[0].prefixCode[1]: 0 is out of range (allowed: 1 to 255)"},
        {R"({"reservedGap": "00"})", "reservedGap: expected hex digits, exactly 500 bytes"},
        {R"({"menus": [{"caption": {"text": "a", "rest": "41"}}]})",
         "menus[0].caption.rest: has to begin with 00, the NUL that ends the text"},
        {R"({"menus": [{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}]})", "menus: expected an array of at most 10 entries"},
        {R"({"signature": "QELTAR-02000000"})",
         "signature: the program refuses it: it has to be \"QELTAR\" and a version no newer than \"01000100\""},
        {"{\n  \"menus\": [\n    {\"caption\": }\n]}", "parse error at line 3, column 17"},
        {R"({"settings": {"startFrom": 1e99999}})", "number overflow parsing '1e99999'"},
    };
    for (const auto& c : cases) {
        std::vector<std::uint8_t> image = FreshImage();
        try {
            BuildTemplate(c.json, image);
            ADD_FAILURE() << "accepted " << c.json;
        } catch (const BuildError& e) {
            EXPECT_EQ(std::string(e.what()).substr(0, std::strlen(c.message)), c.message);
        }
    }
}

}  // namespace
}  // namespace fw
