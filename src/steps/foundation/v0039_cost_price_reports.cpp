// Version 39: the summary (313) and detail (314) reports over the cost-price
// adjustment documents.
#include "frame/sql_text.h"
#include "frame/step_context.h"

namespace quenvatrix::steps {

void Update_39_To_40(StepContext& ctx) {
    // Audited documents (state S) of the period per drug, for one store ('00' for all).
    ctx.Execute(Lines(R"(
CREATE FUNCTION dbo.Do成本调价汇总表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT B.编号, B.名称, B.规格, B.生产厂商, B.药品单位, B.药品类型, Count(*) AS 调价次数, Sum(A.数量) AS 调价数量,
    Sum(A.原单价 * A.数量) AS 原价总额, Sum(A.现单价 * A.数量) AS 现价总额,
    Sum((A.现单价 - A.原单价) * A.数量) AS 差额合计
FROM D调价数据 A, VJ药品卫材 B, D调价单 C
WHERE A.编号 = B.编号 AND A.单据编号 = C.单据编号 AND C.状态 = 'S'
    AND C.过单日期 BETWEEN @vBegin AND @vEnd AND (C.存放位置 = @vKey OR @vKey = '00')
GROUP BY B.编号, B.名称, B.规格, B.生产厂商, B.药品单位, B.药品类型
)
)"));
    // Every line of the period's documents, whatever their state. The key is
    // compared with the drug type of the line's drug.
    ctx.Execute(Lines(R"(
CREATE FUNCTION dbo.Do成本调价明细表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT 'TJ' + dbo.DoAddZero(A.单据编号, 10) AS 单据编号, A.过单日期, Z.名称 AS 制单人, S.名称 AS 审核人,
    K.名称 AS 存放位置, B.生产批号, B.数量, B.原单价, B.现单价, B.现单价 - B.原单价 AS 调价差额, B.单项备注, Y.*
FROM D调价单 A
    INNER JOIN D调价数据 B ON A.单据编号 = B.单据编号
    INNER JOIN T员工档案 Z ON Z.编号 = A.制单人
    INNER JOIN T员工档案 S ON S.编号 = A.审核人
    INNER JOIN T库房药房 K ON K.编号 = A.存放位置
    INNER JOIN VJ药品卫材 Y ON Y.编号 = B.编号
WHERE A.过单日期 BETWEEN @vBegin AND @vEnd AND (Y.药品类型 = @vKey OR @vKey = '00')
)
)"));

    ctx.Execute(
        "Insert Into F报表列表(编号,名称,模式,备注,strSQL,状态,隶属分类,制表人,制表日期,数据源类型,数据源,主键标题,"
        "主键查询,序号,默认时段,查询条件) Values (313,'成本调价汇总表','N',' ',' ','U',13,'系统管理员','2004-1-15',"
        "'FUN','Do成本调价汇总表','存放位置：','Select 编号,名称 From T库房药房',8,'D',' ')");
    ctx.Execute(
        "Insert Into F报表列表(编号,名称,模式,备注,strSQL,状态,隶属分类,制表人,制表日期,数据源类型,数据源,主键标题,"
        "主键查询,序号,默认时段,查询条件) Values (314,'成本调价明细表','N',' ',' ','U',13,'系统管理员','2004-1-12',"
        "'FUN','Do成本调价明细表','库房名称：','Select 编号,名称 From T库房药房',0,'D',' ')");

    ctx.Execute("Insert Into F报表格式 Values (313,'编号','编号',1,0,705,'L',1,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (313,'名称','名称',2,0,2265,'L',1,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (313,'规格','规格',3,0,1035,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (313,'生产厂商','生产厂商',4,0,1485,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (313,'药品单位','药品单位',5,0,855,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (313,'药品类型','药品类型',6,0,855,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (313,'调价次数','调价次数',7,0,915,'R',0,'N',0,'C')");
    ctx.Execute("Insert Into F报表格式 Values (313,'调价数量','调价数量',8,0,990,'R',0,'N',0,'C')");
    ctx.Execute("Insert Into F报表格式 Values (313,'原价总额','原价总额',9,0,1200,'R',0,'E',0,'C')");
    ctx.Execute("Insert Into F报表格式 Values (313,'现价总额','现价总额',9,0,1200,'R',0,'E',0,'C')");
    ctx.Execute("Insert Into F报表格式 Values (313,'差额合计','差额合计',9,0,1200,'R',0,'E',0,'C')");

    ctx.Execute("Insert Into F报表格式 Values (314,'单据编号','单据编号',1,0,1200,'L',1,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'过单日期','过单日期',2,0,1005,'L',1,'T',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'制单人','制单人',16,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'审核人','审核人',17,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'存放位置','存放位置',21,1,1000,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'生产批号','生产批号',6,0,930,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'数量','数量',13,0,885,'R',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'原单价','原单价',10,0,870,'R',0,'J',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'现单价','现单价',14,0,1365,'R',0,'J',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'单项备注','单项备注',18,1,1000,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'生产厂商','生产厂商',4,0,1005,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'生产企业地址','生产企业地址',20,1,1000,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'编号','药品编号',12,1,1000,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'名称','名称',3,0,2205,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'拼音简码','拼音简码',22,1,1000,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'规格','规格',5,0,1065,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'药品单位','单位',8,0,495,'C',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'药品类型','药品类型',23,1,1000,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'库存最低数量','库存最低数量',24,1,1000,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'药品注册证号','药品注册证号',25,1,1000,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'批准文号','批准文号',9,1,1005,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'适用症状','适用症状',26,1,1000,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'药品剂型','药品剂型',27,1,1000,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'产地','产地',28,1,1000,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'存储条件','存储条件',29,1,1000,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'药品有效期','药品有效期',30,1,1000,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'备注','备注',19,0,1995,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'编码','编码',31,1,1000,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'销售定价','销售定价',32,1,1000,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'有效状态','有效状态',33,1,1000,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'库存最高数量','库存最高数量',34,1,1000,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'进货价格','进货均价',11,1,870,'R',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (314,'调价差额','调价差额',11,1,870,'R',0,'E',0,'C')");

    ctx.WriteUpgradeLog("6.6.23", 40, "增加了【成本调价汇总表】和【成本调价明细表】", "", "2004-10-7");
}

}  // namespace quenvatrix::steps
