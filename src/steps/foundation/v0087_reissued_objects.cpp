#include "steps/foundation/v0087_reissued_objects.h"

#include "frame/sql_text.h"

namespace quenvatrix::steps::v0087 {

std::string AlterDo库存缺货统计() {
    // The stock is summed over every store; a drug without stock counts 0.
    return Lines(R"(
ALTER FUNCTION Do库存缺货统计 (@vKey nvarchar(4))
RETURNS TABLE
AS
RETURN (
Select A.*,
    IsNull(K.库存数量,0) As 库存数量,
    A.库存最高数量-IsNull(K.库存数量,0) As 应补数量
From VJ药品卫材 A Left Join
    (Select 药品编号,Sum(库存数量) As 库存数量 From T库存药品 Group By 药品编号) K On A.编号=K.药品编号
Where A.库存最低数量>0 And A.库存最低数量>=IsNull(K.库存数量,0) And (@vKey='00' Or A.药品类型=@vKey)
)
)");
}

std::string AlterDo住院结帐列表() {
    // With d = 预交金额 - 费用总额: a normal settlement refunds d > 0 or
    // collects -d; one that is not normal leaves -d as the patient's debt.
    return Lines(R"(
ALTER FUNCTION Do住院结帐列表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
Select dbo.DoAddZero(D住院结帐列表.序号,10) As 序号,
    dbo.DoAddZero(D住院结帐列表.住院编号,10) As 住院编号,
    D住院结帐列表.结帐时间,
    T付款方式.名称 As 付款方式,
    T员工档案.名称 As 操作员,
    D住院结帐列表.预交金额,
    D住院结帐列表.费用总额,
    Case When D住院结帐列表.预交金额-D住院结帐列表.费用总额>0 And D住院结帐列表.正常结帐=1
        Then D住院结帐列表.预交金额-D住院结帐列表.费用总额 Else 0 End As 出院退款,
    Case When D住院结帐列表.预交金额-D住院结帐列表.费用总额<0 And D住院结帐列表.正常结帐=1
        Then D住院结帐列表.费用总额-D住院结帐列表.预交金额 Else 0 End As 出院补款,
    Case When D住院结帐列表.预交金额-D住院结帐列表.费用总额<>0 And D住院结帐列表.正常结帐=0
        Then D住院结帐列表.费用总额-D住院结帐列表.预交金额 Else 0 End As 病人欠款,
    Case When D住院结帐列表.状态='N' Then '正常' Else '作废' End As 状态,
    D住院档案.名称 As 姓名,
    D住院档案.性别
From D住院结帐列表 Inner Join T付款方式 On D住院结帐列表.付款方式=T付款方式.编号
    Inner Join T员工档案 On D住院结帐列表.操作员=T员工档案.编号
    Inner Join D住院档案 On D住院结帐列表.住院编号=D住院档案.编号 And D住院结帐列表.状态='N'
Where (D住院结帐列表.操作员=@vKey Or @vKey='00') And D住院结帐列表.结帐时间 Between @vBegin And @vEnd
)
)");
}

}  // namespace quenvatrix::steps::v0087
