// The catalogue: for every reason kind its key for scripts and its line in
// English and in Simplified Chinese, side by side, so that a new kind cannot
// get one language without the other. The English lines are the library's
// long-standing messages; scripts and tests compare them exactly.

#include "reason_texts.h"

#include <array>
#include <cstdio>
#include <string>
#include <utility>

namespace quorvel::chemistry {
namespace {

struct Entry {
  const char* key;
  std::string english;
  std::string chinese;
};

std::string Number(std::size_t n) { return std::to_string(n); }

// A control character cannot be shown inside quotes: U+XXXX instead.
std::string CodePointName(const std::string& typed) {
  unsigned code = 0x110000;
  const auto lead = static_cast<unsigned char>(typed[0]);
  if (typed.size() == 1) code = lead;
  if (typed.size() == 2 && lead == 0xC2) code = static_cast<unsigned char>(typed[1]);
  if (code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0)) {
    std::array<char, 16> name{};
    std::snprintf(name.data(), name.size(), "U+%04X", code);
    return name.data();
  }
  return "";
}

// The typed text as a message shows it; an empty text is the end of the line.
std::string QuotedEn(const std::string& typed) {
  if (typed.empty()) return "the end";
  if (std::string name = CodePointName(typed); !name.empty()) return name;
  return "\"" + typed + "\"";
}

std::string QuotedZh(const std::string& typed) {
  if (typed.empty()) return "结尾";
  if (std::string name = CodePointName(typed); !name.empty()) return " " + name + " ";
  return "“" + typed + "”";
}

std::string AtEn(std::size_t position) { return "at position " + Number(position); }
std::string AtZh(std::size_t position) { return "第 " + Number(position) + " 个字符"; }

// "positive", "negative" or "" for a charge's sign.
std::string SignEn(int sign) { return sign > 0 ? "positive" : sign < 0 ? "negative" : ""; }
std::string SignZh(int sign) { return sign > 0 ? "正" : sign < 0 ? "负" : ""; }

// An element or the charge on one side only; each part names its side.
Entry OneSided(const Reason& r) {
  Entry e{"one_sided", "", ""};
  auto add = [&e](const std::string& english, const std::string& chinese) {
    e.english += (e.english.empty() ? "" : "; ") + english;
    e.chinese += (e.chinese.empty() ? "" : "；") + chinese;
  };
  auto elements = [&](const std::vector<std::string>& names, const char* side_en,
                      const char* side_zh) {
    if (names.empty()) return;
    add(detail::JoinNames(names, Language::kEnglish) +
            (names.size() == 1 ? " appears" : " appear") + " only among the " + side_en,
        detail::JoinNames(names, Language::kChinese) + " 只出现在" + side_zh + "中");
  };
  elements(r.items, "reactants", "反应物");
  elements(r.other_items, "products", "生成物");
  const int left = r.reactant_charge_sign;
  const int right = r.product_charge_sign;
  if (left != 0 && right == 0) {
    add(SignEn(left) + " charge appears only among the reactants",
        SignZh(left) + "电荷只出现在反应物中");
  } else if (left == 0 && right != 0) {
    add(SignEn(right) + " charge appears only among the products",
        SignZh(right) + "电荷只出现在生成物中");
  } else if (left != 0 && right != 0) {
    add("the reactants carry only " + SignEn(left) + " charge and the products only " +
            SignEn(right) + " charge",
        "反应物只带" + SignZh(left) + "电荷，生成物只带" + SignZh(right) + "电荷，电荷无法守恒");
  }
  return e;
}

Entry Unexpected(const Reason& r) {
  const bool formula = r.expected == kExpectFormula;
  Entry e{"unexpected",
          "unexpected " + QuotedEn(r.text) + " " + AtEn(r.position) + ": expected " +
              (formula ? "a formula" : "\"+\" or an arrow"),
          (r.text.empty() ? "方程式在" + AtZh(r.position) + "处意外结束"
                          : AtZh(r.position) + QuotedZh(r.text) + "不应出现在这里") +
              "：这里应是" + (formula ? "化学式" : "“+”或箭头")};
  if (r.other_position != 0) {
    e.english += " (the \"+\" " + AtEn(r.other_position) + " was read as the charge of " +
                 r.other_text + ")";
    e.chinese += "（" + AtZh(r.other_position) + "“+”被当作了 " + r.other_text + " 的电荷）";
  }
  return e;
}

Entry EntryFor(const Reason& r) {
  const std::string at = AtEn(r.position);
  const std::string zh = AtZh(r.position);
  const std::string n = Number(r.count);
  switch (r.kind) {
    case ReasonKind::kNone:
    case ReasonKind::kLastReason:
      break;
    case ReasonKind::kInvalidUtf8:
      return {"invalid_utf8", "not valid UTF-8 at byte " + Number(r.position),
              "文字不是有效的 UTF-8 编码（第 " + Number(r.position) + " 个字节有误）"};
    case ReasonKind::kEmpty:
      return {"empty", "the equation is empty", "方程式是空的"};
    case ReasonKind::kTooLong:
      return {"too_long", "the equation is longer than " + n + " bytes",
              "方程式超过 " + n + " 字节的长度上限"};
    case ReasonKind::kTooManySpecies:
      return {"too_many_species", "more than " + n + " species", "方程式中的物质超过 " + n + " 个"};
    case ReasonKind::kNoArrow:
      return {"no_arrow", "no \"=\" or arrow between the reactants and the products",
              "反应物与生成物之间缺少“=”或箭头"};
    case ReasonKind::kSecondArrow:
      return {"second_arrow",
              "a second arrow " + QuotedEn(r.text) + " " + at + ": an equation has one",
              zh + "处又出现一个箭头" + QuotedZh(r.text) + "：一个方程式只能有一个箭头"};
    case ReasonKind::kNoReactants:
      return {"no_reactants", "no reactants before " + QuotedEn(r.text) + " " + at,
              zh + QuotedZh(r.text) + "之前没有反应物"};
    case ReasonKind::kNothingBeforePlus:
      return {"nothing_before_plus", "nothing before \"+\" " + at, zh + "“+”之前没有物质"};
    case ReasonKind::kNoProducts:
      return {"no_products", "no products after " + QuotedEn(r.text) + " " + at,
              zh + QuotedZh(r.text) + "之后没有生成物"};
    case ReasonKind::kNothingAfterSign:
      return {"nothing_after_sign", "nothing after " + QuotedEn(r.text) + " " + at,
              zh + QuotedZh(r.text) + "之后没有物质"};
    case ReasonKind::kUnexpected:
      return Unexpected(r);
    case ReasonKind::kZeroCoefficient:
      return {"zero_coefficient", "a coefficient of 0 " + at,
              zh + "处的系数是 0：系数必须是正整数"};
    case ReasonKind::kCoefficientAlone:
      return {"coefficient_alone", "the coefficient " + at + " stands before no formula",
              zh + "处的系数后面没有化学式"};
    case ReasonKind::kBadElectron:
      return {"bad_electron", "the electron " + at + " is written e-, e^- or e⁻",
              zh + "处的电子应写作 e-、e^- 或 e⁻"};
    case ReasonKind::kUnknownElement: {
      const bool small = r.expected == kExpectCapital;
      return {"unknown_element",
              "unknown element symbol \"" + r.text + "\" " + at +
                  (small ? ": a symbol starts with a capital letter" : ""),
              zh + "处的“" + r.text + "”不是元素符号" + (small ? "：元素符号以大写字母开头" : "")};
    }
    case ReasonKind::kNestedTooDeep:
      return {"nested_too_deep", "groups nested more than " + n + " deep " + at,
              zh + "处的括号嵌套超过 " + n + " 层"};
    case ReasonKind::kClosesNothing:
      return {"closes_nothing", QuotedEn(r.text) + " " + at + " closes nothing",
              zh + QuotedZh(r.text) + "前面没有与之配对的左括号"};
    case ReasonKind::kMismatchedBracket:
      return {"mismatched_bracket",
              QuotedEn(r.text) + " " + at + " does not close " + QuotedEn(r.other_text) + " " +
                  AtEn(r.other_position),
              zh + QuotedZh(r.text) + "与" + AtZh(r.other_position) + QuotedZh(r.other_text) +
                  "不配对"};
    case ReasonKind::kEmptyGroup:
      return {"empty_group", "empty group " + at, zh + "处的括号里是空的"};
    case ReasonKind::kNeverClosed:
      return {"never_closed", QuotedEn(r.text) + " " + at + " is never closed",
              zh + QuotedZh(r.text) + "缺少与之配对的右括号"};
    case ReasonKind::kNothingBeforeDot:
      return {"nothing_before_dot", "nothing before the adduct dot " + at,
              zh + "处的圆点" + QuotedZh(r.text) + "之前没有内容"};
    case ReasonKind::kNothingAfterDot:
      return {"nothing_after_dot", "nothing after the adduct dot " + at,
              zh + "处的圆点" + QuotedZh(r.text) + "之后没有内容"};
    case ReasonKind::kDotInGroup:
      return {"dot_in_group", "an adduct dot inside a group " + at,
              zh + "处的圆点" + QuotedZh(r.text) + "在括号里：圆点不能写在括号内"};
    case ReasonKind::kCountWithoutFormula:
      return {"count_without_formula", "the count " + at + " follows no element or group",
              zh + "处的下标前面没有元素符号或括号"};
    case ReasonKind::kNoCharge:
      return {"no_charge",
              QuotedEn(r.text) + " " + at + " starts no charge: write it like ^2+, ^- or {3+}",
              zh + QuotedZh(r.text) + "后面不是电荷：电荷应写成 ^2+、^- 或 {3+} 这样"};
    case ReasonKind::kUnsignedCharge:
      return {"unsigned_charge",
              "the superscript charge " + at + " has no sign: write it like ²⁺ or ²⁻",
              zh + "处的上标电荷缺少正负号：应写成 ²⁺ 或 ²⁻ 这样"};
    case ReasonKind::kZeroCount:
      return {"zero_count", "a count of 0 " + at, zh + "处的下标是 0：下标必须是正整数"};
    case ReasonKind::kZeroCharge:
      return {"zero_charge", "a charge of 0 " + at,
              zh + "处的电荷是 0：电荷不能为 0，不带电荷时不写"};
    case ReasonKind::kLongCount:
      return {"long_count", "the count " + at + " has more than " + n + " digits",
              zh + "处的下标超过 " + n + " 位数字"};
    case ReasonKind::kLongCharge:
      return {"long_charge", "the charge " + at + " has more than " + n + " digits",
              zh + "处的电荷超过 " + n + " 位数字"};
    case ReasonKind::kSecondCoefficient:
      return {"second_coefficient",
              "the number " + at +
                  " stands before a formula that has a coefficient already: write one number",
              zh + "处的数字前面已经有系数了：一个化学式前只写一个系数"};
    case ReasonKind::kCountAfterOxidation:
      return {"count_after_oxidation",
              "the count " + at + " follows the oxidation state " + QuotedEn(r.other_text) + " " +
                  AtEn(r.other_position) +
                  ", which counts no atoms: write the count right after the symbol",
              zh + "处的下标写在了" + AtZh(r.other_position) + "的化合价" + QuotedZh(r.other_text) +
                  "后面：化合价不计原子数，下标应紧跟在元素符号后"};
    case ReasonKind::kSubscriptThenDigits:
      return {"digits_after_subscript",
              "the digits " + QuotedEn(r.text) + " " + at +
                  " follow a subscript: write a count all in subscripts (O₂) or all in digits "
                  "(O2), and a charge after it as ²⁻ or ^2-",
              zh + "的数字" + QuotedZh(r.text) +
                  "跟在下标后面：下标要么全用下标数字（O₂），要么全用普通数字（O2）；"
                  "电荷写在后面，如 ²⁻ 或 ^2-"};
    case ReasonKind::kMisplacedFraction:
      return {"misplaced_fraction",
              "the fraction " + QuotedEn(r.text) + " " + at +
                  " counts a whole part only: write it after an adduct dot (CaSO4·½H2O) or "
                  "before the formula as its coefficient",
              zh + "的分数" + QuotedZh(r.text) +
                  "只能表示整个部分的数目：应写在圆点后（CaSO4·½H2O），或作为系数写在化学式前"};
    case ReasonKind::kLabelledIsotope:
      return {"labelled_isotope",
              "the mass number " + at + " labels " + r.text + ", which has its own: write " +
                  r.text + " alone, or ^2H or ^3H",
              zh + "的质量数标在了 " + r.text + " 上，而 " + r.text + " 本身已表示同位素：只写 " +
                  r.text + "，或写成 ^2H、^3H"};
    case ReasonKind::kNoSuchIsotope:
      return {"no_such_isotope",
              "the mass number " + QuotedEn(r.text) + " " + at + " is no isotope of " +
                  r.other_text +
                  ": a mass number is at least the atomic number, as in ¹⁴C or [14C]",
              zh + "的质量数" + QuotedZh(r.text) + "不是 " + r.other_text +
                  " 的同位素：质量数不小于原子序数，如 ¹⁴C 或 [14C]"};
    case ReasonKind::kOneSided:
      return OneSided(r);
    case ReasonKind::kNoCoefficients:
      return {"no_coefficients",
              std::string("no coefficients balance it: every choice leaves an element") +
                  (r.charged ? " or the charge" : "") + " unbalanced",
              std::string("找不到能配平的系数：无论系数怎样取，总有元素") +
                  (r.charged ? "或电荷" : "") + "不守恒"};
    case ReasonKind::kZeroOnly:
      return {
          "zero_only",
          "it balances only if " + detail::JoinNames(r.items, Language::kEnglish) +
              (r.items.size() == 1 ? " gets" : " get") + " the coefficient 0",
          "只有当 " + detail::JoinNames(r.items, Language::kChinese) + " 的系数为 0 时才能配平"};
    case ReasonKind::kNoPositive:
      return {"no_positive",
              "no positive coefficients balance it: it balances only with " +
                  detail::JoinNames(r.items, Language::kEnglish) + " on the other side",
              "找不到全为正数的系数：只有把 " + detail::JoinNames(r.items, Language::kChinese) +
                  " 放到方程式的另一边才能配平"};
    case ReasonKind::kSeveral:
      return {"several",
              "it balances in more than one way: it combines " + n + " independent reactions",
              "配平方式不止一种：这个方程式包含 " + n + " 个相互独立的反应"};
    case ReasonKind::kTooLarge:
      return {"too_large",
              "too large to balance: the exact arithmetic did not finish within the time limit "
              "of " + n + " s",
              "方程式太大，无法配平：精确计算未能在 " + n + " 秒的时间上限内完成"};
    case ReasonKind::kUnknownName: {
      Entry e{"unknown_name", "unknown name " + QuotedEn(r.text) + " " + at,
              "无法识别" + zh + "起的名称" + QuotedZh(r.text)};
      if (r.other_items.empty()) return e;
      std::vector<std::string> quoted_en;
      std::vector<std::string> quoted_zh;
      for (const std::string& name : r.other_items) {
        quoted_en.push_back(QuotedEn(name));
        quoted_zh.push_back(QuotedZh(name));
      }
      e.english += "; did you mean " + detail::JoinNames(quoted_en) + "?";
      e.chinese += "；是不是" + detail::JoinNames(quoted_zh, Language::kChinese) + "？";
      return e;
    }
    case ReasonKind::kAmbiguousName:
      return {"ambiguous_name",
              "the name " + QuotedEn(r.text) + " " + at + " means more than one substance (" +
                  detail::JoinNames(r.items) + "): write the formula",
              zh + "起的名称" + QuotedZh(r.text) + "可指不止一种物质（" +
                  detail::JoinNames(r.items, Language::kChinese) + "）：请写出化学式"};
  }
  return {"none", "", ""};
}

}  // namespace

namespace detail {

std::string JoinNames(const std::vector<std::string>& names, Language language) {
  const char* separator = language == Language::kChinese ? "、" : ", ";
  std::string joined;
  for (const std::string& name : names) joined += (joined.empty() ? "" : separator) + name;
  return joined;
}

}  // namespace detail

std::string Explain(const Reason& reason, Language language) {
  Entry entry = EntryFor(reason);
  return language == Language::kChinese ? std::move(entry.chinese) : std::move(entry.english);
}

std::string_view ReasonKey(ReasonKind kind) {
  Reason reason;
  reason.kind = kind;
  return EntryFor(reason).key;
}

}  // namespace quorvel::chemistry
