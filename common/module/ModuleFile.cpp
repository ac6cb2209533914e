// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModuleFile.h"

#include <cerrno>
#include <cstdint>
#include <cstring>

#include <elf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

#if defined(__x86_64__)
constexpr Elf64_Half ThisMachine = EM_X86_64;
#elif defined(__aarch64__)
constexpr Elf64_Half ThisMachine = EM_AARCH64;
#else
#error "the module check knows no ELF machine for this architecture"
#endif

// Closes the descriptor when the check is done.
struct OpenFile {
    int Descriptor;
    ~OpenFile()
    {
        if (Descriptor >= 0)
            ::close(Descriptor);
    }
};

bool ReadAt(int descriptor, void* into, size_t bytes, uint64_t offset)
{
    return ::pread(descriptor, into, bytes, static_cast<off_t>(offset)) == static_cast<ssize_t>(bytes);
}

bool Within(uint64_t offset, uint64_t length, uint64_t fileSize)
{
    return offset <= fileSize && length <= fileSize - offset;
}

ModuleFault HeaderFault(const Elf64_Ehdr& header)
{
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0)
        return ModuleFault::NotElf;
    if (header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_ident[EI_DATA] != ELFDATA2LSB || header.e_type != ET_DYN
        || header.e_machine != ThisMachine)
        return ModuleFault::ForeignSystem;
    if (header.e_phentsize != sizeof(Elf64_Phdr) || header.e_phnum == 0)
        return ModuleFault::DamagedSegmentTable;
    return ModuleFault::None;
}

} // namespace

ModuleCheck CheckModuleFile(const char* path)
{
    // Non-blocking, so that a FIFO in the module's place does not wait for a writer.
    const OpenFile file{::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.Descriptor < 0)
        return {ModuleFault::CannotOpen, errno};
    struct stat status {};
    if (::fstat(file.Descriptor, &status) != 0)
        return {ModuleFault::CannotOpen, errno};
    if (!S_ISREG(status.st_mode))
        return {ModuleFault::NotRegular};
    const auto size = static_cast<uint64_t>(status.st_size);

    Elf64_Ehdr header{};
    if (!ReadAt(file.Descriptor, &header, sizeof header, 0))
        return {ModuleFault::NotElf};
    if (const ModuleFault fault = HeaderFault(header); fault != ModuleFault::None)
        return {fault};
    const uint64_t segmentTable = uint64_t{header.e_phnum} * sizeof(Elf64_Phdr);
    if (!Within(header.e_phoff, segmentTable, size))
        return {ModuleFault::CutShort};
    for (Elf64_Half i = 0; i < header.e_phnum; ++i) {
        Elf64_Phdr segment{};
        if (!ReadAt(file.Descriptor, &segment, sizeof segment, header.e_phoff + i * sizeof(Elf64_Phdr))
            || !Within(segment.p_offset, segment.p_filesz, size))
            return {ModuleFault::CutShort};
    }
    if (header.e_shoff != 0 && !Within(header.e_shoff, uint64_t{header.e_shnum} * header.e_shentsize, size))
        return {ModuleFault::CutShort};
    return {};
}
