#include "db/name_database_schema.h"

#include "db/text_border.h"

namespace qinghe {
namespace {

FieldDef Int(const char* name) {
    return {name, kFieldInteger, 10, 0, {}};
}
FieldDef Var(const char* name, int size) {
    return {name, kFieldVarChar, size, 0, {}};
}

std::vector<TableSchema> TablesUtf8() {
    std::vector<FieldDef> articles = {Int("ID"), Var("分类ID", 50), Var("分类标题", 20),
                                      Var("标题", 100), Var("内容", 2000)};
    return {
        {"QH_CNWord",
         {Int("Id"), Int("code"), Var("汉字", 2), Var("简体", 2), Var("繁体", 2), Int("简体笔画数"),
          Int("繁体笔画数"), Var("拼音1", 20), Var("拼音2", 20), Var("声母", 1), Var("韵母", 3),
          Var("部首", 1), Var("五行属性", 2), Var("五笔", 4), Var("基本解释", 700),
          Var("详细解释", 700)}},
        {"QH_三才配置",
         {Int("Id"),
          Var("三才", 6),
          Var("吉凶", 4),
          Var("解释一", 140),
          Var("解释二", 80),
          Var("总论", 92),
          Var("性格", 200),
          Var("意志", 100),
          Var("事业", 100),
          Var("家庭", 100),
          Var("婚姻", 100),
          Var("子女", 100),
          Var("社交", 100),
          Var("精神", 100),
          Var("财运", 100),
          Var("健康", 100),
          Var("老运", 100),
          Var("对基础运的影响", 100),
          Var("对成功运的影响", 100),
          Var("对人际关系的影响", 100),
          Var("对性格的影响", 150)}},
        {"QH_八一灵动数",
         {Int("Id"), Var("吉凶", 4), Var("解释一", 100), Var("解释二", 100), Var("解释三", 1000),
          Var("基业", 1000), Var("家庭", 1000), Var("健康", 1000), Var("含义", 1000),
          Var("数理暗示", 1000)}},
        {"QH_EName",
         {Int("Id"), Var("EIndex", 1), Var("EIndex2", 2), Var("Name", 20), Var("NameLength", 10),
          Int("Sex"), Var("Cnword", 50), Var("Morphology", 20), Var("Languag", 20),
          Var("Mean", 20)}},
        {"QH_Poet", {Int("Id"), Var("Poet", 10), Var("PoemCount", 10), Int("OrderId")}},
        {"QH_全唐诗",
         {Int("Id"), Var("标题", 30), Var("作者", 10), Var("内容", 1000), Var("首字母", 400),
          Int("内容长度")}},
        {"QH_育儿百科", articles},
        {"QH_算命风水", articles},
        {"QH_百家姓",
         {Int("Id"), Var("姓", 8), Var("姓氏起源", 1000), Var("聚集地", 1000),
          Var("历史名人", 1000)}},
    };
}

}  // namespace

std::vector<TableSchema> NameDatabaseTables(TextBorder border) {
    std::vector<TableSchema> tables = TablesUtf8();
    if (border == TextBorder::kGbk) {
        for (TableSchema& table : tables) {
            table.name = FromLibraryText(border, table.name);
            for (FieldDef& field : table.fields)
                field.name = FromLibraryText(border, field.name);
        }
    }
    return tables;
}

}  // namespace qinghe
