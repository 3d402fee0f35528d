// A built program run as a process from the shell: its exit status and what
// it wrote to standard output and standard error.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "files.hpp"
#include "temp_folder.hpp"

namespace enclavio::test_support {

struct ProgramRun {
    int status = -1;  // the exit status, or -1 when a signal ended it
    std::string out, err;
};

// `s` as one word of the shell, whatever it holds.
inline std::string quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

struct RunPlace {
    std::string cwd = ".";            // the folder it runs in
    std::vector<std::string> env;     // NAME=value added to the environment
    std::string input = "/dev/null";  // its standard input
    std::string output;               // where given, takes its standard output
};

// Runs `program` with `args` as `place` says. It is stopped after a minute, so
// a program that waits for ever fails its test instead of hanging the run.
inline ProgramRun run_program(const std::string& program, const std::vector<std::string>& args,
                              const RunPlace& place = {}) {
    const TempFolder streams;
    std::string command = "cd " + quoted(place.cwd) + " && timeout 60 env";
    for (const auto& e : place.env) command += " " + quoted(e);
    command += " " + quoted(program);
    for (const auto& a : args) command += " " + quoted(a);
    const std::string out = streams.file("out"), err = streams.file("err");
    command +=
        " >" + quoted(place.output.empty() ? out : place.output) + " 2>" + quoted(err) + " <" + quoted(place.input);
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, get_bytes(out), get_bytes(err)};
}

}  // namespace enclavio::test_support
