// The HTTP fetch of the playlist query, on WinINet.
#pragma once

#include <string>

#include "playlist/playlist_query.h"

// Connect, send and receive time-out of every fetch.
constexpr unsigned long fetchTimeoutMilliseconds = 30000;

// One HTTP GET of the URL: the body bytes, or none on failure.
Bytes fetchUrlBytes(const std::string& url);

// The same with another time-out; tests use a short one.
Bytes fetchUrlBytes(const std::string& url, unsigned long timeoutMilliseconds);
