// The property that the playlist fuzzer and its corpus regression test check on any reply bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Runs the extraction over the reply and returns what went wrong, or the empty text: no crash,
// and each pattern's guarded search gives exactly the bare loop's matches wherever that completes.
std::string checkPlaylistExtraction(const std::uint8_t* data, std::size_t size);
