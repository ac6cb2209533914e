// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/module/ModuleFile.h"
#include "tools/testsupport/TestFolder.h"

#include <gtest/gtest.h>

#include <elf.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

namespace {

std::string SampleModule()
{
    std::ifstream in(DL_SAMPLE_MODULE, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The sample module with one byte of its ELF header changed.
std::function<std::string()> Patched(size_t offset, unsigned char value)
{
    return [=] {
        std::string bytes = SampleModule();
        bytes[offset] = static_cast<char>(value);
        return bytes;
    };
}

std::function<std::string()> Cut(std::function<size_t(size_t)> kept)
{
    return [=] {
        const std::string bytes = SampleModule();
        return bytes.substr(0, kept(bytes.size()));
    };
}

struct DamageCase {
    const char* name;
    std::function<std::string()> bytes;
    ModuleFault fault;
};

using ModuleFileTest = TestFolder;

} // namespace

TEST_F(ModuleFileTest, AWholeModuleOfThisMachinePasses)
{
    const ModuleCheck check = CheckModuleFile(DL_SAMPLE_MODULE);
    EXPECT_EQ(check.Fault, ModuleFault::None);
    EXPECT_EQ(check.SystemError, 0);
}

// Whatever lies in a module's place gets its fault at once, without the
// loader ever seeing it.
TEST_F(ModuleFileTest, EveryDamageHasItsFault)
{
    const DamageCase cases[] = {
        {"cut by one byte", Cut([](size_t size) { return size - 1; }), ModuleFault::CutShort},
        {"cut at half", Cut([](size_t size) { return size / 2; }), ModuleFault::CutShort},
        {"the header only", Cut([](size_t) { return sizeof(Elf64_Ehdr); }), ModuleFault::CutShort},
        {"cut inside the header", Cut([](size_t) { return size_t{40}; }), ModuleFault::NotElf},
        {"empty", Cut([](size_t) { return size_t{0}; }), ModuleFault::NotElf},
        {"text", [] { return std::string(4096, 'x'); }, ModuleFault::NotElf},
        {"32-bit", Patched(EI_CLASS, ELFCLASS32), ModuleFault::ForeignSystem},
        {"big-endian", Patched(EI_DATA, ELFDATA2MSB), ModuleFault::ForeignSystem},
        {"an object file", Patched(offsetof(Elf64_Ehdr, e_type), ET_REL), ModuleFault::ForeignSystem},
        {"another machine", Patched(offsetof(Elf64_Ehdr, e_machine), EM_RISCV), ModuleFault::ForeignSystem},
        {"segment entries of another size", Patched(offsetof(Elf64_Ehdr, e_phentsize), 32),
            ModuleFault::DamagedSegmentTable},
        {"no segments", Patched(offsetof(Elf64_Ehdr, e_phnum), 0), ModuleFault::DamagedSegmentTable},
    };
    for (const DamageCase& c : cases) {
        std::ofstream(File(c.name), std::ios::binary) << c.bytes();
        EXPECT_EQ(CheckModuleFile(File(c.name).c_str()).Fault, c.fault) << c.name;
    }
}

TEST_F(ModuleFileTest, WhatIsNoFileIsRefusedWithoutWaiting)
{
    ASSERT_EQ(::mkfifo(File("fifo").c_str(), 0600), 0);
    EXPECT_EQ(CheckModuleFile(File("fifo").c_str()).Fault, ModuleFault::NotRegular);
    std::filesystem::create_directory(File("folder"));
    EXPECT_EQ(CheckModuleFile(File("folder").c_str()).Fault, ModuleFault::NotRegular);
    EXPECT_EQ(CheckModuleFile("/dev/zero").Fault, ModuleFault::NotRegular);
    const ModuleCheck missing = CheckModuleFile(File("missing.so").c_str());
    EXPECT_EQ(missing.Fault, ModuleFault::CannotOpen);
    EXPECT_EQ(missing.SystemError, ENOENT);
}
