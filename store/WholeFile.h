// A whole file read into memory in one go: what the record files and their
// journals both need, kept apart from either so that neither includes the
// other.
#pragma once

#include <vector>

// image := the whole file at path. false when it does not open or cannot be
// read whole.
bool WholeFile_Read(const char* path, std::vector<char>& image);
