#pragma once

#include <functional>
#include <memory>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "quenvatrix/connection.h"

namespace quenvatrix::testing {

// One thing a connection was asked to do, in the order asked.
struct Sent {
    enum class Kind { Execute, Query, Begin, Commit, Rollback, Remark };
    Kind kind;
    std::string text;
};

// The rows a query answers with: field names and one vector of values per row.
struct Rows {
    std::vector<std::string> fields;
    std::vector<std::vector<Value>> rows;
};

// A connection for tests: records everything sent, answers queries with rows
// set up beforehand (matched by exact text or by a regular expression; a query
// nobody set up yields no rows), and fails chosen statements with a chosen
// message.
class FakeConnection : public Connection {
public:
    // Answer queries equal to `sql`, or matching `pattern`.
    void AnswerExactly(std::string sql, Rows rows);
    void AnswerMatching(std::string pattern, Rows rows);
    // Answer with whatever the function returns, called at the time of the query.
    void AnswerWith(std::string pattern, std::function<Rows(const std::string& sql)> answer);

    // Fail the statement (or query) that contains `fragment`; `times` < 0 means always.
    void FailWhenContains(std::string fragment, std::string message, int times = -1, long number = -2147217900);
    // Fail the n-th statement sent (1-based, counting Execute and queries).
    void FailNth(int n, std::string message, long number = -2147217900);

    void Execute(std::string_view sql) override;
    std::unique_ptr<Recordset> OpenRecordset(std::string_view sql) override;
    void BeginTrans() override;
    void CommitTrans() override;
    void RollbackTrans() override;
    std::string DefaultDatabase() const override { return "fake"; }
    void Remark(std::string_view text) override;

    const std::vector<Sent>& Log() const { return log_; }
    // The texts of every Execute and query, in order.
    std::vector<std::string> Statements() const;
    // Only the Execute texts, in order.
    std::vector<std::string> Executed() const;
    int CountOf(Sent::Kind kind) const;
    void ClearLog() { log_.clear(); }

private:
    struct Answer {
        bool exact;
        std::string text;
        std::regex pattern;
        std::function<Rows(const std::string&)> make;
    };
    struct Failure {
        std::string fragment;
        int nth;
        int remaining;
        std::string message;
        long number;
    };

    void MaybeFail(const std::string& sql);

    std::vector<Answer> answers_;
    std::vector<Failure> failures_;
    std::vector<Sent> log_;
    int statementCount_ = 0;
};

// A recordset over fixed rows.
class RowsRecordset : public Recordset {
public:
    explicit RowsRecordset(Rows rows) : rows_(std::move(rows)) {}
    bool IsEOF() const override { return closed_ || position_ >= rows_.rows.size(); }
    bool IsBOF() const override { return closed_ || rows_.rows.empty(); }
    std::size_t FieldCount() const override { return rows_.fields.size(); }
    std::string FieldName(std::size_t index) const override { return rows_.fields.at(index); }
    Value Field(std::size_t index) const override;
    using Recordset::Field;
    void MoveNext() override;
    void Close() override { closed_ = true; }
    bool Closed() const { return closed_; }

private:
    Rows rows_;
    std::size_t position_ = 0;
    bool closed_ = false;
};

}  // namespace quenvatrix::testing
