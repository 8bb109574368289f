#pragma once

// Every text the window shows, in UTF-8, in one place: both front ends and
// their tests read them from here.
#include "quorvel/cpu_usage.h"
#include "quorvel/pipeline.h"

namespace quorvel::form {

inline constexpr const char* kWindowCaption = "Quorvel1.2";
// The caption while the chemistry mode answers, so the user sees which rules do.
inline constexpr const char* kChemistryWindowCaption = "Quorvel1.2 - 化学写法";
// The checkable item below the edit items of Text1's right-click menu.
inline constexpr const char* kChemistryMenuItem = "化学写法（多位下标、离子）";

inline constexpr const char* kLabel3Caption =
    "为防止出错输入方程式最好略去一切反应条件、气体及沉淀符号，物态，反应物的量。";
inline constexpr const char* kLabel4Caption =
    "请注意元素的大小写，若大小写错误则不能识别。输入方程式的反应物及生成物系数一律不写！";
inline constexpr const char* kLabel6Caption =
    "输入反应物及生成物时无需写下标，直接写系数的数字即可。反应物和生成物连接请用等号。";
inline constexpr const char* kLabel1Caption = "方程式：";
inline constexpr const char* kLabel2Caption = "结   果：";
inline constexpr const char* kLabel5Caption = "Dravik产品";
inline constexpr const char* kCommand1Caption = "配平";
// Text2 until the first balance replaces it with the composition matrix.
inline constexpr const char* kText2Initial = "矩阵";
// Label7 until the first tick of the timer.
inline constexpr const char* kLabel7Initial = cpu::kUnknownCaptionUtf8;

// Text3 while a balance runs, and after any failed balance.
inline constexpr const char* kStatusText = "正在配平中，需要的时间与计算机配置有关......";
inline constexpr const char* kFailureText = kFailureTextUtf8;
// In the chemistry mode, followed by why the equation does not balance.
inline constexpr const char* kChemistryFailurePrefix = "方程式配平失败！";

// The box a second instance shows before it ends.
inline constexpr const char* kAlreadyRunningTitle = "初始化失败";
inline constexpr const char* kAlreadyRunningText =
    "程序处于运行状态！不能多开本程序，请关闭或在任务管理器结束后再运行！";
// Its one button, whatever language the toolkit's own texts are in.
inline constexpr const char* kOkButtonText = "确定";

}  // namespace quorvel::form
