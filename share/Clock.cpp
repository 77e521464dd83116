#include "share/Clock.h"

namespace share {

QDate systemToday() {
    return QDate::currentDate();
}

} // namespace share
