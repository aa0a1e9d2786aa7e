#include "steps/foundation/v0046_reissued_objects.h"

#include "frame/sql_text.h"

namespace quenvatrix::steps::v0046 {

std::string AlterVJ药品卫材WithMakerAddress() {
    return Lines(R"(
ALTER VIEW dbo.VJ药品卫材
AS
SELECT T生产单位.名称 AS 生产厂商, T生产单位.联系地址 AS 生产企业地址, T药品卫材.*, 0 AS 销售金额
FROM T药品卫材 LEFT OUTER JOIN
    T生产单位 ON T药品卫材.生产商编号 = T生产单位.编号
)");
}

}  // namespace quenvatrix::steps::v0046
