#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ado/odbc_handle.h"
#include "quenvatrix/connection.h"

namespace quenvatrix::odbc {

// A recordset over rows read in full when the query ran, so the statement is
// done with before the caller reads the first field.
class RowsRecordset : public Recordset {
public:
    RowsRecordset(std::vector<std::string> fields, std::vector<std::vector<Value>> rows);

    bool IsEOF() const override;
    bool IsBOF() const override;
    std::size_t FieldCount() const override;
    std::string FieldName(std::size_t index) const override;
    Value Field(std::size_t index) const override;
    using Recordset::Field;
    void MoveNext() override;
    void Close() override;

private:
    void RequireOpen() const;

    std::vector<std::string> fields_;
    std::vector<std::vector<Value>> rows_;
    std::size_t position_ = 0;
    bool closed_ = false;
};

// Reads the executed statement's first result that has columns (results that
// only count rows are passed over), every row of it, and then passes over the
// results that follow so that an error among them is raised too. A statement
// without any result columns gives a recordset with no fields and no rows.
std::unique_ptr<Recordset> ReadResult(const Handle& statement);

// Passes over every remaining result of the executed statement; an error in
// any of them is raised.
void DrainResults(const Handle& statement);

}  // namespace quenvatrix::odbc
