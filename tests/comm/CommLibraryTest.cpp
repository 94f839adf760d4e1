#include "comm/CommLibrary.h"

#include <gtest/gtest.h>

#include "ScriptedLibrary.h"
#include "SubstituteSpooler.h"

namespace {

class CommLibraryTest : public ::testing::Test {
  protected:
    void SetUp() override { complete.Reset(); }
    void UseLibrary(const std::string& name) {
        spooler.UseLibrary(ScriptedLibrary::Folder(), name);
    }

    SubstituteSpooler spooler;
    ScriptedLibrary complete{ScriptedLibrary::Folder() + ScriptedLibrary::CompleteName()};
};

TEST_F(CommLibraryTest, LoadsTheDriversLibraryOrTheOneBesideTheProgram) {
    UseLibrary(ScriptedLibrary::CompleteName());
    CommLibrary library(spooler);
    EXPECT_EQ(library.Send(1, nullptr, 0), -100);
    // By name the program's own folder comes first: the build lays the real library out beside
    // the programs, as an installation does.
    EXPECT_TRUE(library.Load("Corvid", true));
    EXPECT_NE(library.OpenChannel(1, "Corvid", 4), 7);
    library.Unload();

    EXPECT_TRUE(library.Load("Corvid", false));
    EXPECT_TRUE(library.IsLoaded());
    EXPECT_TRUE(library.Load("Corvid", false));
    EXPECT_EQ(library.OpenChannel(1, "Corvid", 4), 7);
    EXPECT_TRUE(library.Unload());
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_EQ(library.OpenChannel(1, "Corvid", 4), -100);
    EXPECT_EQ(library.Receive(7, nullptr, nullptr, 0), -100);
}

TEST_F(CommLibraryTest, ElevenNamesLoadTheModuleButReportFailureUntilUnload) {
    UseLibrary(ScriptedLibrary::IncompleteName());
    CommLibrary library(spooler);
    EXPECT_FALSE(library.Load("Corvid", false));
    EXPECT_TRUE(library.IsLoaded());
    // The names that resolved still work.
    EXPECT_EQ(library.OpenChannel(1, "Corvid", 4), 7);
    EXPECT_TRUE(library.Load("Corvid", false));  // already loaded
    library.Unload();
    EXPECT_FALSE(library.IsLoaded());
}

TEST_F(CommLibraryTest, InitializeAndReleaseResultsDecide) {
    UseLibrary(ScriptedLibrary::CompleteName());
    // Initialize's result, whether the load succeeds; release's result, whether unload does.
    const std::tuple<int32_t, bool, int32_t, bool> rows[] = {
        {0, true, 0, true}, {1, false, -5, true}, {-1, false, 1, false}};
    for (const auto& [initialize, loaded, release, released] : rows) {
        complete.Reset();
        complete.SetResult("RQInitialize", initialize);
        complete.SetResult("RQRelease", release);
        CommLibrary library(spooler);
        EXPECT_EQ(library.Load("Corvid", false), loaded) << initialize;
        EXPECT_TRUE(library.IsLoaded());
        EXPECT_EQ(library.Unload(), released) << release;
    }
}

TEST_F(CommLibraryTest, NothingToLoadWithoutTheDriversAttribute) {
    CommLibrary library(spooler);
    spooler.folder = ScriptedLibrary::Folder();
    EXPECT_FALSE(library.Load("Corvid", false));
    EXPECT_FALSE(library.IsLoaded());
    spooler.attributes["RQAPII"] = "libnot_there.so";
    EXPECT_FALSE(library.Load("Corvid", false));
    EXPECT_FALSE(library.IsLoaded());
}

}  // namespace
