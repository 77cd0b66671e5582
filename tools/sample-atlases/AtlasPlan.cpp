#include "tools/sample-atlases/AtlasPlan.h"

namespace quillmoor::samples {
namespace {

const char kRules[] = "第一部分 制图规则";
const char kDetails[] = "第二部分 标准构造详图";

AtlasPlan Atlas(const char* code, const char* title, std::vector<ChapterPlan> chapters, bool isDefault = false) {
  const std::string file = std::string(isDefault ? "" : "atlases/") + code + ".pdf";
  return {code, title, file, std::move(chapters)};
}

std::vector<AtlasPlan> MakePlans() {
  return {
      Atlas("16G101-1", "混凝土结构施工图平面整体表示方法制图规则和构造详图（现浇混凝土框架、剪力墙、梁、板）",
            {{kRules, {{"总则", 2}, {"柱平法施工图制图规则", 3}, {"剪力墙平法施工图制图规则", 2}, {"梁平法施工图制图规则", 3}}},
             {kDetails, {{"框架柱钢筋构造", 4}, {"剪力墙钢筋构造", 3}, {"框架梁钢筋构造", 4}, {"楼板钢筋构造", 3}}}},
            true),
      Atlas("16G101-2", "混凝土结构施工图平面整体表示方法制图规则和构造详图（现浇混凝土板式楼梯）",
            {{kRules, {{"板式楼梯制图规则", 3}}}, {kDetails, {{"AT型楼梯板配筋构造", 3}, {"楼梯平台板构造", 2}}}}),
      Atlas("16G101-3", "混凝土结构施工图平面整体表示方法制图规则和构造详图（独立基础、条形基础、筏形基础及桩基础）",
            {{kRules, {{"独立基础制图规则", 2}, {"条形基础制图规则", 2}, {"筏形基础制图规则", 2}}},
             {kDetails, {{"独立基础钢筋构造", 2}, {"条形基础钢筋构造", 2}, {"桩基承台构造", 2}}}}),
      Atlas("22G101-1", "混凝土结构施工图平面整体表示方法制图规则和构造详图（现浇混凝土框架、剪力墙、梁、板）",
            {{kRules, {{"柱平法制图规则", 2}, {"剪力墙平法制图规则", 2}, {"梁平法制图规则", 2}, {"板平法制图规则", 2}}},
             {kDetails, {{"框架柱钢筋构造", 2}, {"剪力墙钢筋构造", 2}, {"框架梁钢筋构造", 2}, {"楼板钢筋构造", 2}}}}),
      Atlas("22G101-2", "混凝土结构施工图平面整体表示方法制图规则和构造详图（现浇混凝土板式楼梯）",
            {{kRules, {{"板式楼梯制图规则", 2}}}, {kDetails, {{"梯板配筋构造", 2}, {"楼梯抗震构造", 2}}}}),
      Atlas("22G101-3", "混凝土结构施工图平面整体表示方法制图规则和构造详图（独立基础、条形基础、筏形基础、桩基础）",
            {{kRules, {{"独立基础制图规则", 2}, {"筏形基础制图规则", 2}}},
             {kDetails, {{"独立基础钢筋构造", 2}, {"筏形基础钢筋构造", 2}, {"桩基础钢筋构造", 2}}}}),
      Atlas("18G901-1", "混凝土结构施工钢筋排布规则与构造详图（现浇混凝土框架、剪力墙、梁、板）",
            {{"第一部分 一般构造要求", {{"钢筋排布一般规定", 2}, {"钢筋连接与锚固", 2}}},
             {"第二部分 钢筋排布规则与构造详图",
              {{"框架柱钢筋排布", 3}, {"剪力墙钢筋排布", 2}, {"框架梁钢筋排布", 3}, {"楼板钢筋排布", 2}}}}),
      Atlas("12G614-1", "砌体填充墙结构构造",
            {{"第一部分 一般要求", {{"填充墙材料与构造要求", 2}}},
             {"第二部分 构造详图", {{"填充墙拉结筋构造", 2}, {"构造柱与水平系梁", 2}}}}),
      Atlas("15G107-1", "装配式混凝土结构表示方法及示例（剪力墙结构）",
            {{"第一部分 表示方法", {{"预制墙板表示方法", 2}, {"连接节点表示方法", 2}}},
             {"第二部分 示例", {{"剪力墙结构平面示例", 2}, {"预制构件详图示例", 2}}}}),
      Atlas("16G362", "钢筋混凝土结构预埋件",
            {{"第一部分 一般规定", {{"预埋件设计要求", 2}}},
             {"第二部分 构造详图", {{"锚板与锚筋构造", 3}, {"吊环构造", 2}}}}),
  };
}

}  // namespace

const std::vector<AtlasPlan>& SampleAtlasPlans() {
  static const std::vector<AtlasPlan> plans = MakePlans();
  return plans;
}

int PageCount(const AtlasPlan& plan) {
  int count = 0;
  for (const ChapterPlan& chapter : plan.chapters)
    for (const SectionPlan& section : chapter.sections) count += section.sheets;
  return count;
}

std::string SheetTitle(const SectionPlan& section, int sheetInSection, int pageNumber) {
  static const char* const kNumerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
  std::string title = section.name;
  if (section.sheets > 1 && sheetInSection >= 1 && sheetInSection <= 10)
    title += std::string("（") + kNumerals[sheetInSection - 1] + "）";
  return title + " 第" + std::to_string(pageNumber) + "页";
}

}  // namespace quillmoor::samples
