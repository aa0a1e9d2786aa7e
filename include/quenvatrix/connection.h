#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "quenvatrix/error.h"
#include "quenvatrix/value.h"

namespace quenvatrix {

// The rows of one query, read forward only. A fresh recordset stands on its
// first row; with no rows both EOF and BOF are true.
class Recordset {
public:
    virtual ~Recordset() = default;

    virtual bool IsEOF() const = 0;
    virtual bool IsBOF() const = 0;
    virtual std::size_t FieldCount() const = 0;
    virtual std::string FieldName(std::size_t index) const = 0;
    // The current row's field; raises an error at EOF or for an unknown field.
    virtual Value Field(std::size_t index) const = 0;
    Value Field(std::string_view name) const;
    virtual void MoveNext() = 0;
    virtual void Close() = 0;
};

// A database connection as the steps use it. Every failure raises
// quenvatrix::Error with the provider's message as its description.
class Connection {
public:
    virtual ~Connection() = default;

    // Sends a statement whose result nobody reads.
    virtual void Execute(std::string_view sql) = 0;
    // Sends a query whose rows the caller reads.
    virtual std::unique_ptr<Recordset> OpenRecordset(std::string_view sql) = 0;

    virtual void BeginTrans() = 0;
    virtual void CommitTrans() = 0;
    virtual void RollbackTrans() = 0;

    virtual std::string DefaultDatabase() const = 0;

    // A remark about the statement that follows (for instance that its errors
    // are ignored). Backends that keep a readable record of what was sent write
    // it there; the others pass over it.
    virtual void Remark(std::string_view /*text*/) {}
};

// A connection through unixODBC, opened by an ODBC connection string.
std::shared_ptr<Connection> OpenOdbcConnection(const std::string& connectionString);

// The dry-run backend: every statement is written to the file as a T-SQL batch
// followed by a line GO; queries yield no rows. The file is created (or
// truncated) at once; an unwritable path raises an error.
class ScriptConnection;
std::shared_ptr<ScriptConnection> OpenScriptConnection(const std::string& path);

}  // namespace quenvatrix
