#pragma once
// Runs the command-line tool as a separate process and collects what it says.
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <string>
#include <vector>

namespace gc::test {

struct CliResult {
    int status = -1;
    std::string out, err;
};

inline CliResult runCli(const std::vector<std::string>& args, const char* epoch = "1262527509") {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (epoch) env.insert("SOURCE_DATE_EPOCH", epoch);
    p.setProcessEnvironment(env);
    QStringList list;
    for (const auto& a : args) list << QString::fromStdString(a);
    p.start(QStringLiteral(GREETCARD_CLI), list);
    p.waitForFinished(120000);
    CliResult r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput().toStdString();
    r.err = p.readAllStandardError().toStdString();
    return r;
}

}  // namespace gc::test
