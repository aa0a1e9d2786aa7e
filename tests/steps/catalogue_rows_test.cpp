#include <gtest/gtest.h>

#include <string>

#include "steps/catalogue_rows.h"

namespace quenvatrix::steps::rows {
namespace {

struct Case {
    const char* what;
    std::string built;
    const char* expected;
};

// Each builder's exact text. The spaced and the unspaced spelling of one
// INSERT are different statements to the versions that send them, so a
// builder that drifted to the other spelling must fail here.
TEST(CatalogueRows, EachBuilderWritesItsOwnSpelling) {
    const Case cases[] = {
        {"report column, values", ReportColumnValues("1,'甲','甲',2,0,1000,'L',0,'S',-1,'C'"),
         "INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,此列屏蔽,显示长度,对齐方式,此列必选,数据类型,统计结果,"
         "表头对齐) VALUES (1,'甲','甲',2,0,1000,'L',0,'S',-1,'C')"},
        {"report column, values, no space", ReportColumnValuesNoSpace("1,'甲','甲',2,0,1000,'L',0,'S',-1,'C'"),
         "INSERT INTO F报表格式(表编号,字段名称,显示标题,序号,此列屏蔽,显示长度,对齐方式,此列必选,数据类型,统计结果,"
         "表头对齐) VALUES (1,'甲','甲',2,0,1000,'L',0,'S',-1,'C')"},
        {"short column, values, no space", ShortColumnValuesNoSpace("1,'甲','甲',2,'S',-1"),
         "INSERT INTO F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) VALUES (1,'甲','甲',2,'S',-1)"},
        {"report, values", ReportValues("9,'乙','N',' ',' ','U',0,'','2005-1-1','','','','',0,'D',' '"),
         "INSERT INTO F报表列表 (编号,名称,模式,备注,strSQL,状态,隶属分类,制表人,制表日期,数据源,数据源类型,主键标题,"
         "主键查询,序号,默认时段,查询条件) VALUES (9,'乙','N',' ',' ','U',0,'','2005-1-1','','','','',0,'D',' ')"},
        {"report, values, no space", ReportValuesNoSpace("9,'乙','N',' ',' ','U',0,'','2005-1-1','','','','',0,'D',' '"),
         "INSERT INTO F报表列表(编号,名称,模式,备注,strSQL,状态,隶属分类,制表人,制表日期,数据源,数据源类型,主键标题,"
         "主键查询,序号,默认时段,查询条件) VALUES (9,'乙','N',' ',' ','U',0,'','2005-1-1','','','','',0,'D',' ')"},
        {"plain list report", PlainListReport(323, "住院检查表单列表", "2005-1-14 22:13:00"),
         "INSERT INTO F报表列表(编号,名称,模式,备注,strSQL,状态,隶属分类,制表人,制表日期,数据源,数据源类型,主键标题,"
         "主键查询,序号,默认时段,查询条件) VALUES (323,'住院检查表单列表','N',' ',' ','U',0,'','2005-1-14 22:13:00',"
         "'','','','',0,'D',' ')"},
        {"full column", ReportColumnRow(101, "换算", "换算关系", 200, 0, 900, "L", 0, "S", -1, "C"),
         "INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,此列屏蔽,显示长度,对齐方式,此列必选,数据类型,统计结果,"
         "表头对齐) VALUES (101,'换算','换算关系',200,0,900,'L',0,'S',-1,'C')"},
        {"standard column", StandardColumnRow(332, "剂量", -2, 1, "N", 0),
         "INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,此列屏蔽,显示长度,对齐方式,此列必选,数据类型,统计结果,"
         "表头对齐) VALUES (332,'剂量','剂量',-2,0,1000,'L',1,'N',0,'C')"},
        {"standard column, defaults", StandardColumnRow(5, "备注", 3),
         "INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,此列屏蔽,显示长度,对齐方式,此列必选,数据类型,统计结果,"
         "表头对齐) VALUES (5,'备注','备注',3,0,1000,'L',0,'S',-1,'C')"},
        {"short column", ShortColumnRow(341, "合计金额", 1, "E", 0),
         "INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,数据类型,统计结果) VALUES (341,'合计金额','合计金额',1,'E',0)"},
        {"bare column", BareColumnRow(367, "成本均价", 2000),
         "INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号) VALUES (367,'成本均价','成本均价',2000)"},
        {"positional column", PositionalColumnRow(102, "库存成本", "成本单价", 1000, 1, 1005, "L", 0, "J", -1, "C"),
         "INSERT INTO F报表格式 VALUES (102,'库存成本','成本单价',1000,1,1005,'L',0,'J',-1,'C')"},
        {"bare report", BareReportRow(347, "盘点表列表"), "INSERT INTO F报表列表 (编号,名称) VALUES (347,'盘点表列表')"},
        {"bare report, no space", BareReportRowNoSpace(353, "员工交款单"),
         "INSERT INTO F报表列表(编号,名称) VALUES (353,'员工交款单')"},
        {"print field", PrintFieldRow(305, "每页小计"), "INSERT INTO F扩展字段 (表编号,字段名称) VALUES (305,'每页小计')"},
        {"print field, no space", PrintFieldRowNoSpace(273, "病案项目"),
         "INSERT INTO F扩展字段(表编号,字段名称) VALUES (273,'病案项目')"},
        {"permission", PermissionRow(160, "盘点管理", 2, 7),
         "INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (160,'盘点管理',2,7)"},
        {"permission renamed", RenamePermission(12, "药品管理"), "UPDATE T操作权限 SET 名称='药品管理' WHERE 编号=12"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.built, c.expected) << c.what;
}

// A field name read from the server may hold an apostrophe; it stays inside
// its quotes.
TEST(CatalogueRows, ApostropheInsideATextIsWrittenTwice) {
    EXPECT_EQ(BareColumnRow(362, "O'Neil", 500),
              "INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号) VALUES (362,'O''Neil','O''Neil',500)");
    EXPECT_EQ(PrintFieldRowNoSpace(1, "a'b"), "INSERT INTO F扩展字段(表编号,字段名称) VALUES (1,'a''b')");
    EXPECT_EQ(RenamePermission(3, "'"), "UPDATE T操作权限 SET 名称='''' WHERE 编号=3");
}

}  // namespace
}  // namespace quenvatrix::steps::rows
