// Every text in Simplified Chinese.

#include "../src/table.h"

namespace quorvel::messages::detail {

constexpr Table kChinese = MakeTable({
    // The console.
    {Message::kConsoleLine, "第 {1} 行"},
    {Message::kConsoleArgument, "第 {1} 个方程式参数"},
    {Message::kConsoleReaction, "反应 {1}："},
    {Message::kConsoleNote, "说明："},
    {Message::kConsoleUsage,
     "用法：quorvel-cli [--matrix] [--json] [方程式 ...]\n"
     "      quorvel-cli --chemistry [--json] [--details] [--given 物质=量 ...]\n"
     "                  [方程式 ...]\n"
     "      quorvel-cli --chemistry --bridge-svg 文件 方程式\n"
     "配平化学方程式，如 \"H2 + O2 = H2O\"。\n"
     "不给方程式时，从标准输入读取，每行一个方程式。\n"
     "\n"
     "  --matrix   在每个结果后输出组成矩阵\n"
     "  --json     每个方程式输出一个 JSON 对象\n"
     "  --help     显示本帮助\n"
     "  --version  显示版本\n"
     "  --web      显示网页版 quorvel.html 的位置，用浏览器打开即可\n"
     "  --chemistry  按化学的写法读取并精确配平（见下）\n"
     "\n"
     "使用 --chemistry 时：下标和系数可以是任意大小；可嵌套括号\n"
     "( ) [ ] { }；水合物 CuSO4·5H2O；电荷 Fe^3+、Fe3+、Fe+3、SO4^2-、OH-、\n"
     "Fe³⁺ 及电子 e-；H₂O；物态标记 (s) (l) (g) (aq)；反应物与生成物之间用\n"
     "= -> → ⟶ ⇌ <=> 或 <-> 连接。也读取课本的写法：SO42-（SO4，电荷 2-），\n"
     "括号中的说明 H2SO4(浓)，反应条件 =点燃= ===△=== →(催化剂) -MnO2->，\n"
     "电极反应 Zn - 2e- = Zn2+ 及标签 负极：，分数系数 1/2O2，以及物质名称如\n"
     "高锰酸钾。每个方程式输出其配平结果或一个空行；\n"
     "不能配平的原因、其中相互独立的反应和说明输出到标准错误，\n"
     "用户的语言是中文时用中文。\n"
     "--json 输出的键有 input、result、enthalpy（热化学方程式的 ΔH）、ok、\n"
     "coefficients、error（总是英文）、\n"
     "reason（失败类型的固定名称）、notes、reactions 和\n"
     "default_reading_differences（默认读法与此不同之处）。\n"
     "超过 512 KiB 的行不读取即拒绝（reason 为 too_long），精确计算超过 1 秒的\n"
     "方程式也一样（too_large）。\n"
     "--details 在每个配平的方程式后列出相对分子质量、摩尔质量、质量比、\n"
     "化合价、反应类型和转移的电子（--json 时为 \"details\" 键）；\n"
     "--given KMnO4=31.6g（单位 g、kg、mg 或 mol，可重复）再列出参加反应的量、\n"
     "过量计算中先用完的反应物和剩余的量。\n"
     "--bridge-svg 文件 把方程式的双线桥画成 SVG 写入文件；不是氧化还原反应时\n"
     "不画（退出状态 2）。\n"
     "  quorvel-cli --chemistry \"C12H22O11 + O2 = CO2 + H2O\"\n"
     "    C12H22O11 + 12O2 = 12CO2 + 11H2O\n"
     "  quorvel-cli --chemistry \"MnO4- + Fe^2+ + H+ -> Mn^2+ + Fe^3+ + H2O\"\n"
     "    MnO4- + 5Fe^2+ + 8H+ -> Mn^2+ + 5Fe^3+ + 4H2O\n"
     "\n"
     "退出状态：全部方程式都配平时为 0，有方程式配平失败时为 1，\n"
     "用法错误或输入不是有效的 UTF-8 时为 2。\n"},
    {Message::kConsoleVersion, "quorvel-cli {1}"},
    {Message::kConsoleUnknownOption, "quorvel-cli：未知选项 {1}"},
    {Message::kConsoleMatrixWithChemistry, "quorvel-cli：--matrix 不能与 --chemistry 同时使用"},
    {Message::kConsoleWhere, "quorvel-cli: {1}: "},
    {Message::kConsoleNotUtf8, "不是有效的 UTF-8 编码"},
    {Message::kConsoleSkipped, "{1}；已跳过该方程式"},
    {Message::kConsoleNoWebPage, "quorvel-cli：未安装网页版（make web 可生成）"},

    // The window, the CPU line, the second-instance box, the edit menu.
    {Message::kWindowCaption, "Quorvel1.2"},
    {Message::kWindowChemistryCaption, "Quorvel1.2 - 化学写法"},
    {Message::kWindowChemistryMenuItem, "化学写法（多位下标、离子）"},
    {Message::kWindowHintConditions,
     "为防止出错输入方程式最好略去一切反应条件、气体及沉淀符号，物态，反应物的量。"},
    {Message::kWindowHintCase,
     "请注意元素的大小写，若大小写错误则不能识别。输入方程式的反应物及生成物系数一律不写！"},
    {Message::kWindowHintSubscripts,
     "输入反应物及生成物时无需写下标，直接写系数的数字即可。反应物和生成物连接请用等号。"},
    {Message::kWindowChemistryHintConditions,
     "化学写法：可写反应条件如 =点燃=、=△=，气体 ↑、沉淀 ↓，物态及浓/稀。"},
    {Message::kWindowChemistryHintCase,
     "元素须区分大小写；离子的电荷写在末尾，如 SO42-、Fe3+；系数可写可不写。"},
    {Message::kWindowChemistryHintSubscripts,
     "下标直接写数字，可多位；也可写名称如高锰酸钾。反应物和生成物用等号连接。"},
    {Message::kWindowGivenCaption, "已知："},
    {Message::kWindowGivenNeedsAnswer, "请先配平一个方程式，再输入已知的量。"},
    {Message::kWindowEquationCaption, "方程式："},
    {Message::kWindowResultCaption, "结   果："},
    {Message::kWindowMaker, "Dravik产品"},
    {Message::kWindowBalanceButton, "配平"},
    {Message::kWindowMatrixInitial, "矩阵"},
    {Message::kWindowBalancing, "正在配平中，需要的时间与计算机配置有关......"},
    {Message::kBalanceFailure, "方程式配平失败！可能是输入错误或输入的方程式太复杂导致！"},
    {Message::kWindowChemistryFailure, "方程式配平失败！{1}"},
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
    {Message::kNoDisplay,
     "quorvel：没有可用的图形显示（没有 X11 或 Wayland 服务器）；请改用控制台程序 quorvel-cli。"},

    // Why an equation cannot be read or balanced: the pieces, then one line a kind.
    {Message::kReasonAt, "第 {1} 个字符"},
    {Message::kReasonQuoted, "“{1}”"},
    {Message::kReasonCodePoint, " {1} "},
    {Message::kReasonTheEnd, "结尾"},
    {Message::kReasonPositive, "正"},
    {Message::kReasonNegative, "负"},
    {Message::kReasonListSeparator, "、"},
    {Message::kReasonPartSeparator, "；"},
    {Message::kReasonReactants, "反应物"},
    {Message::kReasonProducts, "生成物"},
    {Message::kReasonExpectFormula, "化学式"},
    {Message::kReasonExpectSignOrArrow, "“+”或箭头"},
    {Message::kReasonPlusReadAsCharge, "（{1}“+”被当作了 {2} 的电荷）"},
    {Message::kReasonStartsWithCapital, "：元素符号以大写字母开头"},
    {Message::kReasonOrTheCharge, "或电荷"},
    {Message::kReasonOneOnlyAmong, "{1} 只出现在{2}中"},
    {Message::kReasonManyOnlyAmong, "{1} 只出现在{2}中"},
    {Message::kReasonChargeOnlyAmong, "{1}电荷只出现在{2}中"},
    {Message::kReasonChargesCannotCancel, "反应物只带{1}电荷，生成物只带{2}电荷，电荷无法守恒"},
    {Message::kReasonZeroOnlyOne, "只有当 {1} 的系数为 0 时才能配平"},
    {Message::kReasonUnexpectedEnd, "方程式在{1}处意外结束：这里应是{2}"},
    {Message::kReasonInvalidUtf8, "文字不是有效的 UTF-8 编码（第 {1} 个字节有误）"},
    {Message::kReasonEmpty, "方程式是空的"},
    {Message::kReasonTooLong, "方程式超过 {1} 字节的长度上限"},
    {Message::kReasonTooManySpecies, "方程式中的物质超过 {1} 个"},
    {Message::kReasonNoArrow, "反应物与生成物之间缺少“=”或箭头"},
    {Message::kReasonSecondArrow, "{2}处又出现一个箭头{1}：一个方程式只能有一个箭头"},
    {Message::kReasonNoReactants, "{2}{1}之前没有反应物"},
    {Message::kReasonNothingBeforePlus, "{1}“+”之前没有物质"},
    {Message::kReasonNoProducts, "{2}{1}之后没有生成物"},
    {Message::kReasonNothingAfterSign, "{2}{1}之后没有物质"},
    {Message::kReasonUnexpected, "{2}{1}不应出现在这里：这里应是{3}"},
    {Message::kReasonZeroCoefficient, "{1}处的系数是 0：系数必须是正整数"},
    {Message::kReasonCoefficientAlone, "{1}处的系数后面没有化学式"},
    {Message::kReasonBadElectron, "{1}处的电子应写作 e-、e^- 或 e⁻"},
    {Message::kReasonUnknownElement, "{2}处的“{1}”不是元素符号{3}"},
    {Message::kReasonNestedTooDeep, "{2}处的括号嵌套超过 {1} 层"},
    {Message::kReasonClosesNothing, "{2}{1}前面没有与之配对的左括号"},
    {Message::kReasonMismatchedBracket, "{2}{1}与{4}{3}不配对"},
    {Message::kReasonEmptyGroup, "{1}处的括号里是空的"},
    {Message::kReasonNeverClosed, "{2}{1}缺少与之配对的右括号"},
    {Message::kReasonNothingBeforeDot, "{1}处的圆点{2}之前没有内容"},
    {Message::kReasonNothingAfterDot, "{1}处的圆点{2}之后没有内容"},
    {Message::kReasonDotInGroup, "{1}处的圆点{2}在括号里：圆点不能写在括号内"},
    {Message::kReasonCountWithoutFormula, "{1}处的下标前面没有元素符号或括号"},
    {Message::kReasonNoCharge, "{2}{1}后面不是电荷：电荷应写成 ^2+、^- 或 {3+} 这样"},
    {Message::kReasonUnsignedCharge, "{1}处的上标电荷缺少正负号：应写成 ²⁺ 或 ²⁻ 这样"},
    {Message::kReasonZeroCount, "{1}处的下标是 0：下标必须是正整数"},
    {Message::kReasonZeroCharge, "{1}处的电荷是 0：电荷不能为 0，不带电荷时不写"},
    {Message::kReasonLongCount, "{1}处的下标超过 {2} 位数字"},
    {Message::kReasonLongCharge, "{1}处的电荷超过 {2} 位数字"},
    {Message::kReasonSecondCoefficient, "{1}处的数字前面已经有系数了：一个化学式前只写一个系数"},
    {Message::kReasonCountAfterOxidation,
     "{1}处的下标写在了{3}的化合价{2}后面：化合价不计原子数，下标应紧跟在元素符号后"},
    {Message::kReasonSubscriptThenDigits,
     "{2}的数字{1}"
     "跟在下标后面：下标要么全用下标数字（O₂），要么全用普通数字（O2）；电荷写在后面，如 ²⁻ 或 "
     "^2-"},
    {Message::kReasonMisplacedFraction,
     "{2}的分数{1}只能表示整个部分的数目：应写在圆点后（CaSO4·½H2O），或作为系数写在化学式前"},
    {Message::kReasonLabelledIsotope,
     "{1}的质量数标在了 {2} 上，而 {2} 本身已表示同位素：只写 {2}，或写成 ^2H、^3H"},
    {Message::kReasonNoSuchIsotope,
     "{2}的质量数{1}不是 {3} 的同位素：质量数不小于原子序数，如 ¹⁴C 或 [14C]"},
    {Message::kReasonNoCoefficients, "找不到能配平的系数：无论系数怎样取，总有元素{1}不守恒"},
    {Message::kReasonZeroOnly, "只有当 {1} 的系数为 0 时才能配平"},
    {Message::kReasonNoPositive, "找不到全为正数的系数：只有把 {1} 放到方程式的另一边才能配平"},
    {Message::kReasonSeveral, "配平方式不止一种：这个方程式包含 {1} 个相互独立的反应"},
    {Message::kReasonTooLarge, "方程式太大，无法配平：精确计算未能在 {1} 秒的时间上限内完成"},
    {Message::kReasonConditionWithoutSign,
     "{2}的反应条件{1}前后缺少“=”或箭头：应写成 ={3}= 或 →({3})"},
    {Message::kReasonLikelyFormula, "；应写 {1}"},
    {Message::kReasonEnthalpyUnread,
     "{2}的 ΔH 项{1}无法识别：应写在方程式之后，如 ΔH = -571.6 kJ/mol 或 ΔH < 0"},
    {Message::kReasonEnthalpyWithoutEquation,
     "{2}的 ΔH 项{1}之前方程式还不完整：应写在生成物之后，如 2H2 + O2 = 2H2O ΔH = -571.6 kJ/mol"},
    {Message::kReasonEnthalpyUnbalanced,
     "热化学方程式的系数与 ΔH 对应，所写系数不配平（配平后为 {1}）：请写出与 {2} 对应的系数"},
    {Message::kReasonBondOrSign,
     "{1}的“=”在 {2} 之中，而两边之间也用“=”连接：若是双键，两边之间请改用箭头（→）；"
     "否则请在等号两边加空格"},
    // Names of substances.
    {Message::kReasonUnknownName, "无法识别{2}起的名称{1}{3}"},
    {Message::kReasonDidYouMean, "；是不是{1}？"},
    {Message::kReasonAmbiguousName, "{2}起的名称{1}可指不止一种物质（{3}）：请写出化学式"},
    // The details of an answer.
    {Message::kDetailsRelativeMasses, "相对分子质量：{1}"},
    {Message::kDetailsMolarMasses, "摩尔质量（g/mol）：{1}"},
    {Message::kDetailsSpeciesValue, "{1} {2}"},
    {Message::kDetailsMassRatio, "质量比：{1}"},
    {Message::kDetailsStates, "化合价：{1}"},
    {Message::kDetailsStatesOfSpecies, "{1} 中 {2}"},
    {Message::kDetailsStateUndecided, "{1} 无法确定"},
    {Message::kDetailsListSeparator, "，"},
    {Message::kDetailsGroupSeparator, "；"},
    {Message::kDetailsAlternativeSeparator, "、"},
    {Message::kDetailsReactionType, "反应类型：{1}"},
    {Message::kDetailsCombination, "化合反应"},
    {Message::kDetailsDecomposition, "分解反应"},
    {Message::kDetailsSingleDisplacement, "置换反应"},
    {Message::kDetailsDoubleDisplacement, "复分解反应"},
    {Message::kDetailsNeutralization, "复分解反应（中和反应）"},
    {Message::kDetailsNoBasicType, "不属于四种基本反应类型"},
    {Message::kDetailsNoRedox, "不是氧化还原反应：没有元素的化合价发生变化"},
    {Message::kDetailsChanges, "化合价变化："},
    {Message::kDetailsOxidizingAgent, "氧化剂：{1}"},
    {Message::kDetailsReducingAgent, "还原剂：{1}"},
    {Message::kDetailsOxidationProduct, "氧化产物：{1}"},
    {Message::kDetailsReductionProduct, "还原产物：{1}"},
    {Message::kDetailsNone, "无"},
    {Message::kDetailsGained, "{1}：{2} → {3}（{4} → {5}），得到 {6}，化合价降低，被还原"},
    {Message::kDetailsLost, "{1}：{2} → {3}（{4} → {5}），失去 {6}，化合价升高，被氧化"},
    {Message::kDetailsElectrons, "转移电子：{1}"},
    {Message::kDetailsAmount, "{1}：{2} mol，{3} g"},
    {Message::kDetailsAmounts, "参加反应和生成的物质的量与质量："},
    {Message::kDetailsLimiting, "{1} 先反应完"},
    {Message::kDetailsLeftOver, "剩余 {1}：{2} g"},
    {Message::kDetailsNoteOutsideExamTable,
     "{1} 不在考试用的相对原子质量表中，按其标准原子量保留一位小数计算"},
    {Message::kDetailsNoteIsotopeMass, "{1} 的摩尔质量按质量数计算"},
    {Message::kDetailsNoteUndecided, "无法确定 {2} 中 {1} 的化合价"},
    {Message::kDetailsNoteRedoxUndecided, "有元素的化合价无法确定，未求电子转移"},
    {Message::kGivenMalformed, "{1}：应写作 物质=数量，如 KMnO4=31.6g"},
    {Message::kGivenUnknownUnit, "{1}：单位应为 g、kg、mg 或 mol"},
    {Message::kGivenNotPositive, "{1}：数量必须大于 0"},
    {Message::kGivenUnknownSpecies, "{1}：方程式中没有 {1}"},
    {Message::kGivenTwice, "{1}：给了两次"},
    {Message::kGivenProductAmongOthers, "{1}：生成物只能单独给出"},
    {Message::kDetailsIonicNoBasicType, "离子方程式（含电极反应）不按四种基本反应类型分类"},
    // 答案的说明。
    {Message::kNoteChargeRead, "{1} 读作 {2}，电荷为 {3}"},
    {Message::kNoteChargeReadOther, "{1} 读作 {2}，电荷为 {3}；若指电荷为 {5} 的 {4}，请写 {6}"},
    {Message::kNoteChargeNotIsotope,
     "{1} 读作 {2}，电荷为 {3}-；若指同位素，请写 ^{3}{2} 或 [{3}{2}]"},
    {Message::kNoteNamesRead, "名称已读作化学式：{1}"},
    {Message::kNoteTypedKept,
     "所写系数已使方程式配平，予以保留；此方程式含 {1} 个独立反应，其他系数组合也能配平"},
    {Message::kNoteLikelyFormula, "{2} 是否应为 {1}？写作 {1} 时配平为 {3}"},
    {Message::kNoteLeadingCount,
     "{2} 中的 {1} 是它后面第一部分的个数；若指 {1} 个 {3}，请写 {1} {3}"},
    {Message::kNoteOxidationCountsNoAtoms, "{1} 中标出的化合价不计入原子个数"},
    {Message::kNoteOxidationStateIon,
     "{1} 读作化合价，即电荷为 {2}+ 的离子；若要计碘或钒的原子，请去掉括号"},
    {Message::kNoteBalancesLeavingOneOut, "去掉它后，配平为 {1}"},
    {Message::kNoteBalancesLeavingSomeOut, "去掉它们后，配平为 {1}"},
    {Message::kNoteBalancesOtherSide, "把 {1} 移到方程式的另一边，配平为 {2}"},
    {Message::kNoteFirstReactionsListed, "共有 {2} 个相互独立的反应，只列出前 {1} 个"},
    {Message::kNoteMixtureRead, "{1} 是混合物或溶液，按其主要成分 {2} 计"},
    {Message::kNotePolymerRead, "{1} 即 ({2})n，这里按一个单元 {2} 配平"},
    // The web page.
    {Message::kPageGivenCaption, "已知："},
    {Message::kPageGivenHint, "如 KMnO4 31.6g，几个已知量用逗号隔开；单位 g、kg、mg 或 mol"},
    {Message::kPageDetailsCaption, "详解"},
    {Message::kPageBridgesCaption, "双线桥"},
    {Message::kPageHint,
     "按化学的写法输入：多位下标 C12H22O11、括号 Ca3(PO4)2、水合物 CuSO4·5H2O、"
     "离子 Fe^3+、反应条件 =△=，也可以写物质的名称，如 高锰酸钾。"},
    {Message::kPageLoading, "正在载入……"},
    {Message::kPageNotStarted, "配平程序未能启动：{1}"},
    {Message::kPageNeedsScript, "本页需要浏览器允许运行脚本。"},
    // The 双线桥 drawing.
    {Message::kDrawingLost, "失去 {1}"},
    {Message::kDrawingGained, "得到 {1}"},
    {Message::kDrawingRises, "化合价升高，被氧化"},
    {Message::kDrawingFalls, "化合价降低，被还原"},
    {Message::kDrawingLabelJoin, "，"},
    {Message::kDrawingName, "{1} 的双线桥"},
    {Message::kDrawingCopyImage, "复制图像"},
    {Message::kConsoleBridgeNeedsOne, "quorvel-cli：--bridge-svg 只画一个方程式参数"},
    {Message::kConsoleBridgeNotDrawn, "quorvel-cli：--bridge-svg：{1}，没有可画的双线桥"},
    {Message::kConsoleBridgeCannotWrite, "quorvel-cli：--bridge-svg：无法写入 {1}"},
});

}  // namespace quorvel::messages::detail
