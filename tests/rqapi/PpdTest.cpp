#include <gtest/gtest.h>

#include <string>

#include "ChildProcess.h"
#include "CupsSandbox.h"
#include "FileText.h"

namespace {

// The media choices against the media table are the driver-settings library's test; the queue's
// driver folder, model and PDF pass-through are seen by the integration and end-to-end tests.
TEST(ModelPpd, ValidAndNamingItsModelAndLibraries) {
    for (const std::string model : {"ZENTA Corvid 4000", "ZENTA Corvid 2000"}) {
        SCOPED_TRACE(model);
        const std::string path = CupsSandbox::PpdPath(model);
        std::string output;
        EXPECT_EQ(ChildProcess::Run({"cupstestppd", "-W", "all", path}, output), 0) << output;
        const std::string ppd = ReadFileText(path);
        for (const std::string& line :
             {"*NickName: \"" + model + "\"", "*ModelName: \"" + model + "\"",
              std::string("*Manufacturer: \"ZENTA\""), std::string("*RQAPII: \"librqapi.so\""),
              std::string("*ZTDriverFolder: \"@DRIVER_FOLDER@\"")}) {
            EXPECT_NE(ppd.find(line + "\n"), std::string::npos) << line;
        }
    }
}

}  // namespace
