// What kestrelon-cli writes: the program's texts, which are Windows-1252, in the user's encoding, and the one-line
// messages on standard error with their exit statuses.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

inline constexpr int kExitNotFound = 1;  // also: the output or the saved settings could not be written
inline constexpr int kExitUsage = 2;

// A Windows-1252 text as the user's terminal wants it (see UserSpeaksUtf8); plain ASCII comes back unchanged.
std::string ForUser(std::string_view text);
// Writes a Windows-1252 text to the stream: to a Windows console as its characters, else through ForUser.
void WriteText(std::FILE* stream, std::string_view text);
// Writes a UTF-8 text (people's names) to the stream: to a Windows console as its characters, else byte for byte.
void WriteUtf8Text(std::FILE* stream, std::string_view utf8);
// 0 when everything written reached standard output; otherwise one line on stderr and 1.
int FinishOutput();

// "kestrelon-cli: <message>" on stderr (a message is ASCII with the arguments it quotes, which are UTF-8); they
// return 2 and 1.
int UsageError(const std::string& message);
int NotFound(const std::string& message);
// "kestrelon-cli: warning: <message>" on stderr.
void Warn(const std::string& message);
