// The system's source files as the shape checks read them: each file with
// its folder, its code without comments, and its string literals.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// The folders of the system code (the tools, tests and benchmarks stand
// outside them).
inline const char* const Source_Tops[] = {"app", "document", "editor", "masters", "platform", "print", "settings",
                                          "store", "ui"};

struct TLiteral {
    std::string Text;
    int Line;
};

struct TSourceFile {
    std::string Path;    // from the top of the tree: "editor/Header.cpp"
    std::string Folder;  // "editor"
    std::string Code;    // comments blanked, string and character literals kept
    std::vector<TLiteral> Literals;

    bool In(const std::string& folder) const {
        return Folder == folder || Folder.compare(0, folder.size() + 1, folder + "/") == 0;
    }
};

// The code with its comments blanked (line feeds kept, so lines still
// count), and the string literals it holds.
inline void Source_Parse(const std::string& text, TSourceFile& file) {
    std::string& code = file.Code;
    code = text;
    int line = 1;
    for (size_t i = 0; i < code.size();) {
        const char c = code[i];
        if (c == '\n') {
            ++line;
            ++i;
        } else if (c == '/' && i + 1 < code.size() && code[i + 1] == '/') {
            while (i < code.size() && code[i] != '\n') code[i++] = ' ';
        } else if (c == '/' && i + 1 < code.size() && code[i + 1] == '*') {
            while (i < code.size() && !(code[i] == '*' && i + 1 < code.size() && code[i + 1] == '/')) {
                if (code[i] == '\n') ++line;
                else code[i] = ' ';
                ++i;
            }
            if (i < code.size()) code[i] = code[i + 1] = ' ', i += 2;
        } else if (c == '"' || c == '\'') {
            std::string literal;
            size_t j = i + 1;
            for (; j < code.size() && code[j] != c && code[j] != '\n'; ++j) {
                if (code[j] == '\\' && j + 1 < code.size()) literal += code[j++];
                literal += code[j];
            }
            if (c == '"') file.Literals.push_back({literal, line});
            i = j + 1;
        } else {
            ++i;
        }
    }
}

// Every .cpp and .h of the system's folders.
inline std::vector<TSourceFile> Source_Files() {
    namespace fs = std::filesystem;
    std::vector<TSourceFile> files;
    const fs::path root = SYORI_SOURCE_DIR;
    for (const char* top : Source_Tops)
        for (const auto& entry : fs::recursive_directory_iterator(root / top)) {
            const std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
            TSourceFile file;
            file.Path = fs::relative(entry.path(), root).generic_string();
            file.Folder = fs::path(file.Path).parent_path().generic_string();
            std::ifstream in(entry.path(), std::ios::binary);
            std::stringstream text;
            text << in.rdbuf();
            Source_Parse(text.str(), file);
            files.push_back(std::move(file));
        }
    return files;
}
