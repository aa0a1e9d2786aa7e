#include "upgrade_run.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "quenvatrix/script_connection.h"

namespace quenvatrix::host {

namespace {

// A driver may report several diagnostic records, one per line; the program's
// error stays on one line.
std::string OneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') {
            line += " / ";
        } else {
            line += c;
        }
    }
    return line;
}

}  // namespace

std::optional<std::string> CheckRequest(const UpgradeRequest& request) {
    const long first = clsUpdate::kFirstVersion;
    const long last = clsUpdate::kLastVersion;
    if (request.from < first || request.from > last) {
        return "--from must be a database version from " + std::to_string(first) + " to " + std::to_string(last);
    }
    if (request.to <= request.from || request.to > last + 1) {
        return "--to must lie above --from and not above " + std::to_string(last + 1);
    }
    if (request.connect.has_value() == request.script.has_value()) {
        return "give exactly one of --connect and --script";
    }
    return std::nullopt;
}

long RunVersions(clsUpdate& component, const UpgradeRequest& request, std::ostream& progress, std::ostream& err,
                 ScriptConnection* script) {
    for (long version = request.from; version < request.to; ++version) {
        bool done = false;
        try {
            if (script != nullptr) script->Comment("version " + std::to_string(version));
            done = component.DoUpdate(version);
        } catch (const Error& error) {
            // The script's mark could not be written, or the component could not
            // deal with the step's failure itself (its rollback failed, for
            // one): the run ends here all the same.
            err << "quenvatrix-upgrade: version " << version << ": " << OneLine(error.Description()) << std::endl;
        }
        if (!done) {
            progress << "version " << version << ": failed" << std::endl;
            return version;
        }
        progress << "version " << version << " -> " << version + 1 << ": done" << std::endl;
    }
    return request.to;
}

int RunUpgrade(const UpgradeRequest& request, std::ostream& out, std::ostream& err) {
    if (auto problem = CheckRequest(request)) {
        err << "quenvatrix-upgrade: " << *problem << std::endl;
        return 2;
    }
    clsUpdate component;
    component.SetMessageSink([&err](const std::string& text, const std::string& title) {
        err << title << ' ' << OneLine(text) << std::endl;
    });
    std::shared_ptr<ScriptConnection> script;
    try {
        if (request.script) {
            script = OpenScriptConnection(*request.script);
            component.set_pCn(script);
        } else {
            component.set_pCn(OpenOdbcConnection(*request.connect));
        }
    } catch (const Error& error) {
        err << "quenvatrix-upgrade: " << OneLine(error.Description()) << std::endl;
        return 2;
    }
    const long standsAt = RunVersions(component, request, out, err, script.get());
    if (standsAt != request.to) {
        err << "quenvatrix-upgrade: the step for version " << standsAt
            << " failed; the database stands at version " << standsAt << std::endl;
        return 1;
    }
    out << "the database stands at version " << standsAt << std::endl;
    return 0;
}

int Main(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    CLI::App app{"Brings the hospital database up to date, one version at a time.", "quenvatrix-upgrade"};
    UpgradeRequest request;
    app.add_option("--from", request.from, "the version the database stands at now")->required();
    app.add_option("--to", request.to, "the version to reach (default 1070)");
    auto* connect = app.add_option("--connect", request.connect, "ODBC connection string of the database");
    auto* script = app.add_option("--script", request.script, "write the statements to this T-SQL file instead");
    connect->excludes(script);
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return 0;
    } catch (const CLI::ParseError& error) {
        err << "quenvatrix-upgrade: " << error.what() << std::endl;
        return 2;
    }
    return RunUpgrade(request, out, err);
}

}  // namespace quenvatrix::host
