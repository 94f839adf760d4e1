#include <gtest/gtest.h>

#include <string>

#include "ChildProcess.h"
#include "CupsSandbox.h"

namespace {

// The lines the binding and the driver folder need are read by the integration and end-to-end
// tests through the queues made from these files; the media choices are the driver-settings
// library's test.
TEST(ModelPpd, PassesTheSpoolersOwnCheck) {
    for (const std::string model : {"ZENTA Corvid 4000", "ZENTA Corvid 2000"}) {
        std::string output;
        EXPECT_EQ(
            ChildProcess::Run({"cupstestppd", "-W", "all", CupsSandbox::PpdPath(model)}, output), 0)
            << model << "\n"
            << output;
    }
}

}  // namespace
