#include "platform/ui/PhoneWindow.h"

#include <QDateTime>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace platform::ui {

struct PhoneWindow::Impl {
    QWidget window;
    QLabel* statusBar { nullptr };
    QWidget* screen { nullptr };
};

PhoneWindow::PhoneWindow()
    : m_impl(std::make_unique<Impl>())
{
    auto& w = m_impl->window;
    w.setFixedSize(kWidth, kHeight);
    w.setWindowTitle("Tansu");
    w.setStyleSheet("background: white;");
    m_impl->statusBar = new QLabel(&w);
    m_impl->statusBar->setGeometry(0, 0, kWidth, kStatusBarHeight);
    m_impl->statusBar->setStyleSheet("background: black; color: white; font-size: 12px;");
    m_impl->statusBar->setAlignment(Qt::AlignCenter);
    m_impl->statusBar->setText("Tansu");
    m_impl->screen = new QWidget(&w);
    m_impl->screen->setGeometry(0, kStatusBarHeight, kWidth, kHeight - kStatusBarHeight);
}

PhoneWindow::~PhoneWindow() = default;

void PhoneWindow::show()
{
    m_impl->window.show();
}

bool PhoneWindow::writeScreenshot(const std::string& path)
{
    QPixmap pixmap = m_impl->window.grab();
    return pixmap.save(QString::fromStdString(path), "PNG");
}

} // namespace platform::ui
