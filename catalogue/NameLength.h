#pragma once

// The longest text a name box takes: well past any botanic or common name,
// short enough that a pasted page never becomes a search pattern.
inline constexpr int MaxNameLength = 255;
