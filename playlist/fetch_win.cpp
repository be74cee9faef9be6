#include "playlist/fetch_win.h"

#include <memory>
#include <new>
#include <optional>

#include <windows.h>
#include <wininet.h>

#include "playlist/fetch.h"

namespace {

struct InternetHandleCloser {
    void operator()(HINTERNET handle) const { InternetCloseHandle(handle); }
};
using InternetHandle = std::unique_ptr<void, InternetHandleCloser>;

const char userAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

// Opened by the first fetch and kept for the life of the process, never closed: closing it
// during process teardown would only race WinINet's own clean-up.
HINTERNET agentHandle()
{
    static HINTERNET agent = nullptr;
    if (!agent) agent = InternetOpenA(userAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    return agent;
}

// Set on the request handle itself: Wine ignores a receive time-out set on the agent handle.
void setTimeouts(HINTERNET request, DWORD milliseconds)
{
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                         INTERNET_OPTION_RECEIVE_TIMEOUT}) {
        InternetSetOptionA(request, option, &milliseconds, sizeof milliseconds);  // best effort
    }
}

std::optional<std::string> contentLength(HINTERNET request)
{
    std::string value(32, '\0');
    DWORD size = static_cast<DWORD>(value.size());
    if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH, value.data(), &size, nullptr)) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return std::nullopt;  // no such header
        value.resize(size);  // a long value: size now counts its terminator
        if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH, value.data(), &size, nullptr)) {
            return std::nullopt;
        }
    }
    value.resize(size);
    return value;
}

// Reads until a read returns zero bytes. A failing read ends the body and its count is not
// trusted (Wine reports a count with the failure): the earlier reads are the reply.
Bytes readBody(HINTERNET request)
{
    Bytes body;
    std::unique_ptr<unsigned char[]> buffer;
    const DWORD size = readBufferSize(contentLength(request));
    try {
        buffer.reset(new unsigned char[size]);
        DWORD got = 0;
        while (InternetReadFile(request, buffer.get(), size, &got) && got > 0) {
            body.insert(body.end(), buffer.get(), buffer.get() + got);
            got = 0;
        }
    } catch (const std::bad_alloc&) {
        // No buffer, or no room for more: what was read so far stands.
    }
    return body;
}

}  // namespace

Bytes fetchUrlBytes(const std::string& url)
{
    return fetchUrlBytes(url, fetchTimeoutMilliseconds);
}

Bytes fetchUrlBytes(const std::string& url, unsigned long timeoutMilliseconds)
{
    if (url.empty()) return {};
    const std::optional<HttpTarget> split = splitHttpUrl(url);
    if (!split) return {};
    HINTERNET agent = agentHandle();
    if (!agent) return {};
    const InternetHandle connection(InternetConnectA(
        agent, split->host.c_str(), split->port, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return {};
    // Always from the origin server, past any caching proxy, never into the cache; and no
    // cookies, stored credentials or dialogs: the user's own would travel over plain HTTP.
    const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_PRAGMA_NOCACHE |
                        INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_COOKIES |
                        INTERNET_FLAG_NO_AUTH | INTERNET_FLAG_NO_UI;
    const char* acceptTypes[] = {"*/*", nullptr};
    const InternetHandle request(HttpOpenRequestA(connection.get(), "GET", split->target.c_str(),
                                                  "HTTP/1.0", nullptr, acceptTypes, flags, 0));
    if (!request) return {};
    setTimeouts(request.get(), timeoutMilliseconds);
    if (!HttpSendRequestA(request.get(), nullptr, 0, nullptr, 0)) return {};
    return readBody(request.get());
}
