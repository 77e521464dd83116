#pragma once

#include "platform/RegistryStore.h"

#include <cstdint>
#include <optional>

// A stored REG_DWORD as the signed number the program wrote, or -999999 when the value is
// missing or not four bytes of that type.
inline std::int64_t storedDword(const std::optional<platform::RegValue>& v) {
    if (!v || v->type != platform::RegDword || v->data.size() != 4)
        return -999999;
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i)
        u = (u << 8) | static_cast<unsigned char>(v->data[static_cast<std::size_t>(i)]);
    return static_cast<std::int32_t>(u);
}
