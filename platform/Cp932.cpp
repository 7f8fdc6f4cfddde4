// CP932 <-> UTF-8 through glibc's iconv. Its "CP932" table is the Windows one
// ("～" is 0x8160, "－" 0x817C, NEC and IBM extensions included), which is what
// files written on other machines hold. One converter per direction is kept
// open for the life of the process.
#include "platform/Cp932.h"

#include <iconv.h>

#include <cerrno>

namespace {

iconv_t Converter(const char* to, const char* from, iconv_t& cached) {
    if (cached == reinterpret_cast<iconv_t>(-1)) cached = iconv_open(to, from);
    return cached;
}

iconv_t toUtf8 = reinterpret_cast<iconv_t>(-1);
iconv_t fromUtf8 = reinterpret_cast<iconv_t>(-1);

// Length of the UTF-8 sequence that starts with c (1 for a stray byte).
size_t Utf8Length(unsigned char c) {
    if (c >= 0xF0 && c <= 0xF4) return 4;
    if (c >= 0xE0) return c <= 0xEF ? 3 : 1;
    if (c >= 0xC2) return 2;
    return 1;
}

// Converts in, calling onBad(out, used, input position, bytes left) for every
// sequence the converter refuses; onBad may append to out and returns how many
// input bytes to skip (at least 1).
template <class OnBad>
std::string Convert(iconv_t cd, const std::string& in, OnBad onBad) {
    std::string out;
    if (in.empty()) return out;
    if (cd == reinterpret_cast<iconv_t>(-1)) return out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);  // initial state
    out.resize(in.size() * 3 + 16);
    char* ip = const_cast<char*>(in.data());
    size_t il = in.size();
    size_t used = 0;
    while (il > 0) {
        char* op = out.data() + used;
        size_t ol = out.size() - used;
        size_t r = iconv(cd, &ip, &il, &op, &ol);
        used = static_cast<size_t>(op - out.data());
        if (r != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        // EILSEQ (not convertible) or EINVAL (cut off at the end).
        size_t skip = onBad(out, used, reinterpret_cast<const unsigned char*>(ip), il);
        if (skip > il) skip = il;
        ip += skip;
        il -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(used);
    return out;
}

}  // namespace

std::string Cp932_ToUtf8(const std::string& cp932) {
    return Convert(Converter("UTF-8", "CP932", toUtf8), cp932,
                   [](std::string& out, size_t& used, const unsigned char*, size_t) -> size_t {
                       static const char replacement[] = "\xEF\xBF\xBD";  // U+FFFD
                       if (out.size() < used + 3) out.resize(used + 16);
                       for (int i = 0; i < 3; ++i) out[used++] = replacement[i];
                       // Skip only the offending byte: a lead byte followed
                       // by a byte that is no trail byte keeps that byte.
                       return 1;
                   });
}

namespace {

// How much of a refused UTF-8 character to skip: the whole character, or the
// stray byte of a broken sequence.
size_t Utf8Skip(const unsigned char* p, size_t n) {
    size_t len = Utf8Length(p[0]), skip = 1;
    while (skip < len && skip < n && (p[skip] & 0xC0) == 0x80) ++skip;
    return skip;
}

}  // namespace

std::string Cp932_FromUtf8(const std::string& utf8, bool* refused) {
    bool any = false;
    std::string out = Convert(Converter("CP932", "UTF-8", fromUtf8), utf8,
                              [&any](std::string&, size_t&, const unsigned char* p, size_t n) -> size_t {
                                  any = true;
                                  return Utf8Skip(p, n);
                              });
    if (refused) *refused = any;
    return out;
}

std::string Cp932_ForDisplay(const std::string& utf8) {
    return Convert(Converter("CP932", "UTF-8", fromUtf8), utf8,
                   [](std::string& out, size_t& used, const unsigned char* p, size_t n) -> size_t {
                       if (out.size() < used + 1) out.resize(used + 16);
                       out[used++] = '?';
                       return Utf8Skip(p, n);
                   });
}
