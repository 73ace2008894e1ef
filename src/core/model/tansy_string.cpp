#include "model/tansy_string.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace rebound {

namespace {

// Owns one iconv descriptor for the duration of a conversion.
class Iconv {
public:
    Iconv(const char *to, const char *from) : cd_(iconv_open(to, from))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Iconv() { iconv_close(cd_); }
    Iconv(const Iconv &) = delete;
    Iconv &operator=(const Iconv &) = delete;
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

constexpr const char *kCodePage = "CP936";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

// Length of the UTF-8 sequence that starts with `lead` (1 for a stray byte).
std::size_t Utf8SequenceLength(unsigned char lead)
{
    if (lead < 0xC0)
        return 1;
    if (lead < 0xE0)
        return 2;
    if (lead < 0xF0)
        return 3;
    return 4;
}

} // namespace

TansyString TansyString::FromCText(std::string_view raw)
{
    const auto nul = raw.find('\0');
    return TansyString(std::string(raw.substr(0, nul)));
}

std::string GbkToUtf8(std::string_view gbk)
{
    std::string out;
    if (gbk.empty())
        return out;
    Iconv cd("UTF-8", kCodePage);
    out.reserve(gbk.size() * 3 / 2 + 4);
    char buffer[256];
    char *in = const_cast<char *>(gbk.data());
    std::size_t in_left = gbk.size();
    while (in_left > 0) {
        char *dst = buffer;
        std::size_t dst_left = sizeof buffer;
        const std::size_t rc = iconv(cd.get(), &in, &in_left, &dst, &dst_left);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc != static_cast<std::size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        // EILSEQ: a byte that starts no valid character; EINVAL: a lead byte
        // cut off by the end of the text. Either way one byte is replaced.
        out.append(kReplacement);
        ++in;
        --in_left;
        iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

GbkEncoding Utf8ToGbk(std::string_view utf8)
{
    GbkEncoding result;
    if (utf8.empty()) {
        result.ok = true;
        return result;
    }
    Iconv cd(kCodePage, "UTF-8");
    std::string out;
    out.reserve(utf8.size());
    char buffer[256];
    char *in = const_cast<char *>(utf8.data());
    std::size_t in_left = utf8.size();
    while (in_left > 0) {
        char *dst = buffer;
        std::size_t dst_left = sizeof buffer;
        const std::size_t rc = iconv(cd.get(), &in, &in_left, &dst, &dst_left);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc != static_cast<std::size_t>(-1) || errno == E2BIG)
            continue;
        const std::size_t len = std::min(in_left, Utf8SequenceLength(static_cast<unsigned char>(*in)));
        result.bad_char.assign(in, len);
        return result;
    }
    result.ok = true;
    result.bytes = TansyString(std::move(out));
    return result;
}

} // namespace rebound
