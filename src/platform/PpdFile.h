#pragma once

#include <string>
#include <string_view>

// A PPD file, the driver's data file of a queue, read once for all the attributes asked of it.
// Read as text, without libcups: the command filter starts faster without that library.
class PpdFile {
  public:
    // At most 4 MiB of the file; a file that cannot be read has no attributes.
    explicit PpdFile(const std::string& path);

    // The value of a main keyword: "*RQAPII: "librqapi.so"" gives librqapi.so. A quoted value may
    // span lines; an unquoted one ends with its line. The first line of the keyword counts; empty
    // when there is none or its quote is not closed.
    std::string Attribute(std::string_view key) const { return AttributeIn(text_, key); }
    // The folder the model's libraries are installed in, ending in '/'; empty when it names none.
    std::string DriverFolder() const;

    static std::string AttributeIn(std::string_view text, std::string_view key);

  private:
    std::string text_;
};
