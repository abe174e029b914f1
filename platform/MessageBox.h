#pragma once

#include <functional>
#include <optional>
#include <string>

// Modal message boxes. Flags follow the classic values: 0 = OK button only, 16 = critical
// icon with an OK button. Without a title the box shows the application's title. The prompt
// reaches the box exactly as given (CR LF stays CR LF); the box shows the ordinary arrow cursor.
namespace MessageBoxFlag {
inline constexpr int OkOnly = 0;
inline constexpr int Critical = 16;
} // namespace MessageBoxFlag

struct MessageBoxCall
{
    std::string prompt;
    int flags = 0;
    std::optional<std::string> title;
    bool operator==(const MessageBoxCall&) const = default;
};

void MsgBox(const std::string& prompt, int flags = MessageBoxFlag::OkOnly,
            const std::optional<std::string>& title = std::nullopt);

// Test seam: while a handler is installed, boxes go to it instead of the screen.
using MessageBoxHandler = std::function<void(const MessageBoxCall&)>;
void setMessageBoxHandler(MessageBoxHandler handler);
