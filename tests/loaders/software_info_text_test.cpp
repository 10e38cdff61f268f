#include "app/software_info_text.h"
#include "net/code_page_936.h"

#include <gtest/gtest.h>

namespace lumbra {
namespace {

std::string Gbk(const std::wstring& text) { return WideToGbk(text); }

const wchar_t kCompleteFile[] =
    L"sdjasd（1.1）akxsds\r\n"
    L"xksdfs（first）ksdjsd\r\n"
    L"xksdxs（second）xnhsmd\r\n"
    L"dqwknd（third）oosdka\r\n"
    L"fjshds（fourth）scksao\r\n"
    L"pwejks（fifth）sksjhx\r\n"
    L"xaskno（sixth）dwqhbs\r\n";

struct FieldCase {
    const char* name;
    std::wstring text;
    std::array<std::wstring, kSoftwareFieldCount> fields;
};

class SoftwareFields : public testing::TestWithParam<FieldCase> {};

TEST_P(SoftwareFields, AreCutBetweenTheirMarkers) {
    const auto fields = CutSoftwareFields(Gbk(GetParam().text));
    for (int i = 0; i < kSoftwareFieldCount; ++i) {
        EXPECT_EQ(GbkToWide(fields[i]), GetParam().fields[i]) << "field " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SoftwareFields,
    testing::Values(
        FieldCase{"Complete", kCompleteFile,
                  {L"1.1", L"first", L"second", L"third", L"fourth", L"fifth", L"sixth"}},
        FieldCase{"OnlyVersion", L"header\nsdjasd（2.0）akxsds\nfooter", {L"2.0"}},
        FieldCase{"LineBreaksKept", L"xksdfs（第一行\r\n第二行）ksdjsd", {L"", L"第一行\r\n第二行"}},
        FieldCase{"AsciiParentheses", L"sdjasd(1.1)akxsds xksdfs(first)ksdjsd", {}},
        FieldCase{"EndsAtFirstEndMarker", L"xksdfs（a）ksdjsd b）ksdjsd", {L"", L"a"}},
        FieldCase{"MarkerLettersFoldCase", L"SDJASD（3.0）AKXSDS", {L"3.0"}},
        FieldCase{"FieldsInAnyOrder", L"xaskno（6）dwqhbs sdjasd（1）akxsds", {L"1", L"", L"", L"", L"", L"", L"6"}},
        FieldCase{"EndMarkerMissing", L"sdjasd（1.1 xksdfs（first）ksdjsd", {L"", L"first"}},
        FieldCase{"Empty", L"", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SoftwareFieldsBadInput, InvalidCodePageBytesDoNotHideTheOtherFields) {
    // A stray 0x80, a 0xFF and a lone lead byte just before a marker.
    const std::string text = "sdjasd" + Gbk(L"（") + "1\x80.\xFF" "1" + Gbk(L"）") + "akxsds\x81\n" +
                             Gbk(L"xksdfs（公告）ksdjsd");
    const auto fields = CutSoftwareFields(text);
    EXPECT_EQ(fields[0], "1\x80.\xFF" "1");
    EXPECT_EQ(GbkToWide(fields[1]), L"公告");
}

TEST(SoftwareFieldsBadInput, AMegabyteFieldIsCutWhole) {
    const std::string big(1 << 20, 'x');
    const auto fields = CutSoftwareFields(Gbk(L"xksdfs（") + big + Gbk(L"）ksdjsd"));
    EXPECT_EQ(fields[1].size(), big.size());
}

}  // namespace
}  // namespace lumbra
