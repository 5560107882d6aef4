// The application object: owns the toolkit's main loop, pins the font so that
// screenshots look the same everywhere, and reads the common command-line
// options (--data-dir).
//
//   platform::Application app(argc, argv);
//   return app.exec();
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace platform {

class Application {
public:
    Application(int& argc, char** argv);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    int exec();
    static void quit(int code = 0);

    // The arguments left after the toolkit took its own.
    const std::vector<std::string>& arguments() const { return m_arguments; }

    // The value after "--name", or fallback.
    std::string option(const std::string& name, const std::string& fallback = {}) const;
    bool hasFlag(const std::string& name) const;

    // The font every label and text uses unless a screen names another.
    static constexpr const char* kFontFamily = "WenQuanYi Micro Hei";

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    std::vector<std::string> m_arguments;
};

} // namespace platform
