// The zmanim of the selected day as text: the three columns of the zmanim page and the "Copy Zmanim" text.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

int hour12(int hour);
const char* amPm(int hour);

// Clears columns and appends the three column texts of the zmanim page.
void zmanimPageColumns(std::vector<std::string>& columns);

// Writes the clipboard text of the selected day, at most size - 1 characters, always terminated.
std::size_t zmanimClipboardText(char* buffer, std::size_t size);
