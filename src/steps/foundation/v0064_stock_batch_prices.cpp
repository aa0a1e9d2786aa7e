// Versions 64 to 67: the retail price moves from the drug to each stock batch,
// purchase and receipt lines carry a retail price, drugs get an auxiliary unit,
// prescription and return lines carry a batch number, and the drug lists,
// document forms and stock reports follow.

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"
#include "steps/foundation/v0064_texts.h"

namespace quenvatrix::steps {

using rows::ReportColumnValuesNoSpace;

namespace {

// The drug view without the sale prices: named columns, the auxiliary unit and
// its conversion as a text and as a number.
std::string DrugView64() {
    return Lines(R"(
ALTER VIEW dbo.VJ药品卫材
AS
SELECT dbo.T生产单位.名称 AS 生产厂商, dbo.T生产单位.联系地址 AS 生产企业地址, 0 AS 销售金额,
Y.编号, Y.所属类, Y.生产商编号, Y.名称, Y.拼音简码, Y.规格, Y.药品类型, Y.库存最低数量, Y.药品注册证号,
Y.批准文号, Y.适用症状, Y.药品剂型, Y.产地, Y.存储条件, Y.药品有效期, Y.备注, Y.编码, Y.药品单位, Y.有效状态,
Y.库存最高数量, Y.允许欠费, Y.五笔简码, Y.保险类别, Y.辅助单位,
'1' + Y.辅助单位 + '=' + CAST(Y.换算关系 AS varchar) + Y.药品单位 AS 换算关系, Y.换算关系 AS 换算比例
FROM dbo.T药品卫材 Y LEFT OUTER JOIN dbo.T生产单位 ON Y.生产商编号 = dbo.T生产单位.编号
)");
}

// As version 64's, with the drug's own retail price after the insurance class.
std::string DrugView67() {
    return Lines(R"(
ALTER VIEW dbo.VJ药品卫材
AS
SELECT dbo.T生产单位.名称 AS 生产厂商, dbo.T生产单位.联系地址 AS 生产企业地址, 0 AS 销售金额,
Y.编号, Y.所属类, Y.生产商编号, Y.名称, Y.拼音简码, Y.规格, Y.药品类型, Y.库存最低数量, Y.药品注册证号,
Y.批准文号, Y.适用症状, Y.药品剂型, Y.产地, Y.存储条件, Y.药品有效期, Y.备注, Y.编码, Y.药品单位, Y.有效状态,
Y.库存最高数量, Y.允许欠费, Y.五笔简码, Y.保险类别, Y.零售价格, Y.辅助单位,
'1' + Y.辅助单位 + '=' + CAST(Y.换算关系 AS varchar) + Y.药品单位 AS 换算关系, Y.换算关系 AS 换算比例
FROM dbo.T药品卫材 Y LEFT OUTER JOIN dbo.T生产单位 ON Y.生产商编号 = dbo.T生产单位.编号
)");
}

// The stock a store can dispense, per batch, less what unsent prescriptions hold.
std::string DispenseList64() {
    return Lines(R"(
ALTER FUNCTION dbo.Do划价列表 (@v仓库编号 varchar(4), @vDispOther tinyint)
RETURNS TABLE
AS
RETURN (
SELECT T.药品编号 AS 编号, Y.名称, T.生产批号, Y.规格, Y.生产厂商, Y.拼音简码, Y.五笔简码, Y.有效状态,
IsNull(T.零售单价, 0) AS 销售定价, T.库存数量,
T.库存数量 - IsNull((SELECT Sum(U.数量) FROM dbo.Do库存已用数量() U
WHERE U.药房 = @v仓库编号 AND U.药品编号 = T.药品编号 AND U.生产批号 = T.生产批号), 0) AS 可用数量
FROM dbo.T库存药品 T INNER JOIN dbo.VJ药品卫材 Y ON T.药品编号 = Y.编号
WHERE T.仓库编号 = @v仓库编号 AND (T.库存数量 > 0 OR @vDispOther = 1)
)
)");
}

// As version 64's, with the drug's code as the first column.
std::string DispenseList67() {
    return Lines(R"(
ALTER FUNCTION dbo.Do划价列表 (@v仓库编号 varchar(4), @vDispOther tinyint)
RETURNS TABLE
AS
RETURN (
SELECT Y.编码, T.药品编号 AS 编号, Y.名称, T.生产批号, Y.规格, Y.生产厂商, Y.拼音简码, Y.五笔简码, Y.有效状态,
IsNull(T.零售单价, 0) AS 销售定价, T.库存数量,
T.库存数量 - IsNull((SELECT Sum(U.数量) FROM dbo.Do库存已用数量() U
WHERE U.药房 = @v仓库编号 AND U.药品编号 = T.药品编号 AND U.生产批号 = T.生产批号), 0) AS 可用数量
FROM dbo.T库存药品 T INNER JOIN dbo.VJ药品卫材 Y ON T.药品编号 = Y.编号
WHERE T.仓库编号 = @v仓库编号 AND (T.库存数量 > 0 OR @vDispOther = 1)
)
)");
}

}  // namespace

void Update_64_To_65(StepContext& ctx) {
    // 1. Retail unit price per stock batch, from the drug's sale price.
    ctx.Execute("ALTER TABLE T库存药品 ADD 零售单价 smallmoney");
    ctx.Execute(
        "UPDATE T库存药品 SET 零售单价=T药品卫材.销售定价 FROM T库存药品 INNER JOIN T药品卫材 ON "
        "T库存药品.药品编号=T药品卫材.编号");

    // 2. Form 100's sale price becomes the retail price.
    ctx.Execute("UPDATE T单据格式 SET 字段名称='零售定价',待输入=1,直接录入=1,待保存=1 WHERE 表编号=100 AND 字段名称='销售定价'");
    ctx.Execute("UPDATE F报表格式 SET 字段名称='零售定价',显示标题='零售定价' WHERE 表编号=100 AND 字段名称='销售定价'");

    // 3. Retail price on purchase lines.
    ctx.Execute("ALTER TABLE D进货数据 ADD 零售定价 smallmoney");
    ctx.Execute("UPDATE D进货数据 SET 零售定价=单价");

    // 4. The price columns leave the drug list.
    ctx.Execute("DELETE FROM F报表格式 WHERE 表编号=21 AND 字段名称 IN ('销售定价','会员售价','进货价格')");

    // 5. Auxiliary unit and its conversion.
    ctx.Execute("ALTER TABLE T药品卫材 ADD 辅助单位 nvarchar(3)");
    ctx.Execute("ALTER TABLE T药品卫材 ADD 换算关系 smallint");
    ctx.Execute("UPDATE T药品卫材 SET 辅助单位=药品单位,换算关系=1");

    // 6.
    ctx.Execute(DrugView64());

    // 7. Lists 21, 200 and 211, forms 100 and 101.
    ctx.Execute("INSERT INTO F报表格式(表编号,字段名称,显示标题,序号) VALUES (21,'辅助单位','辅助单位',100)");
    ctx.Execute("INSERT INTO F报表格式(表编号,字段名称,显示标题,序号) VALUES (21,'换算关系','换算关系',101)");
    ctx.Execute("DELETE FROM F报表格式 WHERE 表编号=200 AND 字段名称 IN ('销售定价','会员售价')");
    ctx.Execute("INSERT INTO F报表格式(表编号,字段名称,显示标题,序号) VALUES (200,'零售均价','零售均价',101)");
    ctx.Execute("UPDATE F报表格式 SET 字段名称='编码' WHERE 表编号=211 AND 字段名称='药品编码'");
    ctx.Execute("UPDATE F报表格式 SET 统计结果=0 WHERE 表编号=211 AND 字段名称='库存零售总额'");
    ctx.Execute("INSERT INTO F报表格式(表编号,字段名称,显示标题,序号) VALUES (211,'零售单价','零售单价',101)");
    ctx.Execute("UPDATE F报表格式 SET 字段名称='零售定价' WHERE 表编号=101 AND 字段名称='销售定价'");
    ctx.Execute("UPDATE T单据格式 SET 待输入=1,待保存=1,直接录入=1,字段名称='零售定价' WHERE 表编号=101 AND 字段名称='销售定价'");
    ctx.Execute("DELETE FROM F报表格式 WHERE 表编号 IN (100,101) AND 字段名称='进货均价'");

    // 8. Retail price on receipt lines.
    ctx.Execute("ALTER TABLE D入库数据 ADD 零售定价 smallmoney");
    ctx.Execute("UPDATE D入库数据 SET 零售定价=单价");

    // 9. Sale price and sale amount leave forms 102 to 104; no sale price column remains anywhere.
    ctx.Execute("DELETE FROM F报表格式 WHERE 表编号=102 AND 字段名称 IN ('销售定价','销售金额')");
    ctx.Execute("DELETE FROM F报表格式 WHERE 表编号=103 AND 字段名称 IN ('销售定价','销售金额')");
    ctx.Execute("DELETE FROM F报表格式 WHERE 表编号=104 AND 字段名称 IN ('销售定价','销售金额')");
    ctx.Execute("DELETE FROM T单据格式 WHERE 表编号=102 AND 字段名称 IN ('销售定价','销售金额')");
    ctx.Execute("DELETE FROM T单据格式 WHERE 表编号=103 AND 字段名称 IN ('销售定价','销售金额')");
    ctx.Execute("DELETE FROM T单据格式 WHERE 表编号=104 AND 字段名称 IN ('销售定价','销售金额')");
    ctx.Execute("DELETE FROM F报表格式 WHERE 字段名称='销售定价'");

    // 10. Batch number on outpatient prescription lines; old lines get a placeholder.
    ctx.Execute("ALTER TABLE D划价数据 ADD 生产批号 varchar(15)");
    ctx.Execute("UPDATE D划价数据 SET 生产批号='9999'");

    // 11. The columns of report 277, anew.
    ctx.Execute("DELETE FROM F报表格式 WHERE 表编号=277");
    ctx.Execute(ReportColumnValuesNoSpace("277,'生产批号','生产批号',3,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("277,'单价','单价',7,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("277,'编号','编号',1,0,1000,'L',1,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("277,'生产厂商','生产厂商',5,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("277,'单位','单位',6,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("277,'规格','规格',4,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("277,'药品名称','药品名称',2,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("277,'数量','数量',8,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("277,'金额','金额',9,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("277,'保险类别','保险类别',10,0,1000,'L',0,'S',-1,'C'"));

    // 12. Batch numbers on return lines and inpatient prescription lines.
    ctx.Execute("ALTER TABLE D门诊退药数据 ADD 生产批号 varchar(15)");
    ctx.Execute("ALTER TABLE D住院划价数据 ADD 生产批号 varchar(15)");
    ctx.Execute("UPDATE D住院划价数据 SET 生产批号='111'");
    ctx.Execute("ALTER TABLE D住院退药数据 ADD 生产批号 varchar(15)");

    // 13. What unsent prescriptions hold, now one row per line with its batch.
    ctx.Execute("DROP FUNCTION dbo.Do库存已用数量");
    ctx.Execute(Lines(R"(
CREATE FUNCTION dbo.Do库存已用数量 ()
RETURNS TABLE
AS
RETURN (
SELECT 药房, 药品编号, 生产批号, IsNull(数量, 0) AS 数量
FROM dbo.D划价数据 B INNER JOIN dbo.D划价单 A ON B.序号 = A.序号
WHERE A.状态 <> 'S' AND A.作废 = 0
UNION ALL
SELECT 药房, 药品编号, 生产批号, IsNull(数量, 0) AS 数量
FROM dbo.D住院划价数据 B INNER JOIN dbo.D住院划价单 A ON B.序号 = A.序号
WHERE A.状态 <> 'S' AND A.作废 = 0
)
)"));

    // 14.
    ctx.Execute(DispenseList64());

    // 15.
    ctx.Execute("ALTER TABLE T药品卫材 DROP COLUMN 进货价格");

    // 16.
    ctx.Execute("UPDATE F报表列表 SET 隶属分类=0 WHERE 编号=320");

    // 17. and 18.
    ctx.Execute(v0064::ShortageReport());
    ctx.Execute(v0064::SaleAdjustListReport());

    // 19.
    ctx.Execute("DELETE FROM F报表格式 WHERE 字段名称='零售金额' OR 字段名称='进货价格'");

    // 20. The stock-document reports, without the retail amount the view no longer allows.
    ctx.Execute(v0064::StockOutDetailReport());
    ctx.Execute(v0064::PurchaseDetailReport());
    ctx.Execute(v0064::StockInDetailReport());
    ctx.Execute(v0064::TransferReport());
}

void Update_65_To_66(StepContext& ctx) {
    ctx.Execute("ALTER TABLE F报表属性 ADD 病案表单号 smallint");
    ctx.Execute("UPDATE F报表属性 SET 病案表单号=0");
    ctx.Execute(v0064::DrugDocumentView());
}

void Update_66_To_67(StepContext& ctx) {
    ctx.Execute("UPDATE F报表格式 SET 字段名称='所属类型' WHERE 表编号=220 AND 字段名称='所属类别'");
    ctx.Execute("UPDATE F报表格式 SET 字段名称='所属类型' WHERE 表编号=226 AND 字段名称='所属类别'");
    ctx.Execute("ALTER TABLE T药品卫材 ADD 零售价格 smallmoney");
    ctx.Execute("UPDATE T药品卫材 SET 零售价格=0");
    ctx.Execute("INSERT INTO F报表格式(表编号,字段名称,显示标题,序号,数据类型) VALUES (21,'零售价格','零售价格',100,'J')");

    // The drug's retail price from its sale price; where that cannot be done,
    // from the highest retail price among its stock batches (drugs without
    // stock keep 0). A failure of that fallback ends the step.
    if (!ctx.ExecuteIgnoringErrors("UPDATE T药品卫材 SET 零售价格=销售定价")) {
        ctx.Execute(
            "UPDATE T药品卫材 SET 零售价格=B.零售单价 FROM T药品卫材 RIGHT OUTER JOIN (SELECT 药品编号,"
            "Max(零售单价) AS 零售单价 FROM T库存药品 GROUP BY 药品编号) B ON T药品卫材.编号=B.药品编号");
        ctx.ClearError();
    }
}

void Update_67_To_68(StepContext& ctx) {
    ctx.Execute(DrugView67());
    ctx.Execute(v0064::DrugDocumentView());
    ctx.Execute(v0064::CostAdjustDetailReport());
    for (const char* form : {"100", "101", "102", "103", "104"}) {
        ctx.Execute(std::string("INSERT INTO T单据格式 VALUES (") + form + ",'编码',0,0,0,0)");
    }
    for (const char* form : {"100", "101", "102", "103", "104"}) {
        ctx.Execute(std::string("INSERT INTO F报表格式(表编号,字段名称,显示标题,序号) VALUES (") + form +
                    ",'编码','编码',100)");
    }
    ctx.Execute(DispenseList67());
}

}  // namespace quenvatrix::steps
