// The HTTP fetch of the playlist query, on WinINet.
#pragma once

#include <string>

#include "playlist/playlist_query.h"

// One HTTP GET of the URL: the body bytes, or none on failure.
Bytes fetchUrlBytes(const std::string& url);
