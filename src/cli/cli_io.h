#pragma once
#include <QString>

namespace krivol {

// Exit codes shared by all commands.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

void printOut(const QString& text);
void printErr(const QString& text);

}  // namespace krivol
