#pragma once

#include <memory>
#include <string>

struct ppd_file_s;

// A PPD file, the driver's data file of a queue, read once for all the attributes asked of it.
class PpdFile {
  public:
    explicit PpdFile(const std::string& path);
    ~PpdFile();
    PpdFile(const PpdFile&) = delete;
    PpdFile& operator=(const PpdFile&) = delete;

    // The value of a main keyword ("*RQAPII: "librqapi.so"" gives librqapi.so); empty when the
    // file could not be read or lacks the keyword.
    std::string Attribute(const std::string& key) const;
    // The folder the model's libraries are installed in, ending in '/'; empty when it names none.
    std::string DriverFolder() const;

  private:
    struct Closer {
        void operator()(ppd_file_s* ppd) const;
    };
    std::unique_ptr<ppd_file_s, Closer> ppd_;
};
