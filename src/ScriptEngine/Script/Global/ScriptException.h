// The one error type of the script core. Every failure that stops a line is
// raised as a ScriptException carrying the class that raised it and a message
// (mostly Chinese, since script authors read it). The engine entry catches it.
//
//   throw ScriptException("Expression", "文法错误");
#pragma once

#include <stdexcept>
#include <string>

class ScriptException : public std::runtime_error {
public:
    ScriptException(std::string source, std::string message)
        : std::runtime_error("[" + source + "] " + message), source(std::move(source)),
          message(std::move(message)) {}

    std::string source;
    std::string message;
};
