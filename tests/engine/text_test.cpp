#include "quorvel/text.h"

#include <optional>
#include <string>

#include "test_support.h"

namespace quorvel_test {
namespace {

using quorvel::Text;

struct DecodeRow : Row {
  std::string bytes;
  std::optional<Text> text;  // nullopt: must be refused
};

class DecodeUtf8Test : public testing::TestWithParam<DecodeRow> {};

TEST_P(DecodeUtf8Test, DecodesValidAndRefusesInvalid) {
  const DecodeRow& row = GetParam();
  EXPECT_EQ(quorvel::DecodeUtf8(row.bytes), row.text);
  // Whatever decodes must encode back to the very same bytes.
  if (row.text) {
    EXPECT_EQ(quorvel::EncodeUtf8(*row.text), row.bytes);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, DecodeUtf8Test,
    testing::Values(DecodeRow{{"empty"}, "", Text()},
                    DecodeRow{{"ascii"}, "H2+O2=H2O", Text(U"H2+O2=H2O")},
                    DecodeRow{{"nul_byte"}, std::string("A\0B", 3), Text(U"A\0B", 3)},
                    DecodeRow{{"two_bytes"}, "\xC5\x81", Text(U"\u0141")},
                    DecodeRow{{"full_width_plus"}, "\xEF\xBC\x8B", Text(U"\uFF0B")},
                    DecodeRow{{"chinese"}, "\xE6\xB0\xB4", Text(U"\u6C34")},
                    DecodeRow{{"outside_bmp"}, "\xF0\x90\x81\x81", Text(U"\U00010041")},
                    DecodeRow{{"highest"}, "\xF4\x8F\xBF\xBF", Text(U"\U0010FFFF")},
                    DecodeRow{{"lone_continuation"}, "A\x80", std::nullopt},
                    DecodeRow{{"truncated_at_end"}, "H2\xE6\xB0", std::nullopt},
                    DecodeRow{{"truncated_mid_text"}, "\xE6\xB0H2", std::nullopt},
                    DecodeRow{{"overlong_slash"}, "\xC0\xAF", std::nullopt},
                    DecodeRow{{"overlong_three"}, "\xE0\x80\xAF", std::nullopt},
                    DecodeRow{{"surrogate"}, "\xED\xA0\x80", std::nullopt},
                    DecodeRow{{"above_range"}, "\xF4\x90\x80\x80", std::nullopt},
                    DecodeRow{{"five_byte_lead"}, "\xF8\x88\x80\x80\x80", std::nullopt},
                    DecodeRow{{"latin1_byte"}, "H\xFF", std::nullopt}),
    RowName());

struct ReplaceRow : Row {
  Text text;
  Text from;
  Text to;
  Text expected;
};

class ReplaceAllTest : public testing::TestWithParam<ReplaceRow> {};

TEST_P(ReplaceAllTest, ReplacesLeftToRightWithoutOverlap) {
  const ReplaceRow& row = GetParam();
  EXPECT_EQ(quorvel::ReplaceAll(row.text, row.from, row.to), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReplaceAllTest,
    testing::Values(
        ReplaceRow{{"none"}, U"H2O", U"-", U"=", U"H2O"},
        ReplaceRow{{"every_one"}, U"a-b-c", U"-", U"=", U"a=b=c"},
        ReplaceRow{{"removal"}, U" a  b ", U" ", U"", U"ab"},
        ReplaceRow{{"odd_run_keeps_one_more"}, U"===", U"==", U"=", U"=="},
        ReplaceRow{{"even_run_halves"}, U"====", U"==", U"=", U"=="},
        ReplaceRow{{"replacement_not_rescanned"}, U"=", U"=", U"==", U"=="},
        ReplaceRow{{"empty_pattern"}, U"abc", U"", U"x", U"abc"},
        ReplaceRow{
            {"per_character_wide"}, U"\u6C34\uFF0B\u6C34", U"\uFF0B", U"+", U"\u6C34+\u6C34"},
        // A character whose low bits spell "-" is not "-".
        ReplaceRow{{"outside_bmp_untouched"}, U"\U0001002D-", U"-", U"=", U"\U0001002D="}),
    RowName());

}  // namespace
}  // namespace quorvel_test
