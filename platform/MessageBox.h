#pragma once

#include <functional>
#include <optional>
#include <string>

// Modal message boxes. Flags follow the classic values: 0 = OK button only, 16 = critical
// icon with an OK button. Without a title the box shows the application's title. The prompt
// reaches the box exactly as given (CR LF stays CR LF); the box shows the ordinary arrow cursor.
namespace MessageBoxFlag {
inline constexpr int OkOnly = 0;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
} // namespace MessageBoxFlag

// The button that closed a box.
namespace MessageBoxResult {
inline constexpr int Ok = 1;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace MessageBoxResult

struct MessageBoxCall
{
    std::string prompt;
    int flags = 0;
    std::optional<std::string> title;
    bool operator==(const MessageBoxCall&) const = default;
};

// Returns the button pressed; a Yes/No box closed otherwise answers No.
int MsgBox(const std::string& prompt, int flags = MessageBoxFlag::OkOnly,
           const std::optional<std::string>& title = std::nullopt);

// Test seam: while a handler is installed, boxes go to it instead of the screen, and a Yes/No box
// answers with the answer set last (Yes until one is set).
using MessageBoxHandler = std::function<void(const MessageBoxCall&)>;
void setMessageBoxHandler(MessageBoxHandler handler);
void setMessageBoxAnswer(int answer);
