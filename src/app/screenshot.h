// Reading the drawn frame back and saving it as a PNG file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// RGBA rows of the back buffer, bottom row first.
std::vector<uint8_t> ReadBackBuffer(int width, int height);
// Writes bottom-up RGBA rows as a top-down PNG; false with a message on failure.
bool WriteScreenshotPng(const std::string& path, int width, int height,
                        const std::vector<uint8_t>& rgbaBottomUp);
