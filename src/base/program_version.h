// The program's version text: the about box and the last line of the WinGT pages show it.
#pragma once

inline constexpr char kProgramVersionText[] = "0.2.1b";
