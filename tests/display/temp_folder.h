#pragma once
// A fresh folder per test, made the working directory, for the files a test writes.
#include <cstdint>
#include <string>
#include <vector>

std::string EnterTempFolder();
void WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes);
void WriteText(const std::string& name, const std::string& text);
