#include "WrappedCommand.h"

#include <algorithm>

const ObjectIdentifier& WrappedCommand::Prefix() {
    static const ObjectIdentifier prefix{1, 3, 6, 1, 4, 1, 1248, 1, 2, 2, 40, 1, 1, 2};
    return prefix;
}

WrappedCommand::Result WrappedCommand::Extract(const ObjectIdentifier& oid, Bytes& command) {
    const ObjectIdentifier& prefix = Prefix();
    if (oid.size() < prefix.size() || !std::equal(prefix.begin(), prefix.end(), oid.begin())) {
        return kNotWrapped;
    }
    Bytes tail;
    for (std::size_t i = prefix.size(); i < oid.size(); ++i) {
        if (oid[i] > 0xFF) return kMalformed;
        tail.push_back(static_cast<std::uint8_t>(oid[i]));
    }
    if (tail.size() < 4 || tail[1] != 0x08) return kMalformed;
    const std::size_t length = (std::size_t{tail[2]} << 8) | tail[3];
    if (tail.size() != length + 4 || tail[0] != ((length + 3) & 0xFF)) return kMalformed;
    command.assign(tail.begin() + 4, tail.end());
    return kCommand;
}
