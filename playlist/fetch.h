// The portable half of the HTTP fetch: splitting the URL and sizing the read buffer.
#pragma once

#include <optional>
#include <string>

struct HttpTarget {
    std::string host;
    unsigned short port = 80;
    std::string target;  // path and query, as sent in the request line
};

// Splits an http URL; none for any other scheme, an empty host or a bad port.
// The target is cut before the first "#", and nothing is escaped.
std::optional<HttpTarget> splitHttpUrl(const std::string& url);

// Bytes asked of each read: Content-Length + 1 capped at 102,400, or 10,240 when the header is
// missing (no value), not a number or not positive.
unsigned long readBufferSize(const std::optional<std::string>& contentLength);
