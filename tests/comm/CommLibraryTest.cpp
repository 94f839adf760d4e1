#include "comm/CommLibrary.h"

#include <gtest/gtest.h>

#include "ScriptedLibrary.h"
#include "SubstituteSpooler.h"

namespace {

// The library the queue's driver names, by its initialize and release results.
TEST(CommLibraryTest, LoadsTheDriversLibraryWhenAllNamesResolveAndItInitializes) {
    ScriptedLibrary complete{ScriptedLibrary::Folder() + ScriptedLibrary::CompleteName()};
    struct Row {
        std::string library;  // empty: the driver names none
        int32_t initialize, release;
        bool loaded, held, unloaded;
    };
    const Row rows[] = {
        {ScriptedLibrary::CompleteName(), 0, 0, true, true, true},
        {ScriptedLibrary::CompleteName(), 1, -5, false, true, true},
        {ScriptedLibrary::CompleteName(), -1, 1, false, true, false},
        // Eleven of the twelve names: the module stays loaded, the names that resolved work.
        {ScriptedLibrary::IncompleteName(), 0, 0, false, true, true},
        {"libnot_there.so", 0, 0, false, false, true},
        {"", 0, 0, false, false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.library + " " + std::to_string(row.initialize));
        complete.Reset();
        complete.SetResult("RQInitialize", row.initialize);
        complete.SetResult("RQRelease", row.release);
        SubstituteSpooler spooler;
        spooler.folder = ScriptedLibrary::Folder();
        if (!row.library.empty()) spooler.attributes["RQAPII"] = row.library;
        CommLibrary library(spooler);
        EXPECT_EQ(library.OpenChannel(1, "Corvid", 4), -100);
        EXPECT_EQ(library.Load("Corvid", false), row.loaded);
        EXPECT_EQ(library.IsLoaded(), row.held);
        EXPECT_EQ(library.OpenChannel(1, "Corvid", 4), row.held ? 7 : -100);
        if (row.loaded) {
            EXPECT_TRUE(library.Load("Corvid", false)) << "already loaded";
        }
        EXPECT_EQ(library.Unload(), row.unloaded);
        EXPECT_FALSE(library.IsLoaded());
    }
}

// By name the program's own folder comes first: the build lays the real library out beside the
// programs, as an installation does.
TEST(CommLibraryTest, ByNameTheLibraryBesideTheProgramComesFirst) {
    SubstituteSpooler spooler;
    spooler.UseLibrary(ScriptedLibrary::Folder(), ScriptedLibrary::CompleteName());
    CommLibrary library(spooler);
    EXPECT_TRUE(library.Load("Corvid", true));
    EXPECT_NE(library.OpenChannel(1, "Corvid", 4), 7);
}

}  // namespace
