// Switching every trigger of the database on or off.
#include "frame/step_context.h"

namespace quenvatrix {

// One statement per trigger, for the table that owns it (a table with several
// triggers is switched once for each). 0 disables, any other value enables.
// The first failing statement fails the call; tables switched before it stay
// switched.
void clsUpdate::Do触发器状态(std::int16_t intType) {
    StepContext context(*this);
    std::unique_ptr<Recordset> rs = context.Open(
        "select A.name from sysobjects A,(select name,parent_obj from sysobjects where type = N'TR') B "
        "where A.ID=B.parent_obj");
    while (!rs->IsEOF()) {
        const std::string table = rs->Field(0).ToText();
        if (intType != 0) {
            context.Execute("alter table [" + table + "] enable  trigger all");
        } else {
            context.Execute("alter table [" + table + "] disable trigger all");
        }
        rs->MoveNext();
    }
    rs->Close();
}

}  // namespace quenvatrix
