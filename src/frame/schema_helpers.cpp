// Schema changes several steps share: a column made money, a default found
// and dropped, the table SSM.
#include "frame/sql_text.h"
#include "frame/step_context.h"

namespace quenvatrix {

// Converts the column to money with the default 0 under a known name (the one
// given, or DF_<table>_<column>). Each of the three statements may fail
// without effect on the others; nothing is reported.
void StepContext::AlterColumnToMoney(std::string_view table, std::string_view column,
                                     std::string_view constraintName) {
    const std::string t(table);
    const std::string c(column);
    const std::string name = constraintName.empty() ? "DF_" + t + "_" + c : std::string(constraintName);
    ExecuteIgnoringErrors(" Alter Table " + t + " Drop CONSTRAINT [" + name + "]");
    ExecuteIgnoringErrors(" Alter Table " + t + " Alter Column " + c + " money");
    ExecuteIgnoringErrors(" ALTER TABLE [dbo].[" + t + "] ADD CONSTRAINT [" + name + "] DEFAULT 0 FOR [" + c + "]");
    ClearError();
}

// Drops the default constraint bound to the column, whatever the server named
// it; a column without a default is left alone. Errors end the calling step.
void StepContext::DropColumnDefault(std::string_view table, std::string_view column) {
    const std::string t(table);
    const std::string c(column);
    std::unique_ptr<Recordset> rs =
        Open("Select object_name(stuff(','+convert(varchar,cdefault),1,1,'')) from syscolumns where id=object_id('" + t +
             "') and cdefault<>0 and name='" + c + "'");
    if (!rs->IsEOF()) Execute(" alter table " + t + " drop constraint  " + rs->Field(0).ToText());
    rs->Close();
}

// Creates the table SSM; when it exists already nothing changes and nothing is
// reported.
void StepContext::CreateSSMTable() {
    ExecuteIgnoringErrors(Lines(R"(
CREATE TABLE [dbo].[SSM] (
    [SSCode] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [SSName] [nvarchar] (30) COLLATE Chinese_PRC_CI_AS NULL ,
    [SSJM] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL
    ) ON [PRIMARY]
)"));
    ClearError();
}

}  // namespace quenvatrix
