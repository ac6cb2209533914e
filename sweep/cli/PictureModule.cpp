// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureModule.h"

#include "common/module/ModuleFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

#include <dlfcn.h>

namespace sweep {

namespace {

PlotDrawer& Drawer()
{
    static PlotDrawer drawer = nullptr;
    return drawer;
}

std::string FaultText(const ModuleCheck& check)
{
    switch (check.Fault) {
    case ModuleFault::None: return {};
    case ModuleFault::CannotOpen: return std::strerror(check.SystemError);
    case ModuleFault::NotRegular: return "not a regular file";
    case ModuleFault::NotElf: return "not a module (no ELF header)";
    case ModuleFault::ForeignSystem: return "a module built for another system";
    case ModuleFault::DamagedSegmentTable: return "a damaged module (its segment table)";
    case ModuleFault::CutShort: return "a damaged module: the file is cut short";
    }
    return {};
}

std::string LoaderError()
{
    const char* error = dlerror();
    return error != nullptr ? error : "the dynamic loader gave no reason";
}

// The module beside the program (the build tree), then where it is installed.
PlotDrawer LoadModule(std::string& error)
{
    std::error_code failure;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failure);
    if (failure) {
        error = "cannot find the program's folder: " + failure.message();
        return nullptr;
    }
    const std::filesystem::path folder = program.parent_path();
    std::string firstError;
    for (const std::filesystem::path& path :
        {folder / DL_SWEEP_PLOT_MODULE, folder / DL_SWEEP_PLOT_MODULE_INSTALLED_DIR / DL_SWEEP_PLOT_MODULE}) {
        // A path that cannot even be looked at is loaded, for the check to say why.
        if (!std::filesystem::exists(path, failure) && !failure) {
            if (firstError.empty())
                firstError = "the picture module " + path.string() + " is missing";
            continue;
        }
        return LoadPictureModule(path.string(), error);
    }
    error = firstError;
    return nullptr;
}

} // namespace

std::string DrawPicture(const SweepSettings& settings, uint32_t baseSeed, const std::vector<PointResult>& results,
    bool svg, std::string& error)
{
    if (Drawer() == nullptr)
        Drawer() = LoadModule(error);
    std::string picture;
    if (Drawer() != nullptr)
        Drawer()(settings, baseSeed, results, svg, picture);
    return picture;
}

PlotDrawer LoadPictureModule(const std::string& path, std::string& error)
{
    if (const ModuleCheck check = CheckModuleFile(path.c_str()); check.Fault != ModuleFault::None) {
        error = path + ": " + FaultText(check);
        return nullptr;
    }
    // Never closed: the module stays loaded for the process.
    void* const module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        error = LoaderError();
        return nullptr;
    }
    using StampFunction = uint64_t (*)();
    const auto stamp = reinterpret_cast<StampFunction>(dlsym(module, PlotInterfaceStampName));
    if (stamp == nullptr) {
        error = LoaderError();
        return nullptr;
    }
    if (stamp() != PlotInterfaceStamp) {
        error = path + ": a module of another version of the program";
        return nullptr;
    }
    const auto drawer = reinterpret_cast<PlotDrawer>(dlsym(module, PlotDrawerName));
    if (drawer == nullptr)
        error = LoaderError();
    return drawer;
}

PlotDrawer SetPlotDrawer(PlotDrawer drawer)
{
    return std::exchange(Drawer(), drawer);
}

} // namespace sweep
