#include "data/cp932.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace fenlo {
namespace {

class Converter
{
public:
    Converter(const char *to, const char *from) : code_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (code_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(code_);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool valid() const { return code_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as possible; on an unconvertible sequence calls onBad, which either
    // returns the replacement to emit (and the input skips one byte) or nullopt to give up.
    template<typename OnBad>
    std::optional<std::string> run(std::string_view in, OnBad onBad)
    {
        iconv(code_, nullptr, nullptr, nullptr, nullptr); // a kept converter starts afresh
        std::string out;
        char *src = const_cast<char *>(in.data());
        size_t srcLeft = in.size();
        char buffer[1024];
        while (srcLeft > 0) {
            char *dst = buffer;
            size_t dstLeft = sizeof buffer;
            size_t rc = iconv(code_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (rc != static_cast<size_t>(-1))
                continue;
            if (errno == E2BIG)
                continue;
            std::optional<std::string> replacement = onBad();
            if (!replacement)
                return std::nullopt;
            out += *replacement;
            ++src;
            --srcLeft;
            iconv(code_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t code_;
};

} // namespace

std::string cp932ToUtf8(std::string_view cp932)
{
    // Plain ASCII reads the same in both; most numbers and many names are nothing else.
    if (std::all_of(cp932.begin(), cp932.end(), [](char c) { return (c & 0x80) == 0; }))
        return std::string(cp932);
    // Opening a converter costs more than converting a line, so each thread keeps one.
    thread_local Converter converter("UTF-8", "CP932");
    if (!converter.valid())
        return std::string(cp932);
    return *converter.run(cp932, [] { return std::optional<std::string>("\xEF\xBF\xBD"); });
}

std::optional<std::string> utf8ToCp932(std::string_view utf8)
{
    Converter converter("CP932", "UTF-8");
    if (!converter.valid())
        return std::nullopt;
    return converter.run(utf8, [] { return std::optional<std::string>(); });
}

} // namespace fenlo
