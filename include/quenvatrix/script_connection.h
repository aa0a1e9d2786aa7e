#pragma once

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "quenvatrix/connection.h"

namespace quenvatrix {

// Writes what an upgrade would send as a T-SQL script that sqlcmd can run:
// each statement is one batch followed by a line "GO". Remarks become comment
// lines "-- text" at the head of the next statement's batch. A query's rows are
// never read from a server, so every query yields no rows and its batch carries
// the comment line "-- read: no rows in a dry run". Text is written as UTF-8.
class ScriptConnection : public Connection {
public:
    static constexpr std::string_view kReadMark = "read: no rows in a dry run";

    explicit ScriptConnection(const std::string& path);

    void Execute(std::string_view sql) override;
    std::unique_ptr<Recordset> OpenRecordset(std::string_view sql) override;
    void BeginTrans() override;
    void CommitTrans() override;
    void RollbackTrans() override;
    std::string DefaultDatabase() const override;
    void Remark(std::string_view text) override;

    // A comment line "-- text" written at once, outside any batch; a failed
    // write raises an error.
    void Comment(std::string_view text);

private:
    void WriteBatch(std::string_view sql);

    std::ofstream out_;
    std::vector<std::string> pendingRemarks_;
};

}  // namespace quenvatrix
