// The skin fuzz target's checks, shared with the host test that replays its seed corpus.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Feeds the bytes to the blob loader and, as override text, to a loaded skin. Returns "" when
// every invariant holds, else what broke.
std::string checkSkinInput(const std::uint8_t* data, std::size_t size);
