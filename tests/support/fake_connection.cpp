#include "support/fake_connection.h"

namespace quenvatrix::testing {

void FakeConnection::AnswerExactly(std::string sql, Rows rows) {
    answers_.push_back({true, std::move(sql), std::regex(), [rows](const std::string&) { return rows; }});
}

void FakeConnection::AnswerMatching(std::string pattern, Rows rows) {
    AnswerWith(std::move(pattern), [rows](const std::string&) { return rows; });
}

void FakeConnection::AnswerWith(std::string pattern, std::function<Rows(const std::string&)> answer) {
    answers_.push_back({false, pattern, std::regex(pattern), std::move(answer)});
}

void FakeConnection::FailWhenContains(std::string fragment, std::string message, int times, long number) {
    failures_.push_back({std::move(fragment), 0, times, std::move(message), number});
}

void FakeConnection::FailNth(int n, std::string message, long number) {
    failures_.push_back({{}, n, 1, std::move(message), number});
}

void FakeConnection::MaybeFail(const std::string& sql) {
    ++statementCount_;
    for (Failure& failure : failures_) {
        if (failure.remaining == 0) continue;
        const bool hit = failure.nth > 0 ? failure.nth == statementCount_
                                         : sql.find(failure.fragment) != std::string::npos;
        if (!hit) continue;
        if (failure.remaining > 0) --failure.remaining;
        throw Error(failure.number, failure.message);
    }
}

void FakeConnection::Execute(std::string_view sql) {
    const std::string text(sql);
    log_.push_back({Sent::Kind::Execute, text});
    MaybeFail(text);
}

std::unique_ptr<Recordset> FakeConnection::OpenRecordset(std::string_view sql) {
    const std::string text(sql);
    log_.push_back({Sent::Kind::Query, text});
    MaybeFail(text);
    for (const Answer& answer : answers_) {
        const bool hit = answer.exact ? answer.text == text : std::regex_search(text, answer.pattern);
        if (hit) return std::make_unique<RowsRecordset>(answer.make(text));
    }
    return std::make_unique<RowsRecordset>(Rows{});
}

void FakeConnection::BeginTrans() { log_.push_back({Sent::Kind::Begin, {}}); }
void FakeConnection::CommitTrans() { log_.push_back({Sent::Kind::Commit, {}}); }
void FakeConnection::RollbackTrans() { log_.push_back({Sent::Kind::Rollback, {}}); }
void FakeConnection::Remark(std::string_view text) { log_.push_back({Sent::Kind::Remark, std::string(text)}); }

std::vector<std::string> FakeConnection::Statements() const {
    std::vector<std::string> texts;
    for (const Sent& sent : log_) {
        if (sent.kind == Sent::Kind::Execute || sent.kind == Sent::Kind::Query) texts.push_back(sent.text);
    }
    return texts;
}

std::vector<std::string> FakeConnection::Executed() const {
    std::vector<std::string> texts;
    for (const Sent& sent : log_) {
        if (sent.kind == Sent::Kind::Execute) texts.push_back(sent.text);
    }
    return texts;
}

int FakeConnection::CountOf(Sent::Kind kind) const {
    int count = 0;
    for (const Sent& sent : log_) count += sent.kind == kind ? 1 : 0;
    return count;
}

Value RowsRecordset::Field(std::size_t index) const {
    if (IsEOF()) throw Error(3021, "no current row");
    return rows_.rows.at(position_).at(index);
}

void RowsRecordset::MoveNext() {
    if (IsEOF()) throw Error(3021, "no current row");
    ++position_;
}

}  // namespace quenvatrix::testing
