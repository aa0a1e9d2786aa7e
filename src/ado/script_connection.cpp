#include "quenvatrix/script_connection.h"

#include "ado/empty_recordset.h"

namespace quenvatrix {

ScriptConnection::ScriptConnection(const std::string& path) : out_(path, std::ios::binary | std::ios::trunc) {
    if (!out_) throw Error(75, "无法写入脚本文件：" + path);
}

std::shared_ptr<ScriptConnection> OpenScriptConnection(const std::string& path) {
    return std::make_shared<ScriptConnection>(path);
}

void ScriptConnection::WriteBatch(std::string_view sql) {
    for (const std::string& remark : pendingRemarks_) out_ << "-- " << remark << "\n";
    pendingRemarks_.clear();
    out_ << sql << "\nGO\n";
    out_.flush();
    if (!out_) throw Error(75, "脚本文件写入失败");
}

void ScriptConnection::Execute(std::string_view sql) { WriteBatch(sql); }

std::unique_ptr<Recordset> ScriptConnection::OpenRecordset(std::string_view sql) {
    pendingRemarks_.emplace_back(kReadMark);
    WriteBatch(sql);
    return std::make_unique<EmptyRecordset>();
}

void ScriptConnection::BeginTrans() { WriteBatch("BEGIN TRANSACTION"); }

void ScriptConnection::CommitTrans() { WriteBatch("COMMIT TRANSACTION"); }

void ScriptConnection::RollbackTrans() { WriteBatch("ROLLBACK TRANSACTION"); }

std::string ScriptConnection::DefaultDatabase() const { return {}; }

void ScriptConnection::Remark(std::string_view text) { pendingRemarks_.emplace_back(text); }

void ScriptConnection::Comment(std::string_view text) {
    out_ << "-- " << text << "\n";
    out_.flush();
    if (!out_) throw Error(75, "脚本文件写入失败");
}

}  // namespace quenvatrix
