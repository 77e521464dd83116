#pragma once

#include <stdexcept>
#include <string>

namespace model {

// Raised by list operations; the message is shown to the user as it stands.
class EListError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "List index out of bounds (%d)"
EListError indexOutOfBounds(long long index);

// "Unable to insert a line"
EListError unableToInsert();

} // namespace model
