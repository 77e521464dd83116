#pragma once

#include <QDate>
#include <functional>

namespace share {

// Where the print and e-mail commands read today's date; tests give a fixed one.
using Clock = std::function<QDate()>;

// The date on the system's clock in local time: the one source of "today".
QDate systemToday();

} // namespace share
