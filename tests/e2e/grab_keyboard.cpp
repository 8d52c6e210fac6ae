// SPDX-License-Identifier: GPL-3.0-or-later
// An X client that holds the keyboard grab until it is ended: the other client the key
// capture dialog must give way to. Prints "grabbed" once it holds the grab.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include <unistd.h>

int main() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return 1;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    std::unique_ptr<xcb_grab_keyboard_reply_t, decltype(&std::free)> reply(
        xcb_grab_keyboard_reply(connection,
                                xcb_grab_keyboard(connection, 0, root, XCB_CURRENT_TIME,
                                                  XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
                                nullptr),
        &std::free);
    if (!reply || reply->status != XCB_GRAB_STATUS_SUCCESS)
        return 2;
    std::puts("grabbed");
    std::fflush(stdout);
    pause();
    return 0;
}
