// Reading a printed PDF back with poppler's tools (pdftotext, pdftoppm;
// scripts/deps.sh test installs them).
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

// The standard output of a shell command; its exit status into *status
// when asked (-1 where it did not exit).
inline std::string ShellOutput(const std::string& command, int* status = nullptr) {
    std::string out;
    int result = -1;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buf[4096];
        for (size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
        const int ended = pclose(pipe);
        if (ended != -1 && WIFEXITED(ended)) result = WEXITSTATUS(ended);
    }
    if (status) *status = result;
    return out;
}

inline std::string ShellQuote(const std::string& path) { return "'" + path + "'"; }

// The text of each page, NFKC-normalised and without white space, so that
// full-width forms and the spacing pdftotext chooses do not matter.
inline std::vector<std::string> PdfPageTexts(const std::string& pdf) {
    const std::string text = ShellOutput(
        "pdftotext -layout -enc UTF-8 " + ShellQuote(pdf) +
        " - | python3 -c \"import sys, unicodedata; "
        "sys.stdout.write(''.join(c for c in unicodedata.normalize('NFKC', sys.stdin.read()) "
        "if not c.isspace() or c == '\\f'))\"");
    std::vector<std::string> pages;
    size_t start = 0;
    for (size_t ff; (ff = text.find('\f', start)) != std::string::npos; start = ff + 1)
        pages.push_back(text.substr(start, ff - start));
    return pages;
}
