// Versions 72 to 75: member and retail price columns on the stock list and the
// outbound and transfer forms; usage rights of designed forms and the request
// forms of inpatients; member prices, accounting department, account payment,
// receivable and credit limit (version 75, the step the host may call itself).

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"
#include "steps/foundation/v0064_texts.h"

namespace quenvatrix::steps {

using rows::ReportColumnValuesNoSpace;

void Update_72_To_73(StepContext& ctx) {
    ctx.Execute(ReportColumnValuesNoSpace("200,'会员售价','会员售价',200,0,1000,'L',0,'J',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("200,'会员售价总额','会员售价总额',201,0,1000,'L',0,'E',0,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("102,'零售价格','零售价格',102,0,1000,'L',0,'J',0,'C'"));
    ctx.Execute("INSERT INTO T单据格式 VALUES (102,'零售价格',0,0,0,0)");
}

void Update_73_To_74(StepContext& ctx) {
    ctx.Execute(ReportColumnValuesNoSpace("102,'销售金额','零售金额',102,0,1000,'L',0,'E',0,'C'"));
    ctx.Execute("INSERT INTO T单据格式 VALUES (102,'销售金额',0,0,0,0)");
    ctx.Execute(ReportColumnValuesNoSpace("103,'销售金额','零售金额',103,0,1000,'L',0,'E',0,'C'"));
    ctx.Execute("INSERT INTO T单据格式 VALUES (103,'销售金额',0,0,0,0)");
    ctx.Execute(ReportColumnValuesNoSpace("103,'零售价格','零售价格',103,0,1000,'L',0,'J',0,'C'"));
    ctx.Execute("INSERT INTO T单据格式 VALUES (103,'零售价格',0,0,0,0)");
}

void Update_74_To_75(StepContext& ctx) {
    // 1. Every existing form is filled in by inpatient doctors.
    ctx.Execute("ALTER TABLE T表单列表 ADD 使用权 smallint");
    ctx.Execute("UPDATE T表单列表 SET 使用权=-1");

    // 2. Filler and requester of a form attached to a stay.
    ctx.Execute("ALTER TABLE D住院附件 ADD 填写人 varchar(5)");
    ctx.Execute("ALTER TABLE D住院附件 ADD 填写时间 datetime");
    ctx.Execute("ALTER TABLE D住院附件 ADD 表单备注 nvarchar(200)");
    ctx.Execute("ALTER TABLE D住院附件 ADD 申请人 varchar(5)");
    ctx.Execute("ALTER TABLE D住院附件 ADD 申请时间 datetime");

    // 3.
    ctx.Execute(ReportColumnValuesNoSpace("321,'使用权','使用权',200,0,1000,'L',0,'S',-1,'C'"));

    // 4. Report 323, the request forms of inpatients.
    ctx.Execute(rows::PlainListReport(323, "住院检查表单列表", "2005-1-14 22:13:00"));
    ctx.Execute(ReportColumnValuesNoSpace("323,'病人科室','病人科室',3,0,1065,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("323,'病人姓名','病人姓名',2,0,1125,'L',1,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("323,'性别','性别',5,0,540,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("323,'表单名称','表单名称',6,0,1770,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("323,'申请人','申请人',7,0,1065,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("323,'申请时间','申请时间',8,0,1650,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("323,'病人床位','病人床位',4,0,1260,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("323,'住院编号','住院编号',1,0,855,'L',1,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("323,'入院时间','入院时间',9,0,1875,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("323,'病情诊断','病情诊断',10,0,2925,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("323,'住院医师','住院医师',11,0,975,'L',0,'S',-1,'C'"));

    // 5.
    ctx.Execute(Lines(R"(
CREATE VIEW dbo.VJ医技表单列表
AS
SELECT V.当前科室 AS 病人科室, V.当前床位 AS 病人床位, D.住院编号, V.名称 AS 病人姓名, V.性别, B.名称 AS 表单名称,
K.名称 AS 申请人, D.申请时间, V.入院时间, V.病情诊断, V.住院医师, D.表单序号, D.流水序号,
IsNull(Y.名称, '') AS 填写人, V.出院效果, B.使用权
FROM dbo.D住院附件 D INNER JOIN dbo.T表单列表 B ON D.表单序号 = B.表单序号
INNER JOIN dbo.VJ住院档案 V ON D.住院编号 = V.编号
LEFT OUTER JOIN dbo.T员工档案 Y ON D.填写人 = Y.编号
LEFT OUTER JOIN dbo.T员工档案 K ON D.申请人 = K.编号
WHERE B.使用权 > 0
)"));
    ctx.Execute(v0064::FormListView("CREATE"));
}

void Update_75_To_76(StepContext& ctx) {
    // 1.
    ctx.Execute(ReportColumnValuesNoSpace("317,'编码','编码',200,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("28,'会员金额','会员金额',200,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("28,'核算科室','核算科室',200,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("317,'应收款','应收款',200,0,1000,'L',0,'E',0,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("317,'信誉上限','信誉上限',200,0,1000,'L',0,'E',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("219,'会员价格','会员价格',200,0,1000,'L',0,'E',-1,'C'"));

    // 2. The accounting department of outpatient items.
    ctx.Execute("ALTER TABLE T门诊项目 ADD 核算科室 varchar(4)");
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ门诊项目
AS
SELECT M.编号, M.名称, M.拼音简码, M.收费方式, M.有效状态, M.计量单位, M.规格说明, M.所属类, M.五笔简码, M.备注,
M.编码, M.同票项目, M.标准金额, M.优惠金额, M.打印名称, M.会员金额, K.名称 AS 核算科室
FROM dbo.T门诊项目 M LEFT OUTER JOIN dbo.T科室档案 K ON M.核算科室 = K.编号
)"));

    // 3. The part of a receipt paid from the patient's account.
    ctx.Execute("ALTER TABLE D门诊收费列表 ADD 帐户支付 smallmoney DEFAULT 0");
    ctx.Execute("UPDATE D门诊收费列表 SET 帐户支付=0");

    // 4. Receivable and credit limit of case records (existing records keep NULL).
    ctx.Execute("ALTER TABLE D病案资料 ADD 应收款 smallmoney DEFAULT 0");
    ctx.Execute("ALTER TABLE D病案资料 ADD 信誉上限 smallmoney DEFAULT 0");
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ病案资料
AS
SELECT dbo.D病案资料.* FROM dbo.D病案资料
)"));

    // 5.
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ住院记帐列表
AS
SELECT dbo.DoAddZero(dbo.D住院记帐列表.序号, 10) AS 序号, dbo.DoAddZero(dbo.D住院记帐列表.住院编号, 10) AS 住院编号,
dbo.D住院档案.名称, dbo.D住院档案.性别, dbo.D住院记帐列表.记帐时间, dbo.T住院项目.名称 AS 费用明细名称,
dbo.D住院记帐列表.单价, dbo.D住院记帐列表.数量, dbo.D住院记帐列表.金额, dbo.T员工档案.名称 AS 处方医生,
dbo.T科室档案.名称 AS 处方科室, [T科室档案_1].名称 AS 核算科室, [T员工档案_1].名称 AS 操作员,
dbo.D住院记帐列表.备注, dbo.T住院项目.所属类型, dbo.T住院项目.计量单位, dbo.D住院记帐列表.记帐方式,
CASE WHEN dbo.D住院记帐列表.作废 = 1 THEN '是' ELSE '' END AS 作废,
dbo.D住院记帐列表.处方医生 AS 处方医生编号, dbo.T住院项目.规格说明
FROM dbo.D住院记帐列表 INNER JOIN dbo.D住院档案 ON dbo.D住院记帐列表.住院编号 = dbo.D住院档案.编号
INNER JOIN dbo.T住院项目 ON dbo.D住院记帐列表.费用明细 = dbo.T住院项目.编号
INNER JOIN dbo.T员工档案 ON dbo.D住院记帐列表.处方医生 = dbo.T员工档案.编号
INNER JOIN dbo.T科室档案 ON dbo.D住院记帐列表.处方科室 = dbo.T科室档案.编号
INNER JOIN dbo.T科室档案 [T科室档案_1] ON dbo.D住院记帐列表.核算科室 = [T科室档案_1].编号
INNER JOIN dbo.T员工档案 [T员工档案_1] ON dbo.D住院记帐列表.操作员 = [T员工档案_1].编号
)"));
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do划价列表 (@v仓库编号 varchar(4), @vDispOther tinyint)
RETURNS TABLE
AS
RETURN (
SELECT Y.编码, T.药品编号 AS 编号, Y.名称, T.生产批号, Y.规格, Y.生产厂商, Y.拼音简码, Y.五笔简码, Y.有效状态,
IsNull(T.零售单价, 0) AS 销售定价, T.库存数量,
T.库存数量 - IsNull((SELECT Sum(U.数量) FROM dbo.Do库存已用数量() U
WHERE U.药房 = @v仓库编号 AND U.药品编号 = T.药品编号 AND U.生产批号 = T.生产批号), 0) AS 可用数量,
Y.会员售价
FROM dbo.T库存药品 T INNER JOIN dbo.VJ药品卫材 Y ON T.药品编号 = Y.编号
WHERE T.仓库编号 = @v仓库编号 AND (T.库存数量 > 0 OR @vDispOther = 1)
)
)"));

    // 6. The member price of inpatient items, held as text.
    ctx.Execute("ALTER TABLE T住院项目 ADD 会员价格 varchar(10)");
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ住院项目
AS
SELECT * FROM dbo.T住院项目
)"));
}

}  // namespace quenvatrix::steps
