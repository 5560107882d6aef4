#include "platform/Application.h"

#include "platform/Paths.h"

#include <QApplication>
#include <QFont>

namespace platform {

struct Application::Impl {
    std::unique_ptr<QApplication> app;
};

Application::Application(int& argc, char** argv)
    : m_impl(std::make_unique<Impl>())
{
    m_impl->app = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName("tansu");
    QFont font(kFontFamily);
    font.setPixelSize(15);
    font.setStyleStrategy(QFont::PreferAntialias);
    QApplication::setFont(font);
    for (int i = 0; i < argc; ++i)
        m_arguments.emplace_back(argv[i]);
    if (auto dir = option("--data-dir"); !dir.empty())
        setDataRoot(dir);
}

Application::~Application() = default;

int Application::exec()
{
    return QApplication::exec();
}

void Application::quit(int code)
{
    QCoreApplication::exit(code);
}

std::string Application::option(const std::string& name, const std::string& fallback) const
{
    for (size_t i = 0; i + 1 < m_arguments.size(); ++i) {
        if (m_arguments[i] == name)
            return m_arguments[i + 1];
    }
    return fallback;
}

bool Application::hasFlag(const std::string& name) const
{
    for (auto& a : m_arguments) {
        if (a == name)
            return true;
    }
    return false;
}

} // namespace platform
