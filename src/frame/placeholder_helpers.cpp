// Temporary: replaced by the ODBC backend's own source.
#include "quenvatrix/connection.h"

namespace quenvatrix {
std::shared_ptr<Connection> OpenOdbcConnection(const std::string&) { throw Error(error_number::kInvalidCall, "OpenOdbcConnection is missing from this build"); }
}
