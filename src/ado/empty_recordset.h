#pragma once

#include "quenvatrix/connection.h"

namespace quenvatrix {

// The result of a query that yields no rows.
class EmptyRecordset : public Recordset {
public:
    bool IsEOF() const override { return true; }
    bool IsBOF() const override { return true; }
    std::size_t FieldCount() const override { return 0; }
    std::string FieldName(std::size_t) const override { throw NoCurrentRow(); }
    Value Field(std::size_t) const override { throw NoCurrentRow(); }
    using Recordset::Field;
    void MoveNext() override { throw NoCurrentRow(); }
    void Close() override {}

private:
    static Error NoCurrentRow() { return Error(3021, "BOF 或 EOF 中有一个是“真”，或者当前的记录已被删除，所需的操作要求一个当前的记录。"); }
};

}  // namespace quenvatrix
