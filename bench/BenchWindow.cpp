#include "BenchWindow.h"

#include "ui/MainWindow.h"

#include <memory>

namespace {

std::unique_ptr<MainWindow>& WindowSlot()
{
    static std::unique_ptr<MainWindow> slot;
    return slot;
}

} // namespace

MainWindow& BenchWindow()
{
    std::unique_ptr<MainWindow>& window = WindowSlot();
    if (!window) {
        window = std::make_unique<MainWindow>();
        window->Open();
    }
    return *window;
}

void CloseBenchWindow()
{
    WindowSlot().reset();
}
