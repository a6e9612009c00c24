// The trace of a run: one line per observable action, each led by the millisecond of the host
// clock ("1234 state 0 3"). Off unless a file was opened.
#pragma once
#include <string>
#include <string_view>

namespace platform {

// Opens (truncates) the trace file; false when it cannot be written.
bool Trace_Open(const std::string& nativePath);
void Trace_Close();
bool Trace_Enabled();
// Writes "<ticks> <line>" and flushes, so that a trace survives a crash.
void Trace_Write(std::string_view line);
// A text in double quotes with backslash, quote and control characters escaped (\\, \", \r, \n).
std::string Trace_Quote(std::string_view text);

// Also lets tests read what was traced: every line since the last Trace_CaptureStart.
void Trace_CaptureStart();
std::string Trace_CaptureTake();

}  // namespace platform
