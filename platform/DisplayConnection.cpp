#include "platform/DisplayConnection.h"

#include "platform/Environment.h"
#include "platform/FileDescriptor.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

// The compositor's socket, where libwayland looks for it.
bool waylandReachable()
{
    std::string path = environment("WAYLAND_DISPLAY");
    if (path.empty())
        return false;
    if (!path.starts_with('/')) {
        const std::string runtime = environment("XDG_RUNTIME_DIR");
        if (runtime.empty())
            return false;
        path = runtime + '/' + path;
    }
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const FileDescriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    return socket.get() >= 0 && ::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address),
                                          sizeof address) == 0;
}

} // namespace

void DisplayConnection::Disconnect::operator()(xcb_connection_t* connection) const
{
    xcb_disconnect(connection);
}

DisplayConnection::DisplayConnection()
{
    if (std::getenv("QT_QPA_PLATFORM") != nullptr) {
        m_reached = true;
        return;
    }
    const std::string display = environment("DISPLAY");
    if (!display.empty()) {
        // Never null: a failed connection is an object that says so, and must be let go too.
        m_x.reset(xcb_connect(display.c_str(), nullptr));
        if (xcb_connection_has_error(m_x.get()) != 0)
            m_x.reset();
    }
    const bool wayland = waylandReachable();
    m_reached = m_x != nullptr || wayland;
    if (m_x != nullptr && !wayland)
        m_platform = "xcb";
    else if (wayland && m_x == nullptr)
        m_platform = "wayland";
}

DisplayConnection::~DisplayConnection() = default;
