#pragma once
#include <string>

// The string table: status-bar prompts and tooltips of the commands, the
// initial texts of the status-bar indicators and the idle prompt. A command's
// string holds its prompt, then optionally "\n" and its tooltip.

// The whole string, or null when the table has none for the id.
const char* LoadResourceString(int id);

// The part before "\n" (the status prompt); empty when there is no string.
std::string CommandPrompt(int id);
// The part after "\n" (the tooltip); empty when there is none.
std::string CommandTooltip(int id);
