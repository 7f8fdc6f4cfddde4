#include "ui/Owner.h"

#include <cstring>
#include <unordered_map>

namespace {

// The top of the source tree: this file's own path without "ui/Owner.cpp".
const std::string& SourceRoot() {
    static const std::string root = [] {
        const std::string self = std::source_location::current().file_name();
        const std::string tail = "ui/Owner.cpp";
        return self.size() >= tail.size() && self.compare(self.size() - tail.size(), tail.size(), tail) == 0
                   ? self.substr(0, self.size() - tail.size())
                   : std::string();
    }();
    return root;
}

// The path from the top of the tree: headers reached through a layer's
// include directory ("build/.../layers/syori_editor/editor/Grid.h") by the
// part after the layer's name.
std::string Relative(const std::string& path) {
    if (const size_t layers = path.rfind("/layers/"); layers != std::string::npos) {
        const size_t slash = path.find('/', layers + std::strlen("/layers/"));
        return slash == std::string::npos ? std::string() : path.substr(slash + 1);
    }
    const std::string& root = SourceRoot();
    if (!root.empty() && path.compare(0, root.size(), root) == 0) return path.substr(root.size());
    return path;  // already relative
}

std::unordered_map<const TControl*, std::string>& Owners() {
    static std::unordered_map<const TControl*, std::string> owners;
    return owners;
}

}  // namespace

std::string Owner_FolderOfFile(const char* path) {
    const std::string rel = Relative(path);
    for (const char* outside : {"tests/", "tools/", "bench/"})
        if (rel.compare(0, std::strlen(outside), outside) == 0) return {};
    const size_t slash = rel.rfind('/');
    return slash == std::string::npos || rel[0] == '/' ? std::string() : rel.substr(0, slash);
}

const std::string& Owner_FolderOf(const std::source_location& where) {
    // A file's name is one string for all its calls: each is worked out once.
    static std::unordered_map<const char*, std::string> known;
    const auto found = known.find(where.file_name());
    if (found != known.end()) return found->second;
    return known.emplace(where.file_name(), Owner_FolderOfFile(where.file_name())).first->second;
}

void Owner_Set(const TControl* control, const std::string& folder) { Owners()[control] = folder; }

const std::string& Owner_Of(const TControl* control) {
    static const std::string none;
    const auto found = Owners().find(control);
    return found == Owners().end() ? none : found->second;
}

bool Owner_MayLookUp(const TControl* control, const std::source_location& where) {
    // ui/ is the mechanism: it reaches the controls the records and tables
    // handed to it name (panels, focus codes, edit tables). A control that
    // the builder did not make (a test's stand-in) has no owner to hold to.
    const std::string& caller = Owner_FolderOf(where);
    const std::string& owner = Owner_Of(control);
    return caller.empty() || caller == "ui" || owner.empty() || caller == owner;
}

void Owner_Clear() { Owners().clear(); }
