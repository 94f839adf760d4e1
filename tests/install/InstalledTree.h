#pragma once

// `cmake --install` of this build into a fresh prefix under /tmp, as a technician installs it:
//
//   InstalledTree tree;
//   ASSERT_TRUE(tree.Install());
//   sandbox.UsePpdFolder(tree.PpdFolder());   // lpinfo -m lists the installed PPDs
//
// The prefix is traversable by lp (cupsd runs the installed filter as lp) and removed at the end
// unless the test failed.

#include <gtest/gtest.h>

#include <string>

class InstalledTree {
  public:
    InstalledTree() = default;
    ~InstalledTree();
    InstalledTree(const InstalledTree&) = delete;
    InstalledTree& operator=(const InstalledTree&) = delete;

    ::testing::AssertionResult Install();
    const std::string& Prefix() const { return prefix_; }
    std::string PpdFolder() const { return prefix_ + "/share/ppd"; }

  private:
    std::string prefix_;
};
