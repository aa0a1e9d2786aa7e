#include "steps/inpatient_archive/v0135_texts.h"

#include "frame/sql_text.h"

namespace quenvatrix::steps::v0135 {

std::string ChargeLinesUnionView(std::string_view verb) {
    std::string sql(verb);
    sql += Lines(R"(
 VIEW dbo.ALL住院记帐列表
AS
SELECT * FROM dbo.D住院记帐列表
UNION ALL
SELECT * FROM dbo.OLD住院记帐列表
)");
    return sql;
}

std::string InpatientPrescriptionStatistics() {
    return Lines(R"(
ALTER FUNCTION dbo.Do住院划价单统计表 (@v范围 nvarchar(2), @vState char(1), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT dbo.DoAddZero(D.序号, 10) AS 处方编号, dbo.DoAddZero(Z.编号, 10) AS 住院编号, D.过单时间,
    K.类别 AS 处方类型, Z.名称 AS 病人姓名, YS.名称 AS 处方医生, KS.名称 AS 处方科室,
    D.合计金额 - D.退回金额 AS 合计金额, ZD.名称 AS 制单人, FY.名称 AS 发药人,
    CASE WHEN D.状态 = 'S' THEN '是' ELSE '否' END AS 已发药
FROM dbo.ALL住院划价单 D
    INNER JOIN dbo.ALL住院档案 Z ON D.住院编号 = Z.编号
    INNER JOIN dbo.T员工档案 YS ON D.处方医生 = YS.编号
    INNER JOIN dbo.T科室档案 KS ON D.处方科室 = KS.编号
    INNER JOIN dbo.T员工档案 ZD ON D.制单人 = ZD.编号
    INNER JOIN dbo.T库房药房 K ON D.药房 = K.编号
    LEFT OUTER JOIN dbo.T员工档案 FY ON D.发药人 = FY.编号
WHERE (K.类别 = @v范围 OR @v范围 = '全部')
    AND (((D.状态 = @vState OR @vState = '0') AND D.作废 = 0) OR (D.作废 = 1 AND @vState = 'D')
        OR @vState = 'A' OR (@vState = 'T' AND D.退回金额 <> 0))
    AND D.过单时间 BETWEEN @vBegin AND @vEnd
)
)");
}

}  // namespace quenvatrix::steps::v0135
