#pragma once
// Text as the project files hold it: bytes in the Windows code page 936 (GBK).
// Bytes are kept exactly as read; they are decoded only for display and
// encoded only when a person edits a text, so untouched fields round-trip.

#include <string>
#include <string_view>

namespace rebound {

class TansyString : public std::string {
public:
    using std::string::string;
    TansyString() = default;
    TansyString(const std::string &bytes) : std::string(bytes) {}
    TansyString(std::string &&bytes) : std::string(std::move(bytes)) {}

    // A C text: the bytes up to the first NUL.
    TansyString &operator=(const char *ctext)
    {
        std::string::assign(ctext ? ctext : "");
        return *this;
    }
    TansyString &operator=(const std::string &bytes)
    {
        std::string::operator=(bytes);
        return *this;
    }

    // The bytes of `raw` up to the first NUL among them.
    static TansyString FromCText(std::string_view raw);
};

// GBK bytes to UTF-8. Bytes that do not decode become U+FFFD.
std::string GbkToUtf8(std::string_view gbk);

struct GbkEncoding {
    bool ok = false;
    TansyString bytes;       // the encoded text when ok
    std::string bad_char;    // UTF-8 of the first character GBK cannot hold, when not ok
};

// UTF-8 to GBK. A character the code page cannot hold is reported, never
// dropped or replaced. Invalid UTF-8 is reported the same way.
GbkEncoding Utf8ToGbk(std::string_view utf8);

} // namespace rebound
