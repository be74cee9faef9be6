#include "playlist/fetch.h"

#include <algorithm>
#include <cctype>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool startsWithHttp(const std::string& url)
{
    static const char scheme[] = "http://";
    if (url.size() < sizeof scheme - 1) return false;
    return std::equal(scheme, scheme + sizeof scheme - 1, url.begin(), [](char a, char b) {
        return a == std::tolower(static_cast<unsigned char>(b));
    });
}

}  // namespace

std::optional<HttpTarget> splitHttpUrl(const std::string& url)
{
    if (!startsWithHttp(url)) return std::nullopt;
    const std::string rest =
        url.substr(7, url.find('#') == std::string::npos ? std::string::npos : url.find('#') - 7);
    const std::size_t targetStart = rest.find_first_of("/?");
    const std::string authority = rest.substr(0, targetStart);
    HttpTarget split;
    split.target = targetStart == std::string::npos ? "/" : rest.substr(targetStart);
    if (split.target.front() == '?') split.target.insert(0, 1, '/');
    // User information in the authority would be credentials the query never sends.
    if (authority.find('@') != std::string::npos) return std::nullopt;
    const std::size_t colon = authority.find(':');
    split.host = authority.substr(0, colon);
    if (split.host.empty()) return std::nullopt;
    if (colon != std::string::npos) {
        const std::string port = authority.substr(colon + 1);
        if (port.empty() || port.size() > 5 || !std::all_of(port.begin(), port.end(), isDigit)) {
            return std::nullopt;
        }
        const unsigned long value = std::stoul(port);
        if (value == 0 || value > 65535) return std::nullopt;
        split.port = static_cast<unsigned short>(value);
    }
    return split;
}

unsigned long readBufferSize(const std::optional<std::string>& contentLength)
{
    constexpr unsigned long defaultSize = 10240;
    constexpr unsigned long largestSize = 102400;
    if (!contentLength) return defaultSize;
    const std::string& text = *contentLength;
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    if (first == std::string::npos) return defaultSize;
    unsigned long length = 0;
    for (std::size_t i = first; i <= last; ++i) {
        if (!isDigit(text[i])) return defaultSize;
        // Past the cap the exact value no longer matters, and it must not overflow.
        length = std::min(largestSize, length * 10 + static_cast<unsigned long>(text[i] - '0'));
    }
    if (length == 0) return defaultSize;
    return std::min(largestSize, length + 1);
}
