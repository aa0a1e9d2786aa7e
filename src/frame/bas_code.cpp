#include "frame/bas_code.h"

#include <string>

namespace quenvatrix::basCode {

std::int32_t GetNextNumber(Connection& connection, std::string_view kind) {
    const std::string k(kind);
    const std::int32_t number =
        GetScalarValue(connection, "Select max(IsNull(" + k + ",0))+1 as 编号 From D编号列表").ToLong();
    connection.Execute("Update D编号列表 Set " + k + "=IsNull(" + k + ",0)+1");
    return number;
}

Value GetScalarValue(Connection& connection, std::string_view query) {
    std::unique_ptr<Recordset> rs = connection.OpenRecordset(query);
    Value result;
    if (!rs->IsBOF()) result = Value(rs->Field(0).ToText());
    rs->Close();
    return result;
}

}  // namespace quenvatrix::basCode
