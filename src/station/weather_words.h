// The words the main window, the WinGT pages and the weather log use for the barometer's tendency
// and forecast codes; codes without a word give an empty text.
#pragma once

#include <QString>
#include <cstdint>

// 1 "steigend", 2 "gleichbleibend", 4 "fallend".
QString TrendWord(std::uint8_t code);
// 1 "sonnig", 2 "bewölkt", 4 "bedeckt", 8 "regnerisch".
QString ForecastWord(std::uint8_t code);
