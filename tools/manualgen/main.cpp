// SPDX-License-Identifier: GPL-3.0-or-later
// manualgen SOURCE HEADER PAGE VERSION DATE COPYRIGHT
// Reads a program's manual source and writes the C++ header with its --help
// and --version texts and its manual page. Run by the build (see
// cmake/ProgramManual.cmake).

#include "HelpTexts.h"
#include "ManPage.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    if (!file)
        throw std::runtime_error("cannot read " + path);
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 7) {
        std::cerr << "usage: manualgen SOURCE HEADER PAGE VERSION DATE COPYRIGHT\n";
        return 2;
    }
    const std::string sourcePath = argv[1];
    const std::string sourceName = std::filesystem::path(sourcePath).filename().string();
    const manualgen::Release release{"Detector Lab", argv[4], argv[5], argv[6]};
    try {
        const manualgen::ManualSource source = manualgen::ReadManualSource(ReadFile(sourcePath));
        WriteFile(argv[2], manualgen::CppHeader(source, release, sourceName));
        WriteFile(argv[3], manualgen::ManPage(source, release, sourceName));
    } catch (const manualgen::SourceError& error) {
        std::cerr << sourcePath << ": " << error.what() << '\n';
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "manualgen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
