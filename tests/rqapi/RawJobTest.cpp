#include <cups/cups.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "CupsSandbox.h"
#include "EmulatedPrinter.h"

namespace {

// A remote-mode job with every byte value in it, so nothing on the way may filter or convert.
std::vector<uint8_t> RemoteJob() {
    std::vector<uint8_t> job = {0x1B, 0x40, 0x1B, 0x28, 0x52, 0x08, 0x00, 0x00,
                                'R',  'E',  'M',  'O',  'T',  'E',  '1'};
    for (int value = 0; value < 256; ++value) job.push_back(uint8_t(value));
    job.insert(job.end(), {0x1B, 0x00, 0x00, 0x00});
    return job;
}

int SubmitRaw(const std::string& queue, const std::vector<uint8_t>& data) {
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, queue.c_str(), "TAVO Command", 0, nullptr);
    if (job <= 0) return 0;
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, queue.c_str(), job, "TAVO Command", CUPS_FORMAT_RAW,
                          1) != HTTP_STATUS_CONTINUE ||
        cupsWriteRequestData(CUPS_HTTP_DEFAULT, reinterpret_cast<const char*>(data.data()),
                             data.size()) != HTTP_STATUS_CONTINUE ||
        cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.c_str()) != IPP_STATUS_OK) {
        return 0;
    }
    return job;
}

TEST(RawJob, ArrivesByteForByteThroughTheSandboxOnTheRightPrinter) {
    CupsSandbox sandbox;
    ASSERT_TRUE(sandbox.Start());
    EmulatedPrinter first(sandbox);
    EmulatedPrinter second(sandbox, {.model = "ZENTA Corvid 2000"});
    ASSERT_TRUE(first.Start());
    ASSERT_TRUE(second.Start());
    const auto job = RemoteJob();

    ASSERT_GT(SubmitRaw(first.Queue(), job), 0) << cupsLastErrorString();
    const std::string file = sandbox.Folder() + "/job.bin";
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(job.data()), std::streamsize(job.size()));
    std::string output;
    ASSERT_EQ(ChildProcess::Run(
                  {"lp", "-h", sandbox.Server(), "-d", second.Queue(), "-o", "raw", file}, output),
              0)
        << output;

    for (EmulatedPrinter* printer : {&first, &second}) {
        const auto jobs = printer->WaitForJournal(EmulatedPrinter::Event("job"), 1);
        ASSERT_EQ(jobs.size(), 1u) << printer->Queue() << "\n" << sandbox.ErrorLog();
        EXPECT_EQ(jobs[0].Bytes(), job);
    }
    EXPECT_TRUE(sandbox.WaitUntilIdle(first.Queue()));
    EXPECT_TRUE(sandbox.WaitUntilIdle(second.Queue()));
}

// Sample pages are PDF documents: the PPD's pass-through filter must hand them to the printer as
// they are, not converted or rasterised.
TEST(PdfJob, ReachesThePrinterUnchanged) {
    CupsSandbox sandbox;
    ASSERT_TRUE(sandbox.Start());
    EmulatedPrinter printer(sandbox);
    ASSERT_TRUE(printer.Start());
    const std::string pdf =
        "%PDF-1.4\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n"
        "2 0 obj<</Type/Pages/Kids[3 0 R]/Count 1>>endobj\n"
        "3 0 obj<</Type/Page/Parent 2 0 R/MediaBox[0 0 200 200]>>endobj\n"
        "4 0 obj<</Title(Sample)>>endobj\ntrailer<</Root 1 0 R/Info 4 0 R>>\n%%EOF\n";
    const std::string file = sandbox.Folder() + "/sample.pdf";
    std::ofstream(file, std::ios::binary) << pdf;
    std::string output;
    ASSERT_EQ(ChildProcess::Run({"lp", "-h", sandbox.Server(), "-d", printer.Queue(), "-o",
                                 "MediaType=Media3", file},
                                output),
              0)
        << output;
    const auto jobs = printer.WaitForJournal(EmulatedPrinter::Event("job"), 1);
    ASSERT_EQ(jobs.size(), 1u) << sandbox.ErrorLog();
    EXPECT_EQ(jobs[0].Bytes(), std::vector<uint8_t>(pdf.begin(), pdf.end()));
}

}  // namespace
