// A settings file as the store reads it: what is read is written, and what is written
// reads back as the same keys and values with nothing damaged.
#include "fuzz/FuzzCheck.h"
#include "platform/RegTree.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

bool sameTree(const platform::RegTree& a, const platform::RegTree& b) {
    if (a.keys().size() != b.keys().size())
        return false;
    for (auto x = a.keys().begin(), y = b.keys().begin(); x != a.keys().end(); ++x, ++y)
        if (x->first != y->first || x->second.path != y->second.path ||
            x->second.values != y->second.values)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const platform::RegParseResult first = platform::parseRegEdit4(text, "HKEY_CURRENT_USER");
    const std::string written = platform::writeRegEdit4(first.tree, "HKEY_CURRENT_USER");
    const platform::RegParseResult second = platform::parseRegEdit4(written, "HKEY_CURRENT_USER");
    FUZZ_CHECK(!second.damaged);
    FUZZ_CHECK(sameTree(second.tree, first.tree));
    FUZZ_CHECK(platform::writeRegEdit4(second.tree, "HKEY_CURRENT_USER") == written);
    return 0;
}
