// The ODBC backend: a connection through unixODBC, opened by a connection
// string. Statements go to the driver as UTF-16 text; query rows are read in
// full as Values; transactions switch auto-commit off and end with SQLEndTran.

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "ado/odbc_handle.h"
#include "ado/odbc_recordset.h"
#include "quenvatrix/connection.h"

namespace quenvatrix {

namespace {

using odbc::Check;
using odbc::Handle;

constexpr long kTransactionExists = -2147168227;  // a transaction is already open
constexpr long kNoTransaction = -2147168242;      // no transaction is open

class OdbcConnection : public Connection {
public:
    explicit OdbcConnection(const std::string& connectionString);
    ~OdbcConnection() override;

    void Execute(std::string_view sql) override;
    std::unique_ptr<Recordset> OpenRecordset(std::string_view sql) override;
    void BeginTrans() override;
    void CommitTrans() override;
    void RollbackTrans() override;
    std::string DefaultDatabase() const override;

private:
    // Runs the statement on a fresh statement handle, which stays with the caller.
    std::unique_ptr<Handle> Run(std::string_view sql);
    void SetAutoCommit(bool on);

    Handle environment_;
    Handle connection_;
    bool connected_ = false;
    bool inTransaction_ = false;
};

// The environment handle, set to ODBC 3 behaviour before anything else is
// allocated under it.
SQLHANDLE Odbc3(const Handle& environment) {
    Check(SQLSetEnvAttr(environment.Get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0),
          environment, "SQLSetEnvAttr");
    return environment.Get();
}

OdbcConnection::OdbcConnection(const std::string& connectionString)
    : environment_(SQL_HANDLE_ENV, SQL_NULL_HANDLE), connection_(SQL_HANDLE_DBC, Odbc3(environment_)) {
    std::vector<SQLWCHAR> text = odbc::Wide(connectionString);
    SQLWCHAR completed[1024];
    SQLSMALLINT completedLength = 0;
    const SQLRETURN rc = SQLDriverConnectW(connection_.Get(), nullptr, text.data(), SQL_NTS, completed,
                                           static_cast<SQLSMALLINT>(sizeof completed / sizeof completed[0]),
                                           &completedLength, SQL_DRIVER_NOPROMPT);
    Check(rc, connection_, "SQLDriverConnectW");
    connected_ = true;
}

OdbcConnection::~OdbcConnection() {
    if (inTransaction_) {
        // Work not committed when the connection goes is undone, never kept.
        SQLEndTran(SQL_HANDLE_DBC, connection_.Get(), SQL_ROLLBACK);
    }
    if (connected_) SQLDisconnect(connection_.Get());
}

std::unique_ptr<Handle> OdbcConnection::Run(std::string_view sql) {
    auto statement = std::make_unique<Handle>(SQL_HANDLE_STMT, connection_.Get());
    // Passed with its terminator rather than its length: for a driver with only
    // narrow functions the driver manager would pass a length in characters
    // on as one in bytes.
    std::vector<SQLWCHAR> text = odbc::Wide(sql);
    const SQLRETURN rc =
        SQLExecDirectW(statement->Get(), text.data(), SQL_NTS);
    // SQL_NO_DATA: a searched UPDATE or DELETE that touched no row.
    if (rc != SQL_NO_DATA) Check(rc, *statement, "SQLExecDirectW");
    return statement;
}

void OdbcConnection::Execute(std::string_view sql) {
    const std::unique_ptr<Handle> statement = Run(sql);
    // Every result is passed over, so that an error raised by a later
    // statement of a batch or procedure is not lost.
    odbc::DrainResults(*statement);
}

std::unique_ptr<Recordset> OdbcConnection::OpenRecordset(std::string_view sql) {
    const std::unique_ptr<Handle> statement = Run(sql);
    return odbc::ReadResult(*statement);
}

void OdbcConnection::SetAutoCommit(bool on) {
    const SQLULEN value = on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF;
    Check(SQLSetConnectAttrW(connection_.Get(), SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(value), 0),
          connection_, "SQLSetConnectAttrW");
}

void OdbcConnection::BeginTrans() {
    if (inTransaction_) throw Error(kTransactionExists, "此连接上已有一个活动的事务，不能再开始新的事务。");
    SetAutoCommit(false);
    inTransaction_ = true;
}

void OdbcConnection::CommitTrans() {
    if (!inTransaction_) throw Error(kNoTransaction, "没有活动的事务，无法提交。");
    // A commit the server refuses leaves the transaction open, to be rolled back.
    Check(SQLEndTran(SQL_HANDLE_DBC, connection_.Get(), SQL_COMMIT), connection_, "SQLEndTran");
    inTransaction_ = false;
    SetAutoCommit(true);
}

void OdbcConnection::RollbackTrans() {
    if (!inTransaction_) throw Error(kNoTransaction, "没有活动的事务，无法回滚。");
    // Auto-commit is switched back on only after the rollback succeeded: switching
    // it on with the transaction still open would commit the work instead.
    Check(SQLEndTran(SQL_HANDLE_DBC, connection_.Get(), SQL_ROLLBACK), connection_, "SQLEndTran");
    inTransaction_ = false;
    SetAutoCommit(true);
}

std::string OdbcConnection::DefaultDatabase() const {
    std::vector<SQLWCHAR> name(256);
    SQLINTEGER bytes = 0;
    auto ask = [&] {
        return SQLGetConnectAttrW(connection_.Get(), SQL_ATTR_CURRENT_CATALOG, name.data(),
                                  static_cast<SQLINTEGER>(name.size() * sizeof(SQLWCHAR)), &bytes);
    };
    SQLRETURN rc = ask();
    if (rc == SQL_SUCCESS_WITH_INFO && bytes >= static_cast<SQLINTEGER>(name.size() * sizeof(SQLWCHAR))) {
        name.resize(static_cast<std::size_t>(bytes) / sizeof(SQLWCHAR) + 1);
        rc = ask();
    }
    if (rc == SQL_NO_DATA) return {};
    if (!odbc::Succeeded(rc)) {
        // A driver without catalogs: the attribute is unsupported or unknown.
        const std::string state = odbc::FirstState(connection_);
        if (state == "HYC00" || state == "HY092" || state == "HY024" || state == "S1C00" || state == "S1092") return {};
        throw odbc::Diagnostics(connection_, "SQLGetConnectAttrW");
    }
    if (bytes == SQL_NULL_DATA || bytes <= 0) return {};
    const std::size_t units =
        std::min(static_cast<std::size_t>(bytes) / sizeof(SQLWCHAR), name.size() - 1);
    return odbc::NarrowTerminated(name.data(), units);
}

}  // namespace

std::shared_ptr<Connection> OpenOdbcConnection(const std::string& connectionString) {
    // The driver manager settles the encoding it converts to for a driver with
    // only narrow functions while the handles are allocated and the connection
    // is made; it is UTF-8 whatever locale the program runs in. (That
    // conversion goes through UCS-2, so characters beyond the BMP cannot reach
    // such a driver; a driver with wide functions, as FreeTDS's, gets the
    // UTF-16 text unchanged.)
    const odbc::Utf8CharacterType utf8;
    return std::make_shared<OdbcConnection>(connectionString);
}

}  // namespace quenvatrix
