#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "FirmwareFileBuilder.h"

namespace {
int Usage(const char* problem) {
    std::fprintf(stderr,
                 "firmware_generator: %s\n"
                 "usage: firmware_generator --version TEXT [--size BYTES] [--variant NAME] OUTPUT\n"
                 "  --version TEXT   six characters, e.g. I20711\n"
                 "  --size BYTES     payload size (default 4096)\n"
                 "  --variant NAME   valid (default), bad-checksum, bad-length, bad-version,\n"
                 "                   too-short\n",
                 problem);
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    std::string version, output;
    std::size_t size = 4096;
    FirmwareFileBuilder::Variant variant = FirmwareFileBuilder::Variant::kValid;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--version" && hasValue) {
            version = argv[++i];
        } else if (argument == "--size" && hasValue) {
            char* end = nullptr;
            const unsigned long long value = std::strtoull(argv[++i], &end, 10);
            if (*end != '\0' || value > (1ull << 31)) return Usage("bad --size");
            size = static_cast<std::size_t>(value);
        } else if (argument == "--variant" && hasValue) {
            if (!FirmwareFileBuilder::VariantFromName(argv[++i], variant))
                return Usage("unknown --variant");
        } else if (argument.rfind("--", 0) != 0 && output.empty()) {
            output = argument;
        } else {
            return Usage(("unexpected argument " + argument).c_str());
        }
    }
    if (output.empty()) return Usage("no output file");
    const auto file = FirmwareFileBuilder::Build(version, size, variant);
    if (file.empty()) return Usage("the version text must be six characters");
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    if (!out.flush()) {
        std::fprintf(stderr, "firmware_generator: cannot write %s\n", output.c_str());
        return 1;
    }
    return 0;
}
