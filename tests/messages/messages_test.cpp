#include "quorvel/messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace {

using quorvel::messages::Format;
using quorvel::messages::kLanguages;
using quorvel::messages::kMessageCount;
using quorvel::messages::Language;
using quorvel::messages::Message;
using quorvel::messages::Pattern;

// The tables are checked for completeness while compiling; what is left is
// what a pattern says: every language names the same arguments (each as
// often as its grammar wants), and the Chinese table speaks Chinese where
// the English one speaks words.
std::string Placeholders(std::string_view pattern) {
  std::string found;
  for (std::size_t i = 0; i + 2 < pattern.size(); ++i) {
    if (pattern[i] == '{' && pattern[i + 2] == '}' && pattern[i + 1] >= '1' &&
        pattern[i + 1] <= '9' && found.find(pattern[i + 1]) == std::string::npos) {
      found += pattern[i + 1];
    }
  }
  std::sort(found.begin(), found.end());
  return found;
}

// Where a language leaves an argument out on purpose: English names the
// adduct dot by its role, Chinese shows it as typed.
struct Omission {
  Message message;
  Language language;
  std::string_view left_out;
};
constexpr Omission kOmissions[] = {
    {Message::kReasonNothingBeforeDot, Language::kEnglish, "2"},
    {Message::kReasonNothingAfterDot, Language::kEnglish, "2"},
    {Message::kReasonDotInGroup, Language::kEnglish, "2"},
};

std::string Named(Message message, Language language) {
  std::string named = Placeholders(Pattern(message, language));
  for (const Omission& omission : kOmissions) {
    if (omission.message == message && omission.language == language) named += omission.left_out;
  }
  std::sort(named.begin(), named.end());
  return named;
}

TEST(MessagesTest, EveryLanguageNamesTheSamePlaceholders) {
  for (std::size_t i = 0; i < kMessageCount; ++i) {
    const auto message = static_cast<Message>(i);
    for (const Language language : kLanguages) {
      EXPECT_FALSE(Pattern(message, language).empty()) << "message " << i;
      EXPECT_EQ(Named(message, language), Named(message, Language::kEnglish)) << "message " << i;
    }
    // Arguments are numbered from {1} without gaps, so that none is passed in vain.
    const std::string named = Named(message, Language::kEnglish);
    EXPECT_EQ(named, std::string("123456789").substr(0, named.size())) << "message " << i;
  }
}

// The window's default mode shows these exactly, whatever else changes.
struct FixedText {
  Message message;
  std::string_view chinese;
};

TEST(MessagesTest, TheWindowKeepsItsWords) {
  const FixedText fixed[] = {
      {Message::kWindowCaption, "Quorvel1.2"},
      {Message::kWindowHintConditions,
       "为防止出错输入方程式最好略去一切反应条件、气体及沉淀符号，物态，反应物的量。"},
      {Message::kWindowHintCase,
       "请注意元素的大小写，若大小写错误则不能识别。输入方程式的反应物及生成物系数一律不写！"},
      {Message::kWindowHintSubscripts,
       "输入反应物及生成物时无需写下标，直接写系数的数字即可。反应物和生成物连接请用等号。"},
      {Message::kWindowEquationCaption, "方程式："},
      {Message::kWindowResultCaption, "结   果："},
      {Message::kWindowMaker, "Dravik产品"},
      {Message::kWindowBalanceButton, "配平"},
      {Message::kWindowMatrixInitial, "矩阵"},
      {Message::kWindowBalancing, "正在配平中，需要的时间与计算机配置有关......"},
      {Message::kBalanceFailure, "方程式配平失败！可能是输入错误或输入的方程式太复杂导致！"},
      {Message::kWindowAlreadyRunningTitle, "初始化失败"},
      {Message::kWindowAlreadyRunningText,
       "程序处于运行状态！不能多开本程序，请关闭或在任务管理器结束后再运行！"},
      {Message::kWindowOkButton, "确定"},
      {Message::kCpuUsage, "当前系统总CPU占用率：{1} %"},
      {Message::kCpuUsageUnknown, "当前系统总CPU占用率：未知"},
      {Message::kEditUndo, "撤消(&U)"},
      {Message::kEditCut, "剪切(&T)"},
      {Message::kEditCopy, "复制(&C)"},
      {Message::kEditPaste, "粘贴(&P)"},
      {Message::kEditDelete, "删除(&D)"},
      {Message::kEditSelectAll, "全选(&A)"},
  };
  for (const FixedText& text : fixed) {
    EXPECT_EQ(Pattern(text.message, Language::kChinese), text.chinese);
  }
}

struct FormatCase {
  Message message;
  Language language;
  std::initializer_list<std::string_view> arguments;
  std::string expected;
};

TEST(MessagesTest, FormatFillsPlaceholdersAndLeavesOtherBraces) {
  const FormatCase cases[] = {
      {Message::kConsoleLine, Language::kChinese, {"7"}, "第 7 行"},
      {Message::kConsoleLine, Language::kEnglish, {"7"}, "line 7"},
      {Message::kConsoleLine, Language::kEnglish, {}, "line "},           // missing argument
      {Message::kConsoleLine, Language::kEnglish, {"{1}"}, "line {1}"},   // not filled twice
      {Message::kConsoleNote, Language::kChinese, {"unused"}, "说明："},  // extra argument
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(Format(c.message, c.language, c.arguments), c.expected);
  }
}

}  // namespace
