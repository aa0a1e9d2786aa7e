#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "quenvatrix/cls_update.h"
#include "support/fake_connection.h"

namespace quenvatrix::testing {
namespace {

// The columns of the four live inpatient tables as they stand when the
// discharged stays are moved to the archive (version 134). No foundation step
// drops a column of these tables, so every column a foundation step may read
// from them is one of these.
const std::map<std::string, std::set<std::string>>& InpatientColumns() {
    static const std::map<std::string, std::set<std::string>> columns = {
        {"D住院档案",
         {"编号",       "名称",       "性别",     "出生日期",   "年龄",       "身份证号",   "所在单位",
          "入院时间",   "入院科室",   "入院床位", "入院方式",   "入院病情",   "病情诊断",   "婚姻状况",
          "在职情况",   "职业",       "民族",     "户口地址",   "电话",       "邮编",       "联系人",
          "关系",       "联系人地址", "联系人电话", "联系人邮编", "住院医师", "出院时间",   "入院备注",
          "出院效果",   "门诊医师",   "预交金额", "当前科室",   "当前床位",   "费用金额",   "出院备注",
          "住院总额",   "头像编号",   "住院天数", "已结帐",     "已审核",     "入院经办人", "费用类型",
          "报销金额",   "病历编号",   "家庭帐户", "人员编号",   "临时医师",   "就诊顺序号", "起付标准",
          "自付比例",   "公务员比例", "工龄",     "社保资料1",  "社保资料2"}},
        {"D住院记帐列表",
         {"序号", "住院编号", "记帐时间", "费用明细", "单价", "数量", "处方医生", "处方科室", "核算科室", "操作员",
          "备注", "记帐方式", "金额", "作废", "已交款36", "收款人", "收款时间", "结算编号", "退回数量"}},
        {"D住院划价单",
         {"序号", "药房", "住院编号", "处方医生", "处方科室", "合计金额", "制单人", "发药人", "过单时间", "状态",
          "出库时间", "备注", "作废", "退回金额", "结算编号", "批打否"}},
        {"D住院划价数据", {"序号", "药品编号", "单价", "数量", "退回数量", "入库均价", "生产批号", "使用说明"}},
    };
    return columns;
}

std::string Upper(std::string text) {
    for (char& ch : text) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return text;
}

// A name, a bracketed name, or one character of punctuation.
std::vector<std::string> Tokens(const std::string& sql) {
    std::vector<std::string> tokens;
    std::size_t i = 0;
    // A name; the owner prefix before it ("dbo.") names nothing the check needs.
    auto pushName = [&tokens](std::string name) {
        if (tokens.size() >= 2 && tokens.back() == "." && Upper(tokens[tokens.size() - 2]) == "DBO") {
            tokens.resize(tokens.size() - 2);
        }
        tokens.push_back(std::move(name));
    };
    auto isNameByte = [](unsigned char ch) { return ch >= 0x80 || std::isalnum(ch) || ch == '_' || ch == '@' || ch == '#'; };
    while (i < sql.size()) {
        const unsigned char ch = static_cast<unsigned char>(sql[i]);
        if (std::isspace(ch)) {
            ++i;
        } else if (ch == '\'') {  // a text literal is skipped whole
            std::size_t end = i + 1;
            while (end < sql.size() && sql[end] != '\'') ++end;
            i = end + 1;
        } else if (ch == '[') {
            const std::size_t end = sql.find(']', i);
            if (end == std::string::npos) break;
            pushName(sql.substr(i + 1, end - i - 1));
            i = end + 1;
        } else if (isNameByte(ch)) {
            std::size_t end = i;
            while (end < sql.size() && isNameByte(static_cast<unsigned char>(sql[end]))) ++end;
            pushName(sql.substr(i, end - i));
            i = end;
        } else {
            tokens.push_back(std::string(1, static_cast<char>(ch)));
            ++i;
        }
    }
    return tokens;
}

bool IsKeyword(const std::string& token) {
    static const std::set<std::string> keywords = {
        "ON",     "WHERE", "INNER",  "LEFT",   "RIGHT", "FULL",   "CROSS",   "JOIN",  "OUTER",  "GROUP",
        "ORDER",  "UNION", "SET",    "WITH",   "AND",   "OR",     "AS",      "HAVING", "SELECT", "FROM",
        "INTO",   "VALUES", "IF",    "BEGIN",  "END",   "ELSE",   "COMMIT",  "DECLARE", "INSERT", "DELETE",
        "UPDATE", "RETURN", "RETURNS", "ALL",  "WHEN",  "THEN",   "CASE",    "NOT",   "EXISTS", "BY"};
    return keywords.count(Upper(token)) != 0;
}

bool IsName(const std::string& token) {
    const unsigned char ch = static_cast<unsigned char>(token[0]);
    return ch >= 0x80 || std::isalnum(ch) || ch == '_' || ch == '@' || ch == '#';
}

// Every qualified reference of `sql` to a column that its inpatient table does
// not have. A qualifier is the table's own name or an alias given to it in a
// FROM or JOIN list; an alias that one statement also gives to another table
// is left unchecked.
std::vector<std::string> UnknownInpatientColumns(const std::string& sql) {
    const auto& columns = InpatientColumns();
    const std::vector<std::string> t = Tokens(sql);
    std::map<std::string, std::set<std::string>> aliases;
    for (std::size_t i = 1; i + 1 < t.size(); ++i) {
        const std::string before = Upper(t[i - 1]);
        if (before != "FROM" && before != "JOIN" && before != "UPDATE" && before != ",") continue;
        if (!IsName(t[i]) || IsKeyword(t[i]) || t[i + 1] == "." || t[i + 1] == "(") continue;
        std::size_t a = i + 1;
        if (Upper(t[a]) == "AS" && a + 1 < t.size()) ++a;
        if (IsName(t[a]) && !IsKeyword(t[a])) aliases[t[a]].insert(t[i]);
    }
    std::vector<std::string> unknown;
    for (std::size_t i = 0; i + 2 < t.size(); ++i) {
        if (t[i + 1] != "." || !IsName(t[i]) || !IsName(t[i + 2])) continue;
        std::set<std::string> tables;
        if (columns.count(t[i]) != 0) {
            tables.insert(t[i]);
        } else if (aliases.count(t[i]) != 0) {
            tables = aliases.at(t[i]);
        }
        if (tables.empty()) continue;
        bool checkable = true;
        bool known = false;
        for (const std::string& table : tables) {
            const auto found = columns.find(table);
            if (found == columns.end()) {
                checkable = false;
            } else if (found->second.count(t[i + 2]) != 0) {
                known = true;
            }
        }
        if (checkable && !known) unknown.push_back(t[i] + "." + t[i + 2]);
    }
    return unknown;
}

// The check itself: it finds the reference to a column that the line table
// lacks, through the table's name and through an alias, and passes the
// columns the tables have.
TEST(InpatientColumnCheck, FindsColumnsTheTablesLack) {
    EXPECT_EQ(UnknownInpatientColumns("SELECT D住院划价数据.药房 FROM D住院划价数据"),
              (std::vector<std::string>{"D住院划价数据.药房"}));
    EXPECT_EQ(UnknownInpatientColumns(
                  "SELECT B.药房, A.药房 FROM dbo.D住院划价数据 B INNER JOIN dbo.D住院划价单 A ON B.序号 = A.序号"),
              (std::vector<std::string>{"B.药房"}));
    EXPECT_TRUE(UnknownInpatientColumns("SELECT DA.[已交款36] FROM D住院记帐列表 AS DA WHERE DA.作废 = 0").empty());
    EXPECT_TRUE(UnknownInpatientColumns("SELECT A.费用编号 FROM D自动记帐列表 A UNION SELECT A.编号 FROM D住院档案 A")
                    .empty());
}

// Every statement that the foundation steps send reads from the four live
// inpatient tables only columns those tables have.
TEST(FoundationSteps, ReadOnlyColumnsTheInpatientTablesHave) {
    std::ostringstream faults;
    for (int version = 5; version <= 133; ++version) {
        auto fake = std::make_shared<FakeConnection>();
        clsUpdate component;
        component.set_pCn(fake);
        component.SetMessageSink([](const std::string&, const std::string&) {});
        EXPECT_TRUE(component.DoUpdate(version)) << version;
        for (const std::string& sql : fake->Executed()) {
            for (const std::string& reference : UnknownInpatientColumns(sql)) {
                faults << "version " << version << ": " << reference << "\n";
            }
        }
    }
    EXPECT_EQ(faults.str(), "");
}

}  // namespace
}  // namespace quenvatrix::testing
