// Report dates carry the local offset; every test runs three hours behind UTC.
#include <cstdlib>
#include <ctime>

namespace {
const bool timeZoneFixed = [] {
    setenv("TZ", "BRT3", 1);
    tzset();
    return true;
}();
} // namespace
