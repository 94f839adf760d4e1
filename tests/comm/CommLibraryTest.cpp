#include "comm/CommLibrary.h"

#include <gtest/gtest.h>

#include "ScriptedLibrary.h"
#include "SubstituteSpooler.h"

namespace {

class CommLibraryTest : public ::testing::Test {
  protected:
    void UseLibrary(const std::string& name) {
        spooler.attributes["RQAPII"] = name;
        spooler.folder = ScriptedLibrary::Folder();
    }

    SubstituteSpooler spooler;
    ScriptedLibrary complete{ScriptedLibrary::Folder() + ScriptedLibrary::CompleteName()};
    ScriptedLibrary incomplete{ScriptedLibrary::Folder() + ScriptedLibrary::IncompleteName()};
};

TEST_F(CommLibraryTest, LoadsTheLibraryBesideTheProgramOrTheDriversOnce) {
    complete.Reset();
    UseLibrary(ScriptedLibrary::CompleteName());
    CommLibrary library(spooler);
    EXPECT_EQ(library.Send(1, nullptr, 0), -100);
    // By name the program's own folder comes first: the build lays the real library out beside
    // the programs, as an installation does.
    EXPECT_TRUE(library.Load("Corvid", true));
    EXPECT_EQ(complete.CountCalls("RQInitialize"), 0);
    library.Unload();

    EXPECT_TRUE(library.Load("Corvid", false));
    EXPECT_TRUE(library.IsLoaded());
    EXPECT_TRUE(library.Load("Corvid", false));
    EXPECT_EQ(complete.CountCalls("RQInitialize"), 1);
    EXPECT_EQ(library.OpenChannel(1, "Corvid", 4), 7);
    EXPECT_EQ(complete.CountCalls("RQOpenChannel 1 Corvid 4"), 1);

    EXPECT_TRUE(library.Unload());
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_EQ(complete.CountCalls("RQRelease"), 1);
    EXPECT_EQ(library.OpenChannel(1, "Corvid", 4), -100);
    EXPECT_EQ(library.Receive(7, nullptr, nullptr, 0), -100);
}

TEST_F(CommLibraryTest, ElevenNamesLoadTheModuleButReportFailureUntilUnload) {
    incomplete.Reset();
    UseLibrary(ScriptedLibrary::IncompleteName());
    CommLibrary library(spooler);
    EXPECT_FALSE(library.Load("Corvid", false));
    EXPECT_TRUE(library.IsLoaded());
    EXPECT_EQ(incomplete.CountCalls("RQInitialize"), 1);
    // The names that resolved still work.
    EXPECT_EQ(library.OpenChannel(1, "Corvid", 4), 7);
    EXPECT_TRUE(library.Load("Corvid", false));  // already loaded
    library.Unload();
    EXPECT_FALSE(library.IsLoaded());
}

TEST_F(CommLibraryTest, InitializeAndReleaseResultsDecide) {
    UseLibrary(ScriptedLibrary::CompleteName());
    struct Row {
        int32_t initialize;
        bool loaded;
        int32_t release;
        bool released;
    };
    for (const Row row :
         {Row{0, true, 0, true}, Row{1, false, -5, true}, Row{-1, false, 1, false}}) {
        complete.Reset();
        complete.SetResult("RQInitialize", row.initialize);
        complete.SetResult("RQRelease", row.release);
        CommLibrary library(spooler);
        EXPECT_EQ(library.Load("Corvid", false), row.loaded) << row.initialize;
        EXPECT_TRUE(library.IsLoaded());
        EXPECT_EQ(library.Unload(), row.released) << row.release;
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
