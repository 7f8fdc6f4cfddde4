#include "store/WholeFile.h"

#include <cstdint>

#include "platform/File.h"

bool WholeFile_Read(const char* path, std::vector<char>& image) {
    const int fd = File_OpenRead(path);
    if (fd < 0) return false;
    const std::int64_t size = File_Size(fd);
    bool ok = size >= 0;
    if (ok) {
        image.resize(static_cast<size_t>(size));
        ok = File_Read(fd, image.data(), size) == size;
    }
    File_Close(fd);
    return ok;
}
