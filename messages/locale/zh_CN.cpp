// Every text in Simplified Chinese.

#include "../src/table.h"

namespace quorvel::messages::detail {

constexpr Table kChinese = MakeTable({
    // The console.
    {Message::kConsoleLine, "第 {1} 行"},
    {Message::kConsoleArgument, "第 {1} 个方程式参数"},
    {Message::kConsoleReaction, "反应 {1}："},
    {Message::kConsoleNote, "说明："},
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
    {Message::kDetailsNoRedox, "没有元素化合价变化，不是氧化还原反应"},
    {Message::kDetailsAgents, "氧化剂：{1}；还原剂：{2}"},
    {Message::kDetailsRedoxProducts, "氧化产物：{1}；还原产物：{2}"},
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
    {Message::kGivenMalformed, "--given {1}：应写作 物质=数量，如 KMnO4=31.6g"},
    {Message::kGivenUnknownUnit, "--given {1}：单位应为 g、kg、mg 或 mol"},
    {Message::kGivenNotPositive, "--given {1}：数量必须大于 0"},
    {Message::kGivenUnknownSpecies, "--given {1}：方程式中没有 {1}"},
    {Message::kGivenTwice, "--given {1}：给了两次"},
    {Message::kGivenProductAmongOthers, "--given {1}：生成物只能单独给出"},
});

}  // namespace quorvel::messages::detail
