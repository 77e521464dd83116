#pragma once

#include <thread>

namespace platform {

// Reads the system's font configuration on a thread of its own while the program
// connects to the display and builds its window, so that the first text the window
// measures does not wait for it. Where fonts need no such step it does nothing.
// Start it before the application object; join it before that object goes.
class FontPreload {
public:
    FontPreload();
    ~FontPreload();
    FontPreload(const FontPreload&) = delete;
    FontPreload& operator=(const FontPreload&) = delete;

    void join();

private:
    std::thread thread_;
};

} // namespace platform
