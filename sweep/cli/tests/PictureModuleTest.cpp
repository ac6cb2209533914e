// SPDX-License-Identifier: GPL-3.0-or-later
#include "sweep/cli/PictureModule.h"
#include "tools/testsupport/TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace sweep;

namespace {

std::string Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

using PictureModule = TestFolder;

} // namespace

TEST_F(PictureModule, TheRealModuleLoads)
{
    std::string error;
    EXPECT_NE(LoadPictureModule(DL_SWEEP_PLOT_MODULE_FILE, error), nullptr);
    EXPECT_EQ(error, "");
}

// What cannot be the picture module is refused with its reason, never
// called: damaged files before the loader sees them, then what the loader
// or the module's stamp tells.
TEST_F(PictureModule, WhatIsNoModuleOfThisVersionIsRefusedWithItsReason)
{
    const std::string module = Bytes(DL_SWEEP_PLOT_MODULE_FILE);
    std::ofstream(File("cut.so"), std::ios::binary) << module.substr(0, module.size() / 2);
    std::ofstream(File("text.so")) << "not a module\n";
    const struct {
        std::string path;
        std::string reason;
    } rows[] = {
        {File("cut.so"), File("cut.so") + ": a damaged module: the file is cut short"},
        {File("text.so"), File("text.so") + ": not a module (no ELF header)"},
        {File("none.so"), File("none.so") + ": No such file or directory"},
        {File(""), File("") + ": not a regular file"},
        {DL_OTHER_VERSION_MODULE_FILE, ": a module of another version of the program"},
        {DL_SAMPLE_MODULE_FILE, "undefined symbol: dl_sweep_plot_interface_stamp"},
    };
    for (const auto& row : rows) {
        std::string error;
        EXPECT_EQ(LoadPictureModule(row.path, error), nullptr) << row.path;
        EXPECT_NE(error.find(row.reason), std::string::npos) << error;
    }
}
