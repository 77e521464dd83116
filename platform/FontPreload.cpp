#include "platform/FontPreload.h"

#if defined(PROVENDO_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

#include <system_error>

namespace platform {

FontPreload::FontPreload() {
#if defined(PROVENDO_HAVE_FONTCONFIG)
    // Parsing the configuration files is most of the font start-up cost. The library
    // loads its configuration once per process, safely from any thread: whichever of
    // this thread and the first text measurement comes second finds it loaded.
    try {
        thread_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to be had: the first text measured loads the configuration itself.
    }
#endif
}

FontPreload::~FontPreload() {
    join();
}

void FontPreload::join() {
    if (thread_.joinable())
        thread_.join();
}

} // namespace platform
