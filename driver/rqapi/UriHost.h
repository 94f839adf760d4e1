#pragma once

#include <string>
#include <string_view>

namespace rqapi {

// The host of a device URI (scheme://[user[:password]@]host[:port][/resource][?query]):
// "socket://10.0.0.5:9100" gives 10.0.0.5, "socket://[fe80::1]:9100" gives fe80::1, %XX escapes
// decoded. Empty when the URI has no "//" part or names no host.
std::string UriHost(std::string_view uri);

}  // namespace rqapi
