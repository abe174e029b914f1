#pragma once

#include <memory>
#include <string>

struct xcb_connection_t;

// The display the window would be shown on, tried before any Qt application object exists: Qt
// aborts the program when it cannot connect to the display it picked, before any text of ours
// can say why.
// - QT_QPA_PLATFORM set: the platform it names is Qt's choice, taken as reached and not tried.
// - Otherwise an X display (DISPLAY not empty) counts when it accepts a connection, handshake
//   and authorisation included; a Wayland display (WAYLAND_DISPLAY not empty: a socket's path,
//   or its name in XDG_RUNTIME_DIR) when its socket accepts one.
// The X connection stays open while the object lives: an X server whose last client leaves
// resets, refusing connections meanwhile, so it is let go only once Qt has its own.
class DisplayConnection final
{
public:
    DisplayConnection();
    ~DisplayConnection();
    DisplayConnection(const DisplayConnection&) = delete;
    DisplayConnection& operator=(const DisplayConnection&) = delete;

    bool reached() const noexcept { return m_reached; }
    // Qt's platform plugin for the one kind of display reached ("xcb" or "wayland"), so that Qt
    // does not try the other first; empty when QT_QPA_PLATFORM chooses or both were reached.
    const std::string& platform() const noexcept { return m_platform; }

private:
    struct Disconnect
    {
        void operator()(xcb_connection_t* connection) const;
    };

    std::unique_ptr<xcb_connection_t, Disconnect> m_x;
    bool m_reached = false;
    std::string m_platform;
};
