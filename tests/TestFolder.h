// A fresh program folder for one test: a new temporary directory becomes the
// program folder (Platform_SetProgramDir) for the fixture's lifetime, with an
// empty Data folder unless asked otherwise, and is removed with everything in
// it afterwards; the previous program folder is put back.
//
// Paths given to the helpers are relative to the folder and may be written as
// the system writes them ("Data\\Kokyaku.620") or with '/'. Contents are raw
// bytes (CP932 in the data files), so tests compare exactly what is on disk.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/File.h"
#include "platform/FileFault.h"

class TestFolder {
public:
    enum DataFolder { WithData, WithoutData };

    explicit TestFolder(DataFolder data = WithData) : previous_(Platform_ProgramDir()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "syori-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        root_ = pattern + "/";
        if (data == WithData) std::filesystem::create_directory(root_ + "Data");
        Platform_SetProgramDir(root_);
        FileFault_Reset();
    }
    ~TestFolder() {
        FileFault_Reset();
        Platform_SetProgramDir(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // The folder itself, ending in '/'.
    const std::string& Root() const { return root_; }
    // The host path of a file in the folder.
    std::string Path(const std::string& relative) const {
        std::string p = relative;
        for (char& c : p)
            if (c == '\\') c = '/';
        return root_ + p;
    }

    bool Exists(const std::string& relative) const { return std::filesystem::exists(Path(relative)); }
    // Size in bytes, -1 when the file is missing.
    std::int64_t Size(const std::string& relative) const {
        std::error_code ec;
        auto size = std::filesystem::file_size(Path(relative), ec);
        return ec ? -1 : static_cast<std::int64_t>(size);
    }
    // The file's bytes ("" when it is missing: check Exists for that).
    std::string Read(const std::string& relative) const {
        std::ifstream in(Path(relative), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // Writes the bytes, creating folders on the way.
    void Write(const std::string& relative, const std::string& bytes) const {
        std::filesystem::path p = Path(relative);
        std::filesystem::create_directories(p.parent_path());
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) throw std::runtime_error("cannot write " + p.string());
    }
    // A file of the given size without writing its bytes (they read as NULs).
    void Resize(const std::string& relative, std::int64_t size) const {
        if (!Exists(relative)) Write(relative, "");
        std::filesystem::resize_file(Path(relative), static_cast<std::uintmax_t>(size));
    }
    void MakeDir(const std::string& relative) const { std::filesystem::create_directories(Path(relative)); }
    void Remove(const std::string& relative) const { std::filesystem::remove_all(Path(relative)); }
    // Names in a folder of the test folder, sorted.
    std::vector<std::string> List(const std::string& relative = "") const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(Path(relative)))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::string previous_;
    std::string root_;
};
